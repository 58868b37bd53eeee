// Smooth pictures through cairo: an image surface for pixels, the SVG and PDF surfaces
// for vector files, each drawn by the vector surface.
#include "output/scaled_picture.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <new>
#include <string>

#include "render/vector/vector_surface.h"

namespace pelmoro {

namespace {

double AreaWidth(const Rect& area) { return static_cast<double>(area.right) - area.left; }
double AreaHeight(const Rect& area) { return static_cast<double>(area.bottom) - area.top; }

// Maps the scene's area onto the target, sx and sy target units per picture pixel, and
// paints the scene.
Status PaintScene(cairo_surface_t* target, const PictureScene& scene, double sx, double sy) {
  cairo_t* cr = cairo_create(target);
  cairo_scale(cr, sx, sy);
  // The target's own bounds leave out what lies beyond the area.
  cairo_translate(cr, -static_cast<double>(scene.area.left), -static_cast<double>(scene.area.top));
  {
    CVectorSurface surface(cr);
    scene.paint(surface);
  }
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) return Status::Error(std::string("cairo: ") + cairo_status_to_string(status));
  return Status::Ok();
}

// cairo's premultiplied pixels to straight alpha, in place.
void Unpremultiply(std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t& p : pixels) {
    const std::uint32_t a = p >> 24;
    if (a == 0 || a == 255) continue;
    auto channel = [&](int shift) { return ((((p >> shift) & 0xFF) * 255 + a / 2) / a) << shift; };
    p = (a << 24) | channel(16) | channel(8) | channel(0);
  }
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* CreateVectorSurface(ImageFormat format, std::vector<std::uint8_t>& out, double width, double height) {
  if (format == ImageFormat::Svg) {
    cairo_surface_t* svg = cairo_svg_surface_create_for_stream(AppendBytes, &out, width, height);
    cairo_svg_surface_restrict_to_version(svg, CAIRO_SVG_VERSION_1_1);
    // Plain numbers: one user unit per SVG pixel, and the view box of the same size.
    cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_USER);
    return svg;
  }
  cairo_surface_t* pdf = cairo_pdf_surface_create_for_stream(AppendBytes, &out, width, height);
  cairo_pdf_surface_restrict_to_version(pdf, CAIRO_PDF_VERSION_1_5);
  // No creation date (cairo would write the current time), so that one face always gives
  // the same file.
  cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATE_DATE, "");
  cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATOR, "Pelmoro");
  return pdf;
}

// cairo names the SVG's drawing group after its surface, "surfaceN", N counting every
// surface the process has made; the group is named "picture" instead, so that one face
// gives the same document whenever it is drawn.
void NameDrawingGroup(std::vector<std::uint8_t>& svg) {
  std::string text(svg.begin(), svg.end());
  const std::string opening = "<g id=\"surface";
  const std::size_t at = text.find(opening);
  if (at == std::string::npos) return;
  const std::size_t digits = at + opening.size() - std::string("surface").size();
  const std::size_t end = text.find('"', digits);
  if (end == std::string::npos) return;
  const std::string name = text.substr(digits, end - digits);
  for (const std::string& use : {"\"" + name + "\"", "#" + name + "\"", "#" + name + ")"}) {
    const std::string renamed = use.front() + std::string("picture") + use.back();
    for (std::size_t found = text.find(use); found != std::string::npos; found = text.find(use, found)) {
      text.replace(found, use.size(), renamed);
    }
  }
  svg.assign(text.begin(), text.end());
}

}  // namespace

Status DrawSmooth(const PictureScene& scene, std::int32_t width, std::int32_t height, SmoothPicture& out) {
  if (width <= 0 || height <= 0 || scene.area.IsEmpty()) return Status::Error("nothing to draw");
  const std::int64_t count = std::int64_t{width} * height;
  if (width > 32767 || height > 32767) return Status::Error("the picture is too large to draw");
  try {
    out.pixels.assign(static_cast<std::size_t>(count), 0u);
  } catch (const std::bad_alloc&) {
    return Status::Error("not enough memory to draw the picture");
  }
  out.width = width;
  out.height = height;
  out.alpha = scene.transparent;
  cairo_surface_t* image = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(out.pixels.data()),
                                                               CAIRO_FORMAT_ARGB32, width, height, width * 4);
  const double sx = width / AreaWidth(scene.area);
  const double sy = height / AreaHeight(scene.area);
  Status painted = PaintScene(image, scene, sx, sy);
  cairo_surface_flush(image);
  cairo_surface_destroy(image);
  if (!painted) return painted;
  if (scene.transparent) Unpremultiply(out.pixels);
  return Status::Ok();
}

Status EncodeVector(ImageFormat format, const PictureScene& scene, double scale, std::vector<std::uint8_t>& out) {
  out.clear();
  if (!IsVectorFormat(format)) return Status::Error("not a vector format");
  if (scene.area.IsEmpty() || !(scale > 0)) return Status::Error("nothing to draw");
  const double width = AreaWidth(scene.area) * scale;
  const double height = AreaHeight(scene.area) * scale;
  cairo_surface_t* target = CreateVectorSurface(format, out, width, height);
  Status painted = PaintScene(target, scene, scale, scale);
  cairo_surface_finish(target);
  const cairo_status_t status = cairo_surface_status(target);
  cairo_surface_destroy(target);
  if (painted && status != CAIRO_STATUS_SUCCESS) {
    painted = Status::Error(std::string("cairo: ") + cairo_status_to_string(status));
  }
  if (!painted) {
    out.clear();
  } else if (format == ImageFormat::Svg) {
    NameDrawingGroup(out);
  }
  return painted;
}

}  // namespace pelmoro
