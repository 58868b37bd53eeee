#pragma once
// The raster surface's pixel layout: opaque 0xFFRRGGBB words (QImage::Format_RGB32).
#include <cstdint>

#include "model/color.h"

namespace pelmoro {

// Converts a 0x00BBGGRR colour to an opaque 0xFFRRGGBB pixel and back.
constexpr std::uint32_t ToPixel(Color c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr Color FromPixel(std::uint32_t p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }

}  // namespace pelmoro
