#pragma once
#include <cstdint>
#include <vector>

#include "model/status.h"
#include "output/image.h"

// The encoders behind EncodeImage. Each takes a non-empty picture with a valid layout and
// appends nothing else to `out` than the file's bytes.
namespace pelmoro {

Status EncodeBmp(const ImageView& picture, std::vector<std::uint8_t>& out);
Status EncodePng(const ImageView& picture, std::vector<std::uint8_t>& out);
Status EncodeJpeg(const ImageView& picture, std::vector<std::uint8_t>& out);
Status EncodeGif(const ImageView& picture, std::vector<std::uint8_t>& out);
Status EncodeTiff(const ImageView& picture, std::vector<std::uint8_t>& out);
Status EncodeWebp(const ImageView& picture, std::vector<std::uint8_t>& out);

// Channels of a 0xFFRRGGBB pixel.
constexpr std::uint8_t PixelRed(std::uint32_t p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t PixelGreen(std::uint32_t p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t PixelBlue(std::uint32_t p) { return static_cast<std::uint8_t>(p); }

constexpr std::uint8_t PixelAlpha(std::uint32_t p) { return static_cast<std::uint8_t>(p >> 24); }

// Writes one row of the picture as R, G, B bytes.
void RowToRgb(const ImageView& picture, std::int32_t y, std::uint8_t* rgb);
// Writes one row of the picture as R, G, B, A bytes.
void RowToRgba(const ImageView& picture, std::int32_t y, std::uint8_t* rgba);

}  // namespace pelmoro
