#include "render/memory_dc.h"

#include <algorithm>
#include <new>

#include "render/raster/arc.h"
#include "render/raster/ellipse.h"
#include "render/raster/gradient.h"
#include "render/raster/line.h"
#include "render/raster/pixel_target.h"
#include "render/raster/polygon.h"

namespace pelmoro {

namespace {

// Surfaces above this many pixels are refused (1 GiB of pixels).
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

raster::PixelTarget TargetOf(CMemoryDC& dc) { return {dc.Bits(), dc.Width(), dc.Height()}; }

}  // namespace

CMemoryDC::CMemoryDC(std::int32_t width, std::int32_t height, Color clear) {
  if (width <= 0 || height <= 0) return;
  const std::int64_t count = static_cast<std::int64_t>(width) * height;
  if (count > kMaxPixels) return;
  try {
    pixels_.assign(static_cast<std::size_t>(count), clear == kNoClear ? 0xFF000000u : ToPixel(clear));
  } catch (const std::bad_alloc&) {
    pixels_.clear();
    return;
  }
  width_ = width;
  height_ = height;
  valid_ = true;
}

Color CMemoryDC::GetPixel(std::int32_t x, std::int32_t y) const {
  if (!valid_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  return FromPixel(pixels_[index + static_cast<std::size_t>(x)]);
}

void CMemoryDC::ClearTransparent() { std::fill(pixels_.begin(), pixels_.end(), 0u); }

void CMemoryDC::Ellipse(const Rect& r) {
  if (!valid_) return;
  const raster::Box box = raster::NormalisedBox(r.left, r.top, r.right, r.bottom);
  if (box.Empty()) return;
  raster::PaintRowShape(TargetOf(*this), raster::RowShape::Ellipse(box), ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) {
  if (!valid_) return;
  const raster::Box box = raster::NormalisedBox(r.left, r.top, r.right, r.bottom);
  if (box.Empty()) return;
  const std::int64_t cw = std::min<std::int64_t>(cornerWidth, box.Width());
  const std::int64_t ch = std::min<std::int64_t>(cornerHeight, box.Height());
  raster::PaintRowShape(TargetOf(*this), raster::RowShape::RoundRect(box, cw, ch), ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::Arc(const Rect& r, Point start, Point end) {
  if (!valid_) return;
  raster::DrawArcFigure(TargetOf(*this), r, start, end, raster::ArcKind::Arc, ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::Chord(const Rect& r, Point start, Point end) {
  if (!valid_) return;
  raster::DrawArcFigure(TargetOf(*this), r, start, end, raster::ArcKind::Chord, ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::Pie(const Rect& r, Point start, Point end) {
  if (!valid_) return;
  raster::DrawArcFigure(TargetOf(*this), r, start, end, raster::ArcKind::Pie, ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::Polygon(const Point* points, int count) {
  if (!valid_ || points == nullptr || count < 2) return;
  raster::DrawPolygon(TargetOf(*this), points, static_cast<std::size_t>(count), ToPixel(pen_), ToPixel(brush_));
}

void CMemoryDC::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) {
  if (!valid_ || cx <= 0 || cy <= 0) return;
  const raster::PixelTarget target = TargetOf(*this);
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t y1 = std::min<std::int64_t>(static_cast<std::int64_t>(y) + cy, height_);
  const std::uint32_t pixel = ToPixel(c);
  for (std::int64_t row = y0; row < y1; ++row) target.Span(row, x, static_cast<std::int64_t>(x) + cx - 1, pixel);
}

void CMemoryDC::FillSolidRect(const Rect& r, Color c) {
  if (!valid_ || r.right <= r.left || r.bottom <= r.top) return;
  const raster::PixelTarget target = TargetOf(*this);
  const std::int64_t y0 = std::max<std::int64_t>(r.top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(r.bottom, height_);
  const std::uint32_t pixel = ToPixel(c);
  for (std::int64_t row = y0; row < y1; ++row) target.Span(row, r.left, static_cast<std::int64_t>(r.right) - 1, pixel);
}

void CMemoryDC::MoveTo(std::int32_t x, std::int32_t y) {
  if (!valid_) return;
  position_ = {x, y};
}

void CMemoryDC::LineTo(std::int32_t x, std::int32_t y) {
  if (!valid_) return;
  raster::DrawLine(TargetOf(*this), position_.x, position_.y, x, y, ToPixel(pen_));
  position_ = {x, y};
}

void CMemoryDC::GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                             Color to, GradientMode mode) {
  if (!valid_ || width <= 0 || height <= 0) return;
  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t x1 = std::min<std::int64_t>(static_cast<std::int64_t>(x) + width, width_);
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t y1 = std::min<std::int64_t>(static_cast<std::int64_t>(y) + height, height_);
  if (x0 >= x1) return;
  if (y0 >= y1) return;
  raster::GradientRect(pixels_.data(), width_, static_cast<std::int32_t>(x0), static_cast<std::int32_t>(x1),
                       static_cast<std::int32_t>(y0), static_cast<std::int32_t>(y1), x, y, width, height, from, to,
                       mode);
}

void CMemoryDC::FillThenGradient(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color,
                                 Color from, Color to, GradientMode mode) {
  GradientFill(x, y, width, height, from, to, mode);
}

Color CMemoryDC::SelectPen(Color c) {
  const Color previous = pen_;
  if (valid_) pen_ = c;
  return previous;
}

Color CMemoryDC::SelectBrush(Color c) {
  const Color previous = brush_;
  if (valid_) brush_ = c;
  return previous;
}

}  // namespace pelmoro
