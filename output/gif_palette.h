#pragma once
#include <cstdint>
#include <memory>
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
// Counts the colours of several pictures together, as CountColors does for one.
class ColorCounter {
 public:
  ColorCounter();
  ~ColorCounter();
  void Add(const ImageView& picture);
  // Each colour met with its pixels in all pictures added, sorted by value.
  std::vector<ColorCount> Sorted() const;

 private:
  struct Table;
  std::unique_ptr<Table> table_;
};

// At most `maxColors` colours that stand for `colors` well: boxes of colour space are split,
// always the one whose colours lie farthest from their mean, at the place that leaves the
// two halves tightest; each box gives the pixel-weighted mean of its colours.
std::vector<std::uint32_t> MedianCutPalette(std::vector<ColorCount> colors, std::size_t maxColors);

// A palette of at most `maxColors` for the counted colours: the colours themselves when
// they fit, sorted by value, otherwise a median-cut palette.
std::vector<std::uint32_t> PaletteFor(std::vector<ColorCount> colors, std::size_t maxColors);

// One index into `palette` per pixel of the picture, row after row; transparent pixels get
// `transparentIndex`. `exact`: the palette holds every colour of the picture (as PaletteFor
// makes it when they fit) and each pixel gets its own; otherwise Floyd-Steinberg error
// diffusion over the picture.
std::vector<std::uint8_t> MapToPalette(const ImageView& picture, const std::vector<std::uint32_t>& palette,
                                       std::uint8_t transparentIndex, bool exact);

// Reduces the picture to 256 colours: with its own colours, unchanged, when it has no more
// than that; otherwise with a median-cut palette and Floyd-Steinberg error diffusion, so
// that smooth gradients keep their local average colour instead of breaking into bands.
// Transparent pixels, when there are any, get an entry of their own after the colours
// (which are then at most 255).
PalettedPicture ReduceTo256Colors(const ImageView& picture);

}  // namespace pelmoro
