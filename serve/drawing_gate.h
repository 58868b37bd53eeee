#pragma once
// Lets at most a fixed number of threads draw at once and admits the waiting ones in the
// order they came. A plain semaphore wakes an arbitrary waiter, so under load some requests
// wait many turns while later ones go first; first come, first served keeps every
// request's wait close to the average.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

namespace pelmoro {

class DrawingGate {
 public:
  explicit DrawingGate(unsigned drawers) : free_(drawers == 0 ? 1 : drawers) {}

  void Enter();
  void Leave();

  // Holds a place at the gate for as long as it lives.
  class Turn {
   public:
    explicit Turn(DrawingGate& gate) : gate_(gate) { gate_.Enter(); }
    ~Turn() { gate_.Leave(); }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

   private:
    DrawingGate& gate_;
  };

 private:
  struct Waiter {
    std::condition_variable admitted;
    bool in = false;
  };

  unsigned free_;
  std::deque<Waiter*> waiting_;
  std::mutex mutex_;
};

}  // namespace pelmoro
