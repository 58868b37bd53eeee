#include "output/image.h"

#include <algorithm>
#include <cctype>

namespace pelmoro {

namespace {

std::string LowerExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

std::optional<ImageFormat> FormatFromPath(const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".png") return ImageFormat::Png;
  if (extension == ".jpg" || extension == ".jpeg") return ImageFormat::Jpeg;
  if (extension == ".bmp") return ImageFormat::Bmp;
  if (extension == ".gif") return ImageFormat::Gif;
  if (extension == ".tif" || extension == ".tiff") return ImageFormat::Tiff;
  if (extension == ".webp") return ImageFormat::Webp;
  if (extension == ".svg") return ImageFormat::Svg;
  if (extension == ".pdf") return ImageFormat::Pdf;
  return std::nullopt;
}

const char* DefaultExtension(ImageFormat format) {
  switch (format) {
    case ImageFormat::Png:
      return ".png";
    case ImageFormat::Jpeg:
      return ".jpg";
    case ImageFormat::Bmp:
      return ".bmp";
    case ImageFormat::Gif:
      return ".gif";
    case ImageFormat::Tiff:
      return ".tiff";
    case ImageFormat::Webp:
      return ".webp";
    case ImageFormat::Svg:
      return ".svg";
    case ImageFormat::Pdf:
      return ".pdf";
  }
  return "";
}

bool IsVectorFormat(ImageFormat format) { return format == ImageFormat::Svg || format == ImageFormat::Pdf; }

bool CanBeTransparent(ImageFormat format) { return format != ImageFormat::Jpeg && format != ImageFormat::Bmp; }

std::optional<Rect> InsideOfFrame(const Rect& frame, std::int32_t width, std::int32_t height) {
  // 64-bit so that frames at the ends of the 32-bit range cannot wrap when shrunk.
  const std::int64_t left = std::max<std::int64_t>(std::int64_t{frame.left} + 1, 0);
  const std::int64_t top = std::max<std::int64_t>(std::int64_t{frame.top} + 1, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{frame.right} - 1, width);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{frame.bottom} - 1, height);
  if (right <= left || bottom <= top) return std::nullopt;
  return Rect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
              static_cast<std::int32_t>(bottom)};
}

std::optional<ImageView> SelectionArea(const ImageView& picture, const Rect& frame) {
  if (picture.IsEmpty()) return std::nullopt;
  const std::optional<Rect> inside = InsideOfFrame(frame, picture.width, picture.height);
  if (!inside) return std::nullopt;
  ImageView area = picture;
  area.width = inside->Width();
  area.height = inside->Height();
  area.pixels = picture.Row(inside->top) + inside->left;
  return area;
}

}  // namespace pelmoro
