#pragma once
// The geometry the vector surface gives the figures of the raster surface: smooth curves
// through the centres of the pixels that the raster surface outlines. Pixel (x, y) is the
// unit square from (x, y) to (x + 1, y + 1); its centre is (x + 0.5, y + 0.5).
#include "render/geometry.h"

namespace pelmoro::vector {

// The smooth ellipse of a figure box: the box (l, t, r, b), normalised, gives the ellipse
// from l + 0.5, t + 0.5 to r - 0.5, b - 0.5. A box one pixel wide or high gives a radius of
// almost 0 (never 0, so that the ellipse can still be drawn as a scaled circle).
struct SmoothEllipse {
  double cx = 0;
  double cy = 0;
  double rx = 0;
  double ry = 0;
};

// Nothing when the box is empty (zero width or height).
bool EllipseOfBox(const Rect& r, SmoothEllipse& out);

// An arc of a smooth ellipse for Arc, Chord and Pie: it runs counter-clockwise on the
// screen from angle `start` to angle `end` (angles of the ellipse's parameter, in the
// screen's orientation: 0 at the right, growing clockwise on the screen, as cairo counts
// them; so `end` <= `start`, and `end` = `start` - 2 pi for the whole ellipse). The rays
// start at `originX`, `originY`, the centre of the pixel the raster surface takes as the
// centre: (left + w / 2, top + h / 2) in whole pixels. The pie's two lines meet there.
struct SmoothArc {
  SmoothEllipse ellipse;
  double start = 0;
  double end = 0;
  double originX = 0;
  double originY = 0;
  bool whole = false;
};

// The arc of box r from the ray through radial point s to the ray through e (both rays
// from the centre pixel; a radial point on the centre pixel points to 0 degrees; s and e on
// one ray give the whole ellipse). Nothing when the box is empty.
bool ArcOfBox(const Rect& r, Point s, Point e, SmoothArc& out);

}  // namespace pelmoro::vector
