#include "serve/connection_pool.h"

namespace pelmoro {

ConnectionPool::ConnectionPool(unsigned threads, std::size_t queued) : maxQueued_(queued) {
  for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

ConnectionPool::~ConnectionPool() { shutdown(); }

void ConnectionPool::enqueue(std::function<void()> connection) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.size() < maxQueued_ || stopping_; });
  waiting_.push_back(std::move(connection));
  changed_.notify_all();
}

void ConnectionPool::shutdown() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
}

void ConnectionPool::Work() {
  for (;;) {
    std::function<void()> connection;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
      if (waiting_.empty()) return;
      connection = std::move(waiting_.front());
      waiting_.pop_front();
    }
    changed_.notify_all();
    connection();
  }
}

}  // namespace pelmoro
