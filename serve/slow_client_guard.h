#pragma once
// Drops the connections of clients too slow to send their requests. The HTTP library's read
// timeout counts from one byte to the next, so a client that sends one byte a second would
// hold a connection thread for ever; the guard gives each request a deadline as a whole
// and shuts down the socket of a connection past it.
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace pelmoro {

class SlowClientGuard {
 public:
  using Clock = std::chrono::steady_clock;

  // A client gets `toSend` to send a request, from its connection or from the last answer;
  // a request being answered gets `toAnswer`.
  SlowClientGuard(Clock::duration toSend, Clock::duration toAnswer);
  ~SlowClientGuard();

  // The request from this peer ("address port") has arrived whole / has been answered.
  void RequestArrived(const std::string& peer);
  void RequestAnswered(const std::string& peer);

 private:
  struct Connection {
    Clock::time_point since;
    bool answering = false;
  };
  void Watch();
  void Sweep();

  const Clock::duration toSend_, toAnswer_;
  std::map<std::string, Connection> connections_;  // by peer
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable stop_;
  std::thread watcher_;
};

// The peer of a connected socket as the guard names it: "address port"; empty for others.
std::string PeerOfSocket(int fd);
std::string PeerName(const std::string& address, int port);

}  // namespace pelmoro
