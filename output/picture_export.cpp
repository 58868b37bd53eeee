#include "output/picture_export.h"

#include <algorithm>
#include <cmath>

#include "model/message_text.h"
#include "model/safe_file.h"
#include "output/image_writer.h"
#include "output/scaled_picture.h"
#include "render/memory_dc.h"

namespace pelmoro {

namespace {

// The exact picture, as the raster surface paints it, cut to the area.
Status DrawExact(FacePicture& face, const Rect& area, bool transparent, PicturePixels& out) {
  CMemoryDC dc(face.m_nWidth, face.m_nHeight, transparent ? CMemoryDC::kNoClear : face.m_fill.m_crBackground);
  if (!dc.IsValid()) return Status::Error("not enough memory to draw the picture");
  if (transparent) {
    dc.ClearTransparent();
    face.PaintFace(dc);
  } else {
    face.Paint(dc);
  }
  out.width = area.Width();
  out.height = area.Height();
  out.alpha = transparent;
  out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  const ImageView whole{dc.Width(), dc.Height(), dc.Bits(), dc.Width()};
  for (std::int32_t y = 0; y < out.height; ++y) {
    const std::uint32_t* row = whole.Row(area.top + y) + area.left;
    std::copy(row, row + out.width, out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
  }
  return Status::Ok();
}

PictureScene SceneOf(FacePicture& face, const Rect& area, bool transparent) {
  PictureScene scene;
  scene.area = area;
  scene.transparent = transparent;
  scene.paint = [&face, transparent](Surface& surface) {
    if (!transparent) face.PaintBackground(surface);
    face.PaintFace(surface);
  };
  return scene;
}

}  // namespace

std::string ExportOptionsProblem(const ExportOptions& options) {
  if (options.scale && !(*options.scale >= kMinScale && *options.scale <= kMaxScale)) {
    return "the scale must be a number from 0.25 to 16";
  }
  if (options.transparent && !CanBeTransparent(options.format)) {
    return std::string(options.format == ImageFormat::Jpeg ? "JPEG" : "BMP") +
           " files cannot have a transparent background; PNG, GIF, TIFF, WebP, SVG and PDF can";
  }
  return {};
}

std::optional<Rect> ExportArea(const FacePicture& picture, const ExportOptions& options) {
  const Rect whole{0, 0, picture.m_nWidth, picture.m_nHeight};
  if (options.selection) return InsideOfFrame(*options.selection, picture.m_nWidth, picture.m_nHeight);
  if (whole.IsEmpty()) return std::nullopt;
  return whole;
}

PictureSize ExportSize(const Rect& area, const ExportOptions& options) {
  const double scale = options.scale.value_or(1);
  PictureSize size{area.Width() * scale, area.Height() * scale};
  if (!IsVectorFormat(options.format)) {
    size.width = std::max(1.0, std::round(size.width));
    size.height = std::max(1.0, std::round(size.height));
  }
  return size;
}

Status DrawPicturePixels(const FacePicture& picture, const ExportOptions& options, PicturePixels& out) {
  const std::optional<Rect> area = ExportArea(picture, options);
  if (!area) return Status::Error("the selection holds no pixel of the picture");
  // Painting computes the layout into the picture; the caller's stays as it was.
  FacePicture face = picture;
  if (!options.scale) return DrawExact(face, *area, options.transparent, out);
  const PictureSize size = ExportSize(*area, options);
  return DrawSmooth(SceneOf(face, *area, options.transparent), static_cast<std::int32_t>(size.width),
                    static_cast<std::int32_t>(size.height), out);
}

Status EncodePicture(const FacePicture& picture, const ExportOptions& options, std::vector<std::uint8_t>& out) {
  out.clear();
  if (const std::string problem = ExportOptionsProblem(options); !problem.empty()) return Status::Error(problem);
  const std::optional<Rect> area = ExportArea(picture, options);
  if (!area) return Status::Error("the selection holds no pixel of the picture");
  if (IsVectorFormat(options.format)) {
    FacePicture face = picture;
    return EncodeVector(options.format, SceneOf(face, *area, options.transparent), options.scale.value_or(1), out);
  }
  PicturePixels pixels;
  if (Status drawn = DrawPicturePixels(picture, options, pixels); !drawn) return drawn;
  return EncodeImage(options.format, pixels.View(), out);
}

Status WritePicture(const std::string& path, const FacePicture& picture, const ExportOptions& options) {
  std::vector<std::uint8_t> bytes;
  if (Status encoded = EncodePicture(picture, options, bytes); !encoded) {
    return Status::Error("Cannot write " + QuotedName(path) + ": " + encoded.message());
  }
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace pelmoro
