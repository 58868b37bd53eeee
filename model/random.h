#pragma once
#include <cstdint>

namespace pelmoro {

// The program's one pseudo-random generator. It is our own so that a seed gives the same
// faces and animation on every machine: values 0 to 32767 from a 32-bit linear
// congruential state.
class CRandom {
 public:
  static constexpr int kMax = 32767;

  explicit CRandom(std::uint32_t seed = 1) : state_(seed) {}
  void Seed(std::uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_;
};

}  // namespace pelmoro
