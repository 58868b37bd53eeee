#pragma once
// Exact integer helpers of the rasteriser: 128-bit products, floor and ceiling division,
// integer square roots. Every figure coordinate is a 32-bit value, so differences fit in
// 33 bits and products of two differences in 66 bits: those are done in 128 bits.
#include <cstdint>

namespace pelmoro::raster {

using i128 = __int128;
using u128 = unsigned __int128;

// floor(a / b) and ceil(a / b) for b > 0.
inline i128 FloorDiv(i128 a, i128 b) {
  i128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}
inline i128 CeilDiv(i128 a, i128 b) {
  i128 q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}
inline std::int64_t FloorDiv64(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}
inline std::int64_t CeilDiv64(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}

// floor(sqrt(v)), exact.
std::uint64_t ISqrt64(std::uint64_t v);
std::uint64_t ISqrt128(u128 v);

}  // namespace pelmoro::raster
