#include "render/renderer_angles.h"

#include <cmath>

namespace pelmoro {

Point Rad(const Rect& r, double a, int sx, int sy) {
  const std::int32_t radius = r.Width() / 2;
  const double dx = std::cos(a) * radius;
  const double dy = std::sin(a) * radius;
  const Point c = r.CenterPoint();
  return {TruncToInt(c.x + sx * dx), TruncToInt(c.y + sy * dy)};
}

}  // namespace pelmoro
