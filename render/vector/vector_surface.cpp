#include "render/vector/vector_surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/vector/ellipse_arc.h"

namespace pelmoro {

namespace {

using vector::SmoothArc;
using vector::SmoothEllipse;

double Centre(std::int32_t pixel) { return static_cast<double>(pixel) + 0.5; }

// Adds the arc of the ellipse from angle a0 to a1 (toward smaller angles) to the path.
void AddEllipseArc(cairo_t* cr, const SmoothEllipse& e, double a0, double a1) {
  cairo_save(cr);
  cairo_translate(cr, e.cx, e.cy);
  cairo_scale(cr, e.rx, e.ry);
  cairo_arc_negative(cr, 0, 0, 1, a0, a1);
  cairo_restore(cr);
}

// The rounded rectangle through the centres of the box's outer pixels, with corner
// ellipses of (cw - 1) x (ch - 1) between centres.
void AddRoundRect(cairo_t* cr, double left, double top, double right, double bottom, double rx, double ry) {
  const double pi = std::numbers::pi;
  auto corner = [&](double cx, double cy, double from, double to) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(right - rx, top + ry, -pi / 2, 0);
  corner(right - rx, bottom - ry, 0, pi / 2);
  corner(left + rx, bottom - ry, pi / 2, pi);
  corner(left + rx, top + ry, pi, 3 * pi / 2);
  cairo_close_path(cr);
}

// The rectangle from the centre of the first pixel to that of the last, as a closed path
// (a line when it is one pixel across).
void AddCentreRect(cairo_t* cr, double left, double top, double right, double bottom) {
  cairo_move_to(cr, left, top);
  cairo_line_to(cr, right, top);
  cairo_line_to(cr, right, bottom);
  cairo_line_to(cr, left, bottom);
  cairo_close_path(cr);
}

}  // namespace

CVectorSurface::CVectorSurface(cairo_t* cr) : cr_(cr) {
  cairo_set_line_width(cr_, 1.0);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_new_path(cr_);
}

CVectorSurface::~CVectorSurface() { Flush(); }

void CVectorSurface::Flush() {
  if (!strokePending_) return;
  strokePending_ = false;
  strokeEnd_.reset();
  StrokeWithPen();
}

void CVectorSurface::SetColor(Color c) {
  cairo_set_source_rgb(cr_, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

void CVectorSurface::StrokeWithPen() {
  SetColor(pen_);
  cairo_set_line_width(cr_, 1.0);
  cairo_stroke(cr_);
}

void CVectorSurface::FillAndStroke(cairo_fill_rule_t rule) {
  SetColor(brush_);
  cairo_set_fill_rule(cr_, rule);
  cairo_fill_preserve(cr_);
  StrokeWithPen();
}

void CVectorSurface::Ellipse(const Rect& r) {
  Flush();
  SmoothEllipse e;
  if (!vector::EllipseOfBox(r, e)) return;
  cairo_new_sub_path(cr_);
  AddEllipseArc(cr_, e, 0, -2 * std::numbers::pi);
  cairo_close_path(cr_);
  FillAndStroke(CAIRO_FILL_RULE_WINDING);
}

void CVectorSurface::RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) {
  Flush();
  SmoothEllipse e;
  if (!vector::EllipseOfBox(r, e)) return;
  const double width = 2 * e.rx + 1;
  const double height = 2 * e.ry + 1;
  const double cw = std::min<double>(cornerWidth, width);
  const double ch = std::min<double>(cornerHeight, height);
  const double left = e.cx - e.rx;
  const double right = e.cx + e.rx;
  const double top = e.cy - e.ry;
  const double bottom = e.cy + e.ry;
  if (cw <= 2 || ch <= 2) {
    AddCentreRect(cr_, left, top, right, bottom);
  } else {
    AddRoundRect(cr_, left, top, right, bottom, (cw - 1) / 2, (ch - 1) / 2);
  }
  FillAndStroke(CAIRO_FILL_RULE_WINDING);
}

void CVectorSurface::ArcFigure(const Rect& r, Point start, Point end, ArcPath kind) {
  if (kind != ArcPath::Open) Flush();
  SmoothArc arc;
  if (!vector::ArcOfBox(r, start, end, arc)) return;
  if (kind == ArcPath::Pie) {
    cairo_move_to(cr_, arc.originX, arc.originY);
  } else {
    cairo_new_sub_path(cr_);
  }
  AddEllipseArc(cr_, arc.ellipse, arc.start, arc.end);
  if (kind == ArcPath::Open) {
    strokePending_ = true;
    strokeEnd_.reset();
    return;
  }
  cairo_close_path(cr_);
  FillAndStroke(CAIRO_FILL_RULE_WINDING);
}

void CVectorSurface::Arc(const Rect& r, Point start, Point end) { ArcFigure(r, start, end, ArcPath::Open); }

void CVectorSurface::Chord(const Rect& r, Point start, Point end) { ArcFigure(r, start, end, ArcPath::Chord); }

void CVectorSurface::Pie(const Rect& r, Point start, Point end) { ArcFigure(r, start, end, ArcPath::Pie); }

void CVectorSurface::Polygon(const Point* points, int count) {
  Flush();
  if (points == nullptr || count < 2) return;
  cairo_move_to(cr_, Centre(points[0].x), Centre(points[0].y));
  for (int i = 1; i < count; ++i) cairo_line_to(cr_, Centre(points[i].x), Centre(points[i].y));
  cairo_close_path(cr_);
  FillAndStroke(CAIRO_FILL_RULE_EVEN_ODD);
}

void CVectorSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) {
  Flush();
  if (cx <= 0 || cy <= 0) return;
  cairo_rectangle(cr_, x, y, cx, cy);
  SetColor(c);
  cairo_fill(cr_);
}

void CVectorSurface::FillSolidRect(const Rect& r, Color c) {
  Flush();
  if (r.right <= r.left || r.bottom <= r.top) return;
  // In doubles: the width of a rectangle across the whole 32-bit range does not fit 32 bits.
  cairo_rectangle(cr_, r.left, r.top, static_cast<double>(r.right) - r.left, static_cast<double>(r.bottom) - r.top);
  SetColor(c);
  cairo_fill(cr_);
}

void CVectorSurface::MoveTo(std::int32_t x, std::int32_t y) { position_ = {x, y}; }

void CVectorSurface::LineTo(std::int32_t x, std::int32_t y) {
  if (strokeEnd_ != position_) cairo_move_to(cr_, Centre(position_.x), Centre(position_.y));
  cairo_line_to(cr_, Centre(x), Centre(y));
  strokePending_ = true;
  position_ = {x, y};
  strokeEnd_ = position_;
}

void CVectorSurface::GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                                  Color to, GradientMode mode) {
  Flush();
  if (width <= 0 || height <= 0) return;
  // The raster surface takes pixel (i, j)'s colour at the point (i, j); here that colour
  // belongs to the pixel's centre, so the gradient starts at the first pixel's centre.
  // t grows along g: (1/w, 0), (0, 1/h), (1/2w, 1/2h) or (-1/2w, 1/2h); the gradient's
  // line runs from its start by g / |g|^2, where t reaches 1.
  const double w = width;
  const double h = height;
  double gx = 0;
  double gy = 0;
  double x0 = x + 0.5;
  const double y0 = y + 0.5;
  switch (mode) {
    case GradientVertical:
      gy = 1 / h;
      break;
    case GradientForwardDiagonal:
      gx = 1 / (2 * w);
      gy = 1 / (2 * h);
      break;
    case GradientBackwardDiagonal:
      gx = -1 / (2 * w);
      gy = 1 / (2 * h);
      x0 += w;
      break;
    case GradientHorizontal:
    default:
      gx = 1 / w;
      break;
  }
  const double length2 = gx * gx + gy * gy;
  cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x0 + gx / length2, y0 + gy / length2);
  auto stop = [&](double offset, Color c) {
    cairo_pattern_add_color_stop_rgb(pattern, offset, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                                     ((c >> 16) & 0xFF) / 255.0);
  };
  stop(0, from);
  stop(1, to);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_rectangle(cr_, x, y, width, height);
  cairo_set_source(cr_, pattern);
  cairo_fill(cr_);
  cairo_pattern_destroy(pattern);
}

Color CVectorSurface::SelectPen(Color c) {
  if (c != pen_) Flush();
  const Color previous = pen_;
  pen_ = c;
  return previous;
}

Color CVectorSurface::SelectBrush(Color c) {
  const Color previous = brush_;
  brush_ = c;
  return previous;
}

}  // namespace pelmoro
