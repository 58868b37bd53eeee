#pragma once
#include <cstdint>

#include "render/raster/pixel_target.h"

namespace pelmoro::raster {

// The pixels of the 1-pixel line from (x0, y0) to (x1, y1), end pixel excluded, by the
// Bresenham rule of docs/rendering.md: exactly |major delta| pixels, the error term starting at
// 2 dminor - dmajor, the minor coordinate stepping when err + bias > 0, bias 1 in octants
// 3, 5, 6 and 8 (so a half-way tie goes to the smaller minor coordinate). Only the pixels
// inside the surface are visited, in time proportional to the visible length.
void DrawLine(const PixelTarget& target, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
              std::uint32_t pixel);

// The minor-axis offset (0 .. dminor) of step k (0 <= k <= dmajor) of such a line:
// floor((2 dminor k + dmajor + bias - 1) / (2 dmajor)).
std::int64_t LineMinorOffset(std::int64_t dmajor, std::int64_t dminor, int bias, std::int64_t k);

}  // namespace pelmoro::raster
