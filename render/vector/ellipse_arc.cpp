#include "render/vector/ellipse_arc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace pelmoro::vector {

namespace {

// The radius of a box one pixel across: small enough to look like a line, large enough
// that the circle scaled to it keeps an invertible matrix.
constexpr double kMinRadius = 1.0 / 1024;

struct Direction {
  std::int64_t dx = 1;
  std::int64_t dy = 0;
};

Direction DirectionOf(Point p, std::int64_t cx, std::int64_t cy) {
  const Direction d{p.x - cx, p.y - cy};
  if (d.dx == 0 && d.dy == 0) return {};
  return d;
}

// Exact for any two directions between 32-bit points.
bool SameRay(const Direction& a, const Direction& b) {
  using Wide = __int128;
  return Wide{a.dx} * b.dy == Wide{a.dy} * b.dx && Wide{a.dx} * b.dx + Wide{a.dy} * b.dy > 0;
}

// The parameter angle of the point where the ray from the origin in direction d leaves the
// ellipse. The origin lies inside the ellipse or on it, so the ray leaves it once.
double AngleWhereRayLeaves(const SmoothEllipse& e, double ox, double oy, const Direction& d) {
  // In coordinates where the ellipse is the unit circle: |p + t q| = 1 for the larger t.
  const double px = (ox - e.cx) / e.rx;
  const double py = (oy - e.cy) / e.ry;
  const double qx = static_cast<double>(d.dx) / e.rx;
  const double qy = static_cast<double>(d.dy) / e.ry;
  const double a = qx * qx + qy * qy;
  const double b = 2 * (px * qx + py * qy);
  const double c = px * px + py * py - 1;
  const double discriminant = std::max(b * b - 4 * a * c, 0.0);
  const double t = std::max((-b + std::sqrt(discriminant)) / (2 * a), 0.0);
  return std::atan2(py + t * qy, px + t * qx);
}

}  // namespace

bool EllipseOfBox(const Rect& r, SmoothEllipse& out) {
  const double left = std::min(r.left, r.right);
  const double right = std::max(r.left, r.right);
  const double top = std::min(r.top, r.bottom);
  const double bottom = std::max(r.top, r.bottom);
  if (left == right || top == bottom) return false;
  out.cx = (left + right) / 2;
  out.cy = (top + bottom) / 2;
  out.rx = std::max((right - left - 1) / 2, kMinRadius);
  out.ry = std::max((bottom - top - 1) / 2, kMinRadius);
  return true;
}

bool ArcOfBox(const Rect& r, Point s, Point e, SmoothArc& out) {
  if (!EllipseOfBox(r, out.ellipse)) return false;
  const std::int64_t left = std::min(r.left, r.right);
  const std::int64_t top = std::min(r.top, r.bottom);
  const std::int64_t width = std::int64_t{std::max(r.left, r.right)} - left;
  const std::int64_t height = std::int64_t{std::max(r.top, r.bottom)} - top;
  const std::int64_t cx = left + width / 2;
  const std::int64_t cy = top + height / 2;
  out.originX = static_cast<double>(cx) + 0.5;
  out.originY = static_cast<double>(cy) + 0.5;

  const Direction ds = DirectionOf(s, cx, cy);
  const Direction de = DirectionOf(e, cx, cy);
  out.start = AngleWhereRayLeaves(out.ellipse, out.originX, out.originY, ds);
  out.whole = SameRay(ds, de);
  if (out.whole) {
    out.end = out.start - 2 * std::numbers::pi;
    return true;
  }
  out.end = AngleWhereRayLeaves(out.ellipse, out.originX, out.originY, de);
  // Counter-clockwise on the screen is toward smaller angles.
  while (out.end >= out.start) out.end -= 2 * std::numbers::pi;
  return true;
}

}  // namespace pelmoro::vector
