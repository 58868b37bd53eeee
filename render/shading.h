#pragma once
#include <cstdint>

#include "model/color.h"

namespace pelmoro {

// The renderers' shades of a colour: each channel moves `percent` (taken modulo 256) of
// the way to black or to white, rounded as MulDiv rounds.
Color DarkenColor(Color c, std::int32_t percent);
Color LightenColor(Color c, std::int32_t percent);

}  // namespace pelmoro
