#pragma once
// The avatar service: an HTTP server whose every answer is a face, drawn by the core from
// the request's URL alone, or a plain one-line reason why not.
#include <httplib.h>

#include <cstddef>
#include <memory>
#include <string>

#include "serve/drawing_gate.h"
#include "serve/face_url.h"
#include "serve/response_cache.h"
#include "serve/slow_client_guard.h"

namespace pelmoro {

struct ServiceSettings {
  std::string host = "127.0.0.1";
  int port = 8080;                     // 0: any free port
  unsigned drawingThreads = 1;         // faces drawn at once
  unsigned connectionThreads = 128;    // connections served at once
  std::size_t cacheBytes = 64u << 20;  // kept encoded answers
  bool accessLog = false;              // one common-log-format line per request on stderr
  int requestSeconds = 10;             // a client's time to send each request
};

class FaceService {
 public:
  explicit FaceService(const ServiceSettings& settings);

  // Opens the listening socket; the port it got (the asked one, or a free one for 0), or
  // -1 when the address cannot be had.
  int Bind();
  // Serves until Stop; false when the server could not run.
  bool Run();
  // Takes no new connections and lets Run return once the requests in flight are answered.
  void Stop();

 private:
  httplib::Server::HandlerResponse Answer(const httplib::Request& request, httplib::Response& response);
  void AnswerFace(const FaceUrl& url, const httplib::Request& request, httplib::Response& response);
  ResponseCache::Body Draw(const FaceUrl& url, std::string& problem);
  void Answered(const httplib::Request& request, const httplib::Response& response);

  const ServiceSettings settings_;
  httplib::Server server_;
  int listening_ = -1;  // the listening socket, once made
  ResponseCache cache_;
  DrawingGate drawing_;
  SlowClientGuard guard_;
};

}  // namespace pelmoro
