#pragma once
#include <cstdint>

namespace pelmoro {

// Linear gradient directions, as the platform's gradient brush numbers them.
enum GradientMode : std::int32_t {
  GradientHorizontal = 0,
  GradientVertical = 1,
  GradientForwardDiagonal = 2,
  GradientBackwardDiagonal = 3,
};

}  // namespace pelmoro
