#include "render/color_helpers.h"

#include <cmath>
#include <cstdlib>

namespace pelmoro {

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::uint64_t magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
  const std::uint64_t divisor = static_cast<std::uint64_t>(std::llabs(c));
  const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
  const std::int64_t result = negative ? -static_cast<std::int64_t>(rounded) : static_cast<std::int64_t>(rounded);
  return static_cast<std::int32_t>(result);
}

namespace {

// Applies `shade` to each of red, green and blue and reassembles the colour with a zero
// high byte.
template <typename Shade>
Color ShadeChannels(Color c, Shade shade) {
  const int r = shade(GetRValue(c)) & 0xFF;
  const int g = shade(GetGValue(c)) & 0xFF;
  const int b = shade(GetBValue(c)) & 0xFF;
  return RGB(r, g, b);
}

std::int32_t PercentModulo(std::int32_t percent) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(percent) & 0xFF);
}

}  // namespace

Color DarkenColor(Color c, std::int32_t percent) {
  const std::int32_t p = PercentModulo(percent);
  return ShadeChannels(c, [p](int v) { return v - MulDiv(v, p, 100); });
}

Color LightenColor(Color c, std::int32_t percent) {
  const std::int32_t p = PercentModulo(percent);
  return ShadeChannels(c, [p](int v) { return v + MulDiv(255 - v, p, 100); });
}

Point Rad(const Rect& r, double a, int sx, int sy) {
  const std::int32_t radius = r.Width() / 2;
  const double dx = std::cos(a) * radius;
  const double dy = std::sin(a) * radius;
  const Point c = r.CenterPoint();
  return {TruncToInt(c.x + sx * dx), TruncToInt(c.y + sy * dy)};
}

}  // namespace pelmoro
