#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "render/geometry.h"

namespace pelmoro {

// A picture to be written: width x height pixels laid out as 0xFFRRGGBB words (the layout
// of CMemoryDC::Bits() and QImage::Format_RGB32), rows `stride` pixels apart.
struct ImageView {
  std::int32_t width = 0;
  std::int32_t height = 0;
  const std::uint32_t* pixels = nullptr;
  std::int32_t stride = 0;

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  const std::uint32_t* Row(std::int32_t y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

// The picture formats the program writes.
enum class ImageFormat { Bmp, Gif, Jpeg, Png, Tiff };

// The format a file name asks for by its extension (.png .jpg .jpeg .bmp .gif .tif .tiff,
// any case); nothing for other names.
std::optional<ImageFormat> FormatFromPath(const std::string& path);

// The extension a name without one gets: ".png", ".jpg", ".bmp", ".gif" or ".tiff".
const char* DefaultExtension(ImageFormat format);

// The part of the picture inside a selection frame: the frame's rectangle shrunk by one
// pixel on every side, so the frame line itself is left out, and clipped to the picture.
// Nothing when no pixel is left.
std::optional<ImageView> SelectionArea(const ImageView& picture, const Rect& frame);

}  // namespace pelmoro
