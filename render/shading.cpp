#include "render/shading.h"

#include "render/mul_div.h"

namespace pelmoro {

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

}  // namespace pelmoro
