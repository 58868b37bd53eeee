#pragma once
// The pixel loops of the two-colour linear gradient the raster surface fills with.
#include <cstdint>

#include "model/color.h"
#include "model/gradient_mode.h"

namespace pelmoro::raster {

// The colour of pixel (px, py) of a gradient over (x, y, width, height): t runs from 0 at
// `from` toward 1 at `to` along the direction, q = floor(255 t + 0.5), and each channel is
// floor((from * (255 - q) + to * q) / 255). Width and height must be positive.
Color GradientColorAt(std::int32_t px, std::int32_t py, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, Color from, Color to, GradientMode mode);

// Writes one row of gradient pixels (0xFFRRGGBB) for the columns [x0, x1) of row py.
void GradientRow(std::uint32_t* out, std::int32_t x0, std::int32_t x1, std::int32_t py, std::int32_t x, std::int32_t y,
                 std::int32_t width, std::int32_t height, Color from, Color to, GradientMode mode);

// Fills the part [x0, x1) x [y0, y1) of a pixel buffer (0xFFRRGGBB words, rows `stride`
// pixels apart, `pixels` pointing at pixel (0, 0)) with the gradient over (x, y, width,
// height). The part must lie inside both the buffer and the gradient's rectangle.
void GradientRect(std::uint32_t* pixels, std::int64_t stride, std::int32_t x0, std::int32_t x1, std::int32_t y0,
                  std::int32_t y1, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                  Color to, GradientMode mode);

}  // namespace pelmoro::raster
