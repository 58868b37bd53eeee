// A Windows BMP file: 14-byte file header "BM", 40-byte BITMAPINFOHEADER, no colour
// table, 24 bits per pixel in B, G, R order, rows bottom-up, each padded to 4 bytes.
#include <cstdint>
#include <limits>

#include "output/encoders.h"

namespace pelmoro {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutHeaders(std::vector<std::uint8_t>& out, const ImageView& picture, std::uint32_t imageSize) {
  out.push_back('B');
  out.push_back('M');
  PutU32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);  // file size
  PutU32(out, 0);                                              // two reserved words
  PutU32(out, kFileHeaderSize + kInfoHeaderSize);              // offset of the pixels
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(picture.width));
  PutU32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up rows
  PutU16(out, 1);                                           // planes
  PutU16(out, 24);                                          // bits per pixel
  PutU32(out, 0);                                           // BI_RGB, uncompressed
  PutU32(out, imageSize);
  PutU32(out, 0);  // horizontal resolution: unspecified
  PutU32(out, 0);  // vertical resolution: unspecified
  PutU32(out, 0);  // colours used: no table
  PutU32(out, 0);  // important colours: all
}

}  // namespace

Status EncodeBmp(const ImageView& picture, std::vector<std::uint8_t>& out) {
  const std::uint64_t rowSize = (std::uint64_t{static_cast<std::uint32_t>(picture.width)} * 3 + 3) & ~std::uint64_t{3};
  const std::uint64_t imageSize = rowSize * static_cast<std::uint32_t>(picture.height);
  if (imageSize > std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize - kInfoHeaderSize) {
    return Status::Error("the picture is too large for a BMP file");
  }
  out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
  PutHeaders(out, picture, static_cast<std::uint32_t>(imageSize));
  const std::size_t padding = static_cast<std::size_t>(rowSize) - static_cast<std::size_t>(picture.width) * 3;
  for (std::int32_t y = picture.height - 1; y >= 0; --y) {
    const std::uint32_t* row = picture.Row(y);
    for (std::int32_t x = 0; x < picture.width; ++x) {
      out.push_back(PixelBlue(row[x]));
      out.push_back(PixelGreen(row[x]));
      out.push_back(PixelRed(row[x]));
    }
    out.insert(out.end(), padding, 0);
  }
  return Status::Ok();
}

}  // namespace pelmoro
