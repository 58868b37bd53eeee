#pragma once
#include <cstdint>
#include <vector>

#include "output/image.h"

namespace pelmoro {

// A picture reduced to at most 256 colours, as a GIF file holds it.
struct PalettedPicture {
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries
  std::vector<std::uint8_t> indices;   // one palette index per pixel, row after row
  int transparentIndex = -1;           // the entry of the transparent pixels; -1: none
};

// Whether the pixel counts as transparent in a GIF file: less than half opaque in a
// picture with alpha.
inline bool IsTransparentPixel(const ImageView& picture, std::uint32_t pixel) {
  return picture.alpha && (pixel >> 24) < 128;
}

// One colour of a picture and the number of its pixels.
struct ColorCount {
  std::uint32_t color;  // 0x00RRGGBB
  std::uint32_t count;
};

// The distinct colours of a picture's pixels that are not transparent, sorted by value.
std::vector<ColorCount> CountColors(const ImageView& picture);

// At most `maxColors` colours that stand for `colors` well: boxes of colour space are split,
// always the one whose colours lie farthest from their mean, at the place that leaves the
// two halves tightest; each box gives the pixel-weighted mean of its colours.
std::vector<std::uint32_t> MedianCutPalette(std::vector<ColorCount> colors, std::size_t maxColors);

// Reduces the picture to 256 colours: with its own colours, unchanged, when it has no more
// than that; otherwise with a median-cut palette and Floyd-Steinberg error diffusion, so
// that smooth gradients keep their local average colour instead of breaking into bands.
// Transparent pixels, when there are any, get an entry of their own after the colours
// (which are then at most 255).
PalettedPicture ReduceTo256Colors(const ImageView& picture);

}  // namespace pelmoro
