#include "output/image_writer.h"

#include <new>

#include "model/message_text.h"
#include "model/safe_file.h"
#include "output/encoders.h"

namespace pelmoro {

namespace {

Status CheckLayout(const ImageView& picture) {
  if (picture.IsEmpty()) return Status::Error("nothing to write");
  if (picture.pixels == nullptr || picture.stride < picture.width)
    return Status::Error("the picture's pixel layout is invalid");
  return Status::Ok();
}

Status CheckFormat(ImageFormat format, const ImageView& picture) {
  if (IsVectorFormat(format)) return Status::Error("SVG and PDF files are drawn from the figures, not from pixels");
  if (picture.alpha && !CanBeTransparent(format)) {
    return Status::Error(std::string(format == ImageFormat::Jpeg ? "JPEG" : "BMP") +
                         " files cannot have a transparent background");
  }
  return Status::Ok();
}

}  // namespace

void RowToRgba(const ImageView& picture, std::int32_t y, std::uint8_t* rgba) {
  const std::uint32_t* row = picture.Row(y);
  for (std::int32_t x = 0; x < picture.width; ++x) {
    *rgba++ = PixelRed(row[x]);
    *rgba++ = PixelGreen(row[x]);
    *rgba++ = PixelBlue(row[x]);
    *rgba++ = PixelAlpha(row[x]);
  }
}

void RowToRgb(const ImageView& picture, std::int32_t y, std::uint8_t* rgb) {
  const std::uint32_t* row = picture.Row(y);
  for (std::int32_t x = 0; x < picture.width; ++x) {
    *rgb++ = PixelRed(row[x]);
    *rgb++ = PixelGreen(row[x]);
    *rgb++ = PixelBlue(row[x]);
  }
}

Status EncodeImage(ImageFormat format, const ImageView& picture, std::vector<std::uint8_t>& out) {
  out.clear();
  if (Status layout = CheckLayout(picture); !layout) return layout;
  if (Status usable = CheckFormat(format, picture); !usable) return usable;
  try {
    switch (format) {
      case ImageFormat::Bmp:
        return EncodeBmp(picture, out);
      case ImageFormat::Gif:
        return EncodeGif(picture, out);
      case ImageFormat::Jpeg:
        return EncodeJpeg(picture, out);
      case ImageFormat::Png:
        return EncodePng(picture, out);
      case ImageFormat::Tiff:
        return EncodeTiff(picture, out);
      case ImageFormat::Webp:
        return EncodeWebp(picture, out);
      case ImageFormat::Svg:
      case ImageFormat::Pdf:
        break;
    }
  } catch (const std::bad_alloc&) {
    out.clear();
    return Status::Error("not enough memory to encode the picture");
  }
  return Status::Error("unknown picture format");
}

Status WriteImage(const std::string& path, ImageFormat format, const ImageView& picture) {
  std::vector<std::uint8_t> bytes;
  if (Status encoded = EncodeImage(format, picture, bytes); !encoded) {
    return Status::Error("Cannot write " + QuotedName(path) + ": " + encoded.message());
  }
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace pelmoro
