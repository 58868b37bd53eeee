#pragma once
#include "model/color.h"

namespace pelmoro {

// Shading helpers of the slider, each working on the red, green and blue channels of a
// 0x00BBGGRR colour separately. They add or subtract a fixed amount, where the renderers'
// DarkenColor and LightenColor move a percentage of the way to black or white.

// Each channel grows by n, unless that would pass 255: then it stays as it is.
Color RaiseChannels(Color c, int n);
// Each channel shrinks by n, unless it is below n: then it stays as it is.
Color LowerChannels(Color c, int n);
// Each channel becomes a + floor((b - a) / 2), the colour half-way from a to b.
Color Mid(Color a, Color b);

// The colours a slider paints with, all derived from three base colours.
struct SliderColors {
  Color thumb = 0;      // thumb fill
  Color light1 = 0;     // RaiseChannels(thumb, 51): bevel top and left, light ridges
  Color light2 = 0;     // RaiseChannels(light1, 51): top-left corner, ridge tips
  Color dark1 = 0;      // LowerChannels(thumb, 51): bevel bottom and right
  Color dark2 = 0;      // LowerChannels(dark1, 51): bottom-right corner, dark ridges
  Color shadowMid = 0;  // channel outline
  Color faceMid = 0;    // channel's upper-left edge
  Color highlight = 0;  // channel's lower-right edge
  Color channel = 0;    // channel fill
  Color frame = 0;      // thumb outline

  // Recomputes light1, light2, dark1 and dark2 from `thumb`.
  void RecalcThumbShades();
};

}  // namespace pelmoro
