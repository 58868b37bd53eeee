#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "render/geometry.h"

namespace pelmoro {

// A picture to be written: width x height pixels laid out as 0xFFRRGGBB words (the layout
// of CMemoryDC::Bits() and QImage::Format_RGB32), rows `stride` pixels apart. With `alpha`
// the top byte is each pixel's opacity (0 transparent, 255 opaque; the colour channels are
// not multiplied by it), and the formats that can keep it do.
struct ImageView {
  std::int32_t width = 0;
  std::int32_t height = 0;
  const std::uint32_t* pixels = nullptr;
  std::int32_t stride = 0;
  bool alpha = false;

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  const std::uint32_t* Row(std::int32_t y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

// The picture formats the program writes: six of pixels, two of figures (vector).
enum class ImageFormat { Bmp, Gif, Jpeg, Png, Tiff, Webp, Svg, Pdf };

// The format a file name asks for by its extension (.png .jpg .jpeg .bmp .gif .tif .tiff
// .webp .svg .pdf, any case); nothing for other names.
std::optional<ImageFormat> FormatFromPath(const std::string& path);

// The extension a name without one gets: ".png", ".jpg", ".bmp", ".gif", ".tiff", ".webp",
// ".svg" or ".pdf".
const char* DefaultExtension(ImageFormat format);

// SVG and PDF hold the figures themselves, drawn at any size.
bool IsVectorFormat(ImageFormat format);

// Whether the format can show a transparent background: all but JPEG and BMP.
bool CanBeTransparent(ImageFormat format);

// The inside of a selection frame over a width x height picture: the frame's rectangle
// shrunk by one pixel on every side, so the frame line itself is left out, and clipped to
// the picture. Nothing when no pixel is left.
std::optional<Rect> InsideOfFrame(const Rect& frame, std::int32_t width, std::int32_t height);

// The part of the picture inside a selection frame (see InsideOfFrame).
std::optional<ImageView> SelectionArea(const ImageView& picture, const Rect& frame);

}  // namespace pelmoro
