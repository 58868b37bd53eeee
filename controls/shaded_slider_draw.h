#pragma once
#include "controls/shaded_slider_colors.h"
#include "render/geometry.h"

namespace pelmoro {

class Surface;

// Paints the thumb of a horizontal slider with a two-sided thumb into `thumb`: a block
// outlined in the frame colour, a bevel with shaded corners and, when enabled, grip
// ridges (none up to 5 pixels wide, two light and two dark up to 9, four light and three
// dark above).
void DrawSliderThumb(Surface& surface, const Rect& thumb, const SliderColors& colors, bool enabled);

// Paints the groove of a horizontal slider over `channel`: a filled, outlined inner
// rectangle with a darker upper-left and a light lower-right edge. The light edge runs
// along the row just below `channel`.
void DrawSliderChannel(Surface& surface, const Rect& channel, const SliderColors& colors);

// A one-pixel frame: top and left lines in `topLeft`, bottom and right lines (which own
// the corners they share with the others) in `bottomRight`.
void Draw3dRect(Surface& surface, const Rect& r, Color topLeft, Color bottomRight);

}  // namespace pelmoro
