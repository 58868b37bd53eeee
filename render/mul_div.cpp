#include "render/mul_div.h"

#include <cstdlib>

namespace pelmoro {

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::uint64_t magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
  const std::uint64_t divisor = static_cast<std::uint64_t>(std::llabs(c));
  const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
  const std::int64_t result = negative ? -static_cast<std::int64_t>(rounded) : static_cast<std::int64_t>(rounded);
  return static_cast<std::int32_t>(result);
}

}  // namespace pelmoro
