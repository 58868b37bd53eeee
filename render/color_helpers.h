#pragma once
#include <cstdint>

#include "model/color.h"
#include "render/geometry.h"

namespace pelmoro {

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0 (as the
// system's multiply-divide reports a failed division).
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// Shading helpers: each channel moves `percent` (taken modulo 256) of the way to black or
// to white.
Color DarkenColor(Color c, std::int32_t percent);
Color LightenColor(Color c, std::int32_t percent);

// Radial point at angle `a` (radians) from the centre of r, with radius Width(r) / 2 on
// both axes; sx and sy (+1 or -1) pick the quadrant, sy = -1 above the centre.
Point Rad(const Rect& r, double a, int sx, int sy);

// Angles as the renderers store them: degrees * 3.14 / 180.
inline constexpr double kAngle5 = 0.08722222222222223;
inline constexpr double kAngle10 = 0.17444444444444446;
inline constexpr double kAngle20 = 0.3488888888888889;
inline constexpr double kAngle30 = 0.5233333333333333;
inline constexpr double kAngle40 = 0.6977777777777778;
inline constexpr double kAngle45 = 0.785;

}  // namespace pelmoro
