#pragma once

#include "render/geometry.h"

namespace pelmoro {

// Angles as the renderers store them: degrees * 3.14 / 180.
inline constexpr double kAngle5 = 0.08722222222222223;
inline constexpr double kAngle10 = 0.17444444444444446;
inline constexpr double kAngle20 = 0.3488888888888889;
inline constexpr double kAngle30 = 0.5233333333333333;
inline constexpr double kAngle40 = 0.6977777777777778;
inline constexpr double kAngle45 = 0.785;

// Radial point at angle `a` (radians) from the centre of r, with radius Width(r) / 2 on
// both axes; sx and sy (+1 or -1) pick the quadrant, sy = -1 above the centre.
Point Rad(const Rect& r, double a, int sx, int sy);

}  // namespace pelmoro
