#pragma once
// The threads that serve the accepted connections, one connection each. At most `queued`
// accepted connections wait for a thread; past that the accepting thread waits, so the
// rest stay in the system's queue of the listening socket and the service holds a bounded
// number of connections whatever the load.
#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace pelmoro {

class ConnectionPool : public httplib::TaskQueue {
 public:
  ConnectionPool(unsigned threads, std::size_t queued);
  ~ConnectionPool() override;

  void enqueue(std::function<void()> connection) override;
  // Serves the connections already accepted, then ends the threads.
  void shutdown() override;

 private:
  void Work();

  const std::size_t maxQueued_;
  std::deque<std::function<void()>> waiting_;
  std::vector<std::thread> threads_;
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
};

}  // namespace pelmoro
