#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/status.h"
#include "output/image.h"

namespace pelmoro {

// Encodes the picture in the format into `out` (replacing its content): PNG and TIFF as
// 8-bit RGB (TIFF LZW-compressed), JPEG at quality 100 without chroma subsampling, BMP at
// 24 bits per pixel, GIF with a palette made for the picture and error diffusion, WebP
// lossless. A picture with alpha gives PNG, TIFF and WebP an alpha channel and GIF a transparent palette
// entry for its pixels less than half opaque; JPEG and BMP refuse it, and SVG and PDF are
// not made from pixels (output/scaled_picture.h draws them).
Status EncodeImage(ImageFormat format, const ImageView& picture, std::vector<std::uint8_t>& out);

// Encodes the picture and writes it to `path` whole or not at all: an existing file there
// is replaced only when the new one is complete. An empty picture is "nothing to write".
Status WriteImage(const std::string& path, ImageFormat format, const ImageView& picture);

}  // namespace pelmoro
