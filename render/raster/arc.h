#pragma once
// Arc, Chord and Pie on the outline of an ellipse (see ellipse.h for the outline).
//
// The outline pixels are ordered counter-clockwise as seen on the screen about the centre
// C = (left + floor(w/2), top + floor(h/2)) of the normalised box, starting on the 0° ray
// (the right-middle pixel), so that angles never decrease along the list. This walk is
// taken in six monotone pieces: the right side going up (rows C.y .. top, the row of C
// included, pixels right of C.x), the top of column C.x (at 90°), the left side going down
// to C.y - 1, the left side from row C.y down to the bottom, the bottom of column C.x (at
// 270°), the right side going up to C.y + 1. Within a piece the rows are monotone and so
// are the pixels within a row; this lets the arc's end pixels be found by bisection, and
// lets a row's part of any polygon over the walk be computed from that row alone. Angles
// are compared exactly with integer cross products; a radial point at C counts as 0°, and
// so does the pixel at C (an outline pixel only of a box 2 pixels or less wide or high).
//
// The arc runs from Ps, the first outline pixel at or past the angle of S, to Pe, the first
// one at or past the angle of E; Arc paints Ps up to the pixel before Pe. When no outline
// pixel lies in [angle S, angle E) (going counter-clockwise; also when S and E lie on one
// ray), the arc is the whole ellipse and Pe = Ps. Chord and Pie take the vertices Ps .. Pe
// (both included), close them with Pe -> Ps, or Pe -> C -> Ps, fill that polygon with the
// brush (winding rule, polygon sampling of polygon.h), then paint the vertices and the
// closing lines with the pen. Everything is computed for the visible rows only.
#include <cstdint>

#include "render/geometry.h"
#include "render/raster/pixel_target.h"

namespace pelmoro::raster {

enum class ArcKind { Arc, Chord, Pie };

void DrawArcFigure(const PixelTarget& target, const Rect& r, Point start, Point end, ArcKind kind, std::uint32_t pen,
                   std::uint32_t brush);

}  // namespace pelmoro::raster
