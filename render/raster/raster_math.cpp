#include "render/raster/raster_math.h"

#include <cmath>

namespace pelmoro::raster {

namespace {

constexpr std::uint64_t kMax64 = ~std::uint64_t{0};

u128 Square(std::uint64_t x) { return static_cast<u128>(x) * x; }

// The exact root by bisection, for the rare case the floating estimate is far off.
std::uint64_t BisectRoot(u128 v) {
  std::uint64_t lo = 0;
  std::uint64_t hi = kMax64;
  while (lo < hi) {
    const std::uint64_t mid = lo + (hi - lo) / 2 + 1;
    if (Square(mid) <= v) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

std::uint64_t Correct(std::uint64_t r, u128 v) {
  for (int i = 0; i < 4 && Square(r) > v; ++i) --r;
  for (int i = 0; i < 4 && r < kMax64 && Square(r + 1) <= v; ++i) ++r;
  if (Square(r) > v || (r < kMax64 && Square(r + 1) <= v)) return BisectRoot(v);
  return r;
}

}  // namespace

std::uint64_t ISqrt64(std::uint64_t v) {
  if (v == 0) return 0;
  const double e = std::sqrt(static_cast<double>(v));
  // sqrt of a 64-bit value is below 2^32, so the conversion is in range.
  const std::uint64_t r = e >= 4294967295.0 ? 4294967295u : static_cast<std::uint64_t>(e);
  return Correct(r, v);
}

std::uint64_t ISqrt128(u128 v) {
  if (v == 0) return 0;
  const long double e = std::sqrt(static_cast<long double>(v));
  const std::uint64_t r = e >= 18446744073709551615.0L ? kMax64 : static_cast<std::uint64_t>(e);
  return Correct(r, v);
}

}  // namespace pelmoro::raster
