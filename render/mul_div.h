#pragma once
#include <cstdint>

namespace pelmoro {

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0 (as the
// system's multiply-divide reports a failed division). The product is exact in 64 bits.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace pelmoro
