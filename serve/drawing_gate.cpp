#include "serve/drawing_gate.h"

namespace pelmoro {

void DrawingGate::Enter() {
  std::unique_lock lock(mutex_);
  if (free_ > 0 && waiting_.empty()) {
    --free_;
    return;
  }
  Waiter self;
  waiting_.push_back(&self);
  self.admitted.wait(lock, [&self] { return self.in; });
}

void DrawingGate::Leave() {
  const std::lock_guard lock(mutex_);
  if (waiting_.empty()) {
    ++free_;
    return;
  }
  // The place passes straight to the longest waiter, so no newcomer can take it first.
  Waiter* next = waiting_.front();
  waiting_.pop_front();
  next->in = true;
  next->admitted.notify_one();
}

}  // namespace pelmoro
