// The built pelmoro-serve on a free local port, asked as clients would ask it: its answers
// are pelmoro-render's files, its faults plain statuses, its limits and its stop kept.
#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "model/text_seed.h"
#include "tests/cli/program_run.h"

namespace pelmoro {
namespace {

using testing::ReadText;
using testing::TempDir;

// pelmoro-serve on 127.0.0.1 at the port it found free, stopped at the end.
class Service {
 public:
  explicit Service(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), {PELMORO_SERVE_PROGRAM, "--listen", "127.0.0.1:0"});
    pid_ = testing::StartProgram(arguments, dir_ / "out", dir_ / "err");
    for (int i = 0; i < 1000 && port_ == 0; ++i) {
      const std::string out = ReadText(dir_ / "out");
      if (const std::size_t colon = out.rfind(':'); out.ends_with("\n") && colon != std::string::npos)
        port_ = std::stoi(out.substr(colon + 1));
      else
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_GT(port_, 0) << ReadText(dir_ / "err");
  }
  ~Service() {
    if (pid_ > 0) Stop();
  }
  int Stop() {
    kill(pid_, SIGTERM);
    const int status = testing::WaitForProgram(pid_);
    pid_ = -1;
    return status;
  }
  int port() const { return port_; }
  httplib::Client Client() const { return httplib::Client("127.0.0.1", port_); }
  std::string errors() const { return ReadText(dir_ / "err"); }

 private:
  TempDir dir_;
  pid_t pid_ = -1;
  int port_ = 0;
};

// A raw connection, for clients that do not behave; `receiveBuffer` above 0 shrinks what
// the system takes in for it.
int Connect(int port, int receiveBuffer = 0) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (receiveBuffer > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? fd : (close(fd), -1);
}

std::string ReadToEnd(int fd) {
  std::string all;
  char buffer[4096];
  for (ssize_t got; (got = recv(fd, buffer, sizeof buffer, 0)) > 0;) all.append(buffer, static_cast<std::size_t>(got));
  return all;
}

// The file pelmoro-render writes with the arguments.
std::string RenderedFile(std::vector<std::string> arguments, const std::string& name) {
  TempDir dir;
  arguments.insert(arguments.end(), {name.ends_with(".plm") ? "--save" : "-o", dir / name});
  if (name.ends_with(".plm")) arguments.insert(arguments.end(), {"-o", dir / "also.png"});
  EXPECT_EQ(testing::RunRenderProgram(dir, arguments).status, 0);
  return ReadText(dir / name);
}

TEST(ServiceProgram, FacesAreTheFilesPelmoroRenderWrites) {
  Service service;
  httplib::Client client = service.Client();
  struct Case {
    std::string target, type;
    std::vector<std::string> render;
    std::string extension, file;
  };
  const Case cases[] = {
      {"/face/7.png", "image/png", {"--seed", "7"}, "png", "face-7.png"},
      {"/face/42.webp?size=448&glasses=2",
       "image/webp",
       {"--seed", "42", "--scale", "2", "--set", "glasses=2"},
       "webp",
       "face-42.webp"},
      {"/face/5.svg?transparent=1&pose=2,0,2",
       "image/svg+xml",
       {"--seed", "5", "--transparent", "--pose", "2,0,2"},
       "svg",
       "face-5.svg"},
      {"/face/9.gif?animation=2", "image/gif", {"--seed", "9", "--animation", "2"}, "gif", "face-9.gif"},
      {"/face/name/Ada%20L.jpg",
       "image/jpeg",
       {"--seed-text", "Ada L"},
       "jpg",
       "face-" + std::to_string(SeedFromText("Ada L")) + ".jpg"},
      {"/face/3.plm", "application/x-pelmoro-face", {"--seed", "3"}, "plm", "face-3.plm"},
  };
  for (const Case& c : cases) {
    const auto answer = client.Get(c.target);
    ASSERT_TRUE(answer) << c.target;
    EXPECT_EQ(answer->status, 200) << c.target << ": " << answer->body;
    EXPECT_EQ(answer->get_header_value("Content-Type"), c.type);
    EXPECT_EQ(answer->get_header_value("Content-Length"), std::to_string(answer->body.size()));
    EXPECT_EQ(answer->get_header_value("Cache-Control"), "public, max-age=31536000, immutable");
    EXPECT_EQ(answer->get_header_value("Content-Disposition"), "inline; filename=\"" + c.file + "\"");
    EXPECT_TRUE(answer->body == RenderedFile(c.render, "x." + c.extension)) << c.target;
  }
  const auto health = client.Get("/healthz");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
  EXPECT_EQ(health->body, "ok\n");
}

TEST(ServiceProgram, EntityTagsHoldAcrossProcessesAndAnswerConditionalRequests) {
  Service first, second;
  httplib::Client one = first.Client(), other = second.Client();
  const auto face = one.Get("/face/11.png?size=112");
  const auto again = other.Get("/face/11.png?size=0112&transparent=0");
  ASSERT_TRUE(face && again);
  const std::string tag = face->get_header_value("ETag");
  EXPECT_EQ(again->get_header_value("ETag"), tag);
  EXPECT_NE(tag, other.Get("/face/11.png?size=113")->get_header_value("ETag"));
  for (const std::string& condition : {tag, "\"other\", W/" + tag, std::string("*")}) {
    const auto notModified = one.Get("/face/11.png?size=112", {{"If-None-Match", condition}});
    ASSERT_TRUE(notModified);
    EXPECT_EQ(notModified->status, 304) << condition;
    EXPECT_TRUE(notModified->body.empty());
    EXPECT_EQ(notModified->get_header_value("ETag"), tag);
  }
  EXPECT_EQ(one.Get("/face/11.png?size=112", {{"If-None-Match", "\"other\""}})->status, 200);
  const auto head = one.Head("/face/11.png?size=112");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 200);
  EXPECT_TRUE(head->body.empty());
  EXPECT_EQ(head->get_header_value("Content-Length"), std::to_string(face->body.size()));
  EXPECT_EQ(head->get_header_value("ETag"), tag);
}

TEST(ServiceProgram, FaultsAreStatusesWithPlainReasons) {
  Service service;
  httplib::Client client = service.Client();
  const auto bad = client.Get("/face/7.png?size=9999");
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->status, 400);
  EXPECT_EQ(bad->body, "size must be a width in pixels from 56 to 3584, not \"9999\"\n");
  EXPECT_EQ(bad->get_header_value("Content-Type"), "text/plain; charset=utf-8");
  EXPECT_EQ(client.Get("/face/7.tiff")->status, 400);
  EXPECT_EQ(client.Get("/favicon.ico")->status, 404);
  for (const auto& answer : {client.Post("/face/7.png"), client.Delete("/face/7.png"), client.Options("/healthz")}) {
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 405);
    EXPECT_EQ(answer->get_header_value("Allow"), "GET, HEAD");
  }
  const auto tooLong = client.Get("/face/name/" + std::string(10000, 'a') + ".png");
  ASSERT_TRUE(tooLong);
  EXPECT_EQ(tooLong->status, 414);
  EXPECT_EQ(client.Get("/healthz")->status, 200);
}

TEST(ServiceProgram, ASlowClientIsDroppedAndOthersAreServed) {
  Service service({"--request-timeout", "1", "--connections", "2"});
  const int slow = Connect(service.port());
  ASSERT_GE(slow, 0);
  const std::string request = "GET /face/1.png HTTP/1.1\r\nHost: x\r\nUser-Agent: one byte at a time\r\n\r\n";
  std::size_t sent = 0;
  for (; sent < request.size() && send(slow, &request[sent], 1, MSG_NOSIGNAL) == 1; ++sent)
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_LT(sent, request.size()) << "the slow client was served";
  EXPECT_EQ(ReadToEnd(slow), "");
  close(slow);
  EXPECT_EQ(service.Client().Get("/healthz")->status, 200);
}

TEST(ServiceProgram, StopsGracefullyWithARequestInFlight) {
  Service service({"--access-log"});
  // A small receive buffer keeps the service writing the large answer until it is read.
  const int client = Connect(service.port(), 4096);
  ASSERT_GE(client, 0);
  const std::string request = "GET /face/8.png?size=3584 HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
  ASSERT_EQ(send(client, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  char first;
  ASSERT_EQ(recv(client, &first, 1, MSG_PEEK), 1);
  std::thread stopping([&service] { EXPECT_EQ(service.Stop(), 0); });
  const std::string answer = ReadToEnd(client);
  close(client);
  stopping.join();
  const std::size_t end = answer.find("\r\n\r\n");
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u);
  EXPECT_TRUE(answer.substr(end + 4) == RenderedFile({"--seed", "8", "--scale", "16"}, "x.png"));
  EXPECT_EQ(Connect(service.port()), -1);
  EXPECT_NE(service.errors().find("\"GET /face/8.png?size=3584 HTTP/1.1\" 200 "), std::string::npos);
}

}  // namespace
}  // namespace pelmoro
