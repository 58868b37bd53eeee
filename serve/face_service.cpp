#include "serve/face_service.h"

#include <sys/socket.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

#include "model/message_text.h"
#include "serve/connection_pool.h"

namespace pelmoro {

namespace {

// A request being answered (waiting to be drawn, drawn, sent) is dropped after this long.
constexpr int kAnswerSeconds = 60;
// Connections the system holds for the service before it accepts them. The library asks
// for 5, so a burst of clients connecting at once (a load balancer opening its pool, a page
// full of faces) has SYNs dropped and waits out the one-second retry.
constexpr int kListenQueue = 1024;
constexpr const char* kPlainText = "text/plain; charset=utf-8";
constexpr const char* kRoutes = "/face/{seed}.{ext}, /face/name/{text}.{ext} and /healthz";

void AnswerPlain(httplib::Response& response, int status, const std::string& line) {
  response.status = status;
  response.set_content(line + "\n", kPlainText);
}

// Whether an If-None-Match header names `tag`: "*", or the tag in a list, weak or strong.
bool MatchesTag(const std::string& header, const std::string& tag) {
  std::size_t from = 0;
  while (from <= header.size()) {
    std::size_t end = header.find(',', from);
    if (end == std::string::npos) end = header.size();
    std::string one = header.substr(from, end - from);
    one.erase(0, one.find_first_not_of(" \t"));
    one.erase(one.find_last_not_of(" \t") + 1);
    if (one.rfind("W/", 0) == 0) one.erase(0, 2);
    if (one == "*" || one == tag) return true;
    from = end + 1;
  }
  return false;
}

// One line of the common log format, its request line's odd bytes escaped.
std::string AccessLogLine(const httplib::Request& request, const httplib::Response& response) {
  char date[40];
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  std::strftime(date, sizeof date, "%d/%b/%Y:%H:%M:%S +0000", &utc);
  // A request that could not be read has no request line.
  std::string line =
      request.method.empty() ? "-" : EscapeControlBytes(request.method + " " + request.target + " " + request.version);
  for (std::size_t at = line.find('"'); at != std::string::npos; at = line.find('"', at + 4))
    line.replace(at, 1, "\\x22");
  const std::size_t sent = request.method == "HEAD" ? 0 : response.body.size();
  return (request.remote_addr.empty() ? "-" : request.remote_addr) + " - - [" + date + "] \"" + line + "\" " +
         std::to_string(response.status) + " " + (sent > 0 ? std::to_string(sent) : "-") + "\n";
}

void WriteAccessLog(const httplib::Request& request, const httplib::Response& response) {
  static std::mutex mutex;
  const std::string line = AccessLogLine(request, response);
  const std::lock_guard lock(mutex);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

FaceService::FaceService(const ServiceSettings& settings)
    : settings_(settings),
      cache_(settings.cacheBytes),
      drawing_(settings.drawingThreads),
      guard_(std::chrono::seconds(settings.requestSeconds), std::chrono::seconds(kAnswerSeconds)) {
  const unsigned connections = std::max(1u, settings.connectionThreads);
  server_.new_task_queue = [connections] { return new ConnectionPool(connections, connections); };
  // Requests are GETs: their bodies are refused, their line and headers bounded by the
  // library, a silent client dropped by the timeouts and a slow one by the guard.
  server_.set_payload_max_length(1024);
  server_.set_read_timeout(5);
  server_.set_write_timeout(5);
  server_.set_keep_alive_timeout(5);
  server_.set_keep_alive_max_count(1000);
  server_.set_tcp_nodelay(true);
  server_.set_socket_options([this](socket_t socket) {
    httplib::default_socket_options(socket);
    listening_ = socket;
  });
  server_.set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) { return Answer(request, response); });
  server_.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (response.body.empty() && response.status == 414) AnswerPlain(response, 414, "the URL is too long");
    if (response.body.empty() && response.status == 413) AnswerPlain(response, 413, "requests have no body");
    if (response.body.empty() && response.status == 400) AnswerPlain(response, 400, "malformed request");
  });
  server_.set_logger(
      [this](const httplib::Request& request, const httplib::Response& response) { Answered(request, response); });
}

int FaceService::Bind() {
  const int port = settings_.port == 0 ? server_.bind_to_any_port(settings_.host)
                   : server_.bind_to_port(settings_.host, settings_.port) ? settings_.port
                                                                          : -1;
  // Listening again on a listening socket only changes its queue (the system caps it at
  // somaxconn); should that fail, the library's short queue stays and the service still runs.
  if (port >= 0 && listening_ >= 0) ::listen(listening_, kListenQueue);
  return port;
}

bool FaceService::Run() { return server_.listen_after_bind(); }

void FaceService::Stop() { server_.stop(); }

void FaceService::Answered(const httplib::Request& request, const httplib::Response& response) {
  guard_.RequestAnswered(PeerName(request.remote_addr, request.remote_port));
  if (settings_.accessLog) WriteAccessLog(request, response);
}

httplib::Server::HandlerResponse FaceService::Answer(const httplib::Request& request, httplib::Response& response) {
  guard_.RequestArrived(PeerName(request.remote_addr, request.remote_port));
  if (request.method != "GET" && request.method != "HEAD") {
    response.set_header("Allow", "GET, HEAD");
    AnswerPlain(response, 405, "only GET and HEAD are served");
    return httplib::Server::HandlerResponse::Handled;
  }
  const UrlMeaning meaning = ParseRequestTarget(request.target);
  switch (meaning.kind) {
    case UrlKind::Health:
      AnswerPlain(response, 200, "ok");
      break;
    case UrlKind::NotFound:
      AnswerPlain(response, 404, std::string("no such page: the pages are ") + kRoutes);
      break;
    case UrlKind::BadRequest:
      AnswerPlain(response, 400, meaning.reason);
      break;
    case UrlKind::Face:
      AnswerFace(meaning.face, request, response);
      break;
  }
  return httplib::Server::HandlerResponse::Handled;
}

void FaceService::AnswerFace(const FaceUrl& url, const httplib::Request& request, httplib::Response& response) {
  const std::string tag = EntityTag(url.canonical);
  response.set_header("ETag", tag);
  response.set_header("Cache-Control", "public, max-age=31536000, immutable");
  if (request.has_header("If-None-Match") && MatchesTag(request.get_header_value("If-None-Match"), tag)) {
    response.status = 304;
    return;
  }
  std::string problem;
  const ResponseCache::Body body = Draw(url, problem);
  if (!body) {
    response.headers.erase("ETag");
    response.headers.erase("Cache-Control");
    AnswerPlain(response, 500, "cannot draw the face: " + EscapeControlBytes(problem));
    return;
  }
  response.status = 200;
  response.set_header("Content-Disposition",
                      "inline; filename=\"face-" + std::to_string(*url.request.seed) + "." + url.extension + "\"");
  response.set_content(body->data(), body->size(), ContentTypeFor(url.extension));
}

ResponseCache::Body FaceService::Draw(const FaceUrl& url, std::string& problem) {
  if (ResponseCache::Body kept = cache_.Find(url.canonical)) return kept;
  std::vector<std::uint8_t> bytes;
  {
    const DrawingGate::Turn turn(drawing_);
    if (url.document) {
      const auto document = FaceRequestDocument(url.request);
      bytes.assign(document.begin(), document.end());
    } else if (const Status drawn = RenderFaceRequest(url.request, bytes); !drawn) {
      problem = drawn.message();
    }
  }
  if (!problem.empty()) return nullptr;
  auto body = std::make_shared<const std::string>(bytes.begin(), bytes.end());
  cache_.Insert(url.canonical, body);
  return body;
}

}  // namespace pelmoro
