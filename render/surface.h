#pragma once
#include <cstdint>

#include "model/color.h"
#include "model/gradient_mode.h"
#include "render/geometry.h"

namespace pelmoro {

// The drawing operations every renderer uses. A new surface has a black 1-pixel pen and a
// white solid brush. Figures follow the coverage rules of the raster surface: an ellipse or
// rounded rectangle covers columns left..right-1 and rows top..bottom-1; arcs run
// counter-clockwise on screen from the ray through S to the ray through E (S and E on one
// ray give the whole ellipse); polygons fill in alternate mode; LineTo leaves out its end
// pixel; FillSolidRect fills [x, x + cx) x [y, y + cy).
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void Ellipse(const Rect& r) = 0;
  virtual void RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) = 0;
  virtual void Arc(const Rect& r, Point start, Point end) = 0;
  virtual void Chord(const Rect& r, Point start, Point end) = 0;
  virtual void Pie(const Rect& r, Point start, Point end) = 0;
  virtual void Polygon(const Point* points, int count) = 0;
  virtual void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) = 0;
  virtual void FillSolidRect(const Rect& r, Color c) = 0;
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  // Fills the rectangle (x, y, width, height) with a two-colour linear gradient.
  virtual void GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                            Color to, GradientMode mode) = 0;
  // Fills the rectangle with the solid colour, then paints the gradient over the same
  // rectangle. A surface on which the gradient hides every pixel of the solid fill may
  // leave the fill out; the default draws both, as the two calls would.
  virtual void FillThenGradient(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color solid,
                                Color from, Color to, GradientMode mode) {
    FillSolidRect(x, y, width, height, solid);
    GradientFill(x, y, width, height, from, to, mode);
  }

  // Select a solid 1-pixel pen or a solid brush; each returns the previous colour.
  virtual Color SelectPen(Color c) = 0;
  virtual Color SelectBrush(Color c) = 0;
};

// Selects a solid pen for one scope and puts the previous pen back at its end.
class CSolidPen {
 public:
  CSolidPen(Surface& surface, Color c) : surface_(surface), previous_(surface.SelectPen(c)) {}
  ~CSolidPen() { surface_.SelectPen(previous_); }
  CSolidPen(const CSolidPen&) = delete;
  CSolidPen& operator=(const CSolidPen&) = delete;

 private:
  Surface& surface_;
  Color previous_;
};

// Selects a solid brush for one scope and puts the previous brush back at its end.
class CSolidBrush {
 public:
  CSolidBrush(Surface& surface, Color c) : surface_(surface), previous_(surface.SelectBrush(c)) {}
  ~CSolidBrush() { surface_.SelectBrush(previous_); }
  CSolidBrush(const CSolidBrush&) = delete;
  CSolidBrush& operator=(const CSolidBrush&) = delete;

 private:
  Surface& surface_;
  Color previous_;
};

}  // namespace pelmoro
