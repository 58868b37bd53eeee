#include "controls/shaded_slider_colors.h"

namespace pelmoro {

namespace {

constexpr int kShadeStep = 51;

// Applies `channel` to the red, green and blue bytes of `c`.
template <typename F>
Color PerChannel(Color c, F channel) {
  return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

}  // namespace

Color RaiseChannels(Color c, int n) {
  return PerChannel(c, [n](int v) { return v + n > 255 ? v : v + n; });
}

Color LowerChannels(Color c, int n) {
  return PerChannel(c, [n](int v) { return v < n ? v : v - n; });
}

Color Mid(Color a, Color b) {
  // An arithmetic shift floors a negative difference, as the halving must.
  auto half = [](int from, int to) { return (from + ((to - from) >> 1)) & 0xFF; };
  return RGB(half(GetRValue(a), GetRValue(b)), half(GetGValue(a), GetGValue(b)), half(GetBValue(a), GetBValue(b)));
}

void SliderColors::RecalcThumbShades() {
  light1 = RaiseChannels(thumb, kShadeStep);
  light2 = RaiseChannels(light1, kShadeStep);
  dark1 = LowerChannels(thumb, kShadeStep);
  dark2 = LowerChannels(dark1, kShadeStep);
}

}  // namespace pelmoro
