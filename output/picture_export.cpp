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
Status EncodeExact(FacePicture& face, const Rect& area, const ExportOptions& options, std::vector<std::uint8_t>& out) {
  CMemoryDC dc(face.m_nWidth, face.m_nHeight, options.transparent ? CMemoryDC::kNoClear : face.m_fill.m_crBackground);
  if (!dc.IsValid()) return Status::Error("not enough memory to draw the picture");
  if (options.transparent) {
    dc.ClearTransparent();
    face.PaintFace(dc);
  } else {
    face.Paint(dc);
  }
  ImageView view{dc.Width(), dc.Height(), dc.Bits(), dc.Width(), options.transparent};
  view.pixels = view.Row(area.top) + area.left;
  view.width = area.Width();
  view.height = area.Height();
  return EncodeImage(options.format, view, out);
}

Status EncodeScaled(FacePicture& face, const Rect& area, const ExportOptions& options, std::vector<std::uint8_t>& out) {
  PictureScene scene;
  scene.area = area;
  scene.transparent = options.transparent;
  scene.paint = [&face, &options](Surface& surface) {
    if (!options.transparent) face.PaintBackground(surface);
    face.PaintFace(surface);
  };
  const double scale = options.scale.value_or(1);
  if (IsVectorFormat(options.format)) return EncodeVector(options.format, scene, scale, out);
  const PictureSize size = ExportSize(area, options);
  SmoothPicture smooth;
  if (Status drawn =
          DrawSmooth(scene, static_cast<std::int32_t>(size.width), static_cast<std::int32_t>(size.height), smooth);
      !drawn) {
    return drawn;
  }
  return EncodeImage(options.format, smooth.View(), out);
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

Status EncodePicture(const FacePicture& picture, const ExportOptions& options, std::vector<std::uint8_t>& out) {
  out.clear();
  if (const std::string problem = ExportOptionsProblem(options); !problem.empty()) return Status::Error(problem);
  const std::optional<Rect> area = ExportArea(picture, options);
  if (!area) return Status::Error("the selection holds no pixel of the picture");
  // Painting computes the layout into the picture; the caller's stays as it was.
  FacePicture face = picture;
  if (!options.scale && !IsVectorFormat(options.format)) return EncodeExact(face, *area, options, out);
  return EncodeScaled(face, *area, options, out);
}

Status WritePicture(const std::string& path, const FacePicture& picture, const ExportOptions& options) {
  std::vector<std::uint8_t> bytes;
  if (Status encoded = EncodePicture(picture, options, bytes); !encoded) {
    return Status::Error("Cannot write " + QuotedName(path) + ": " + encoded.message());
  }
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace pelmoro
