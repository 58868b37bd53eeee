#pragma once
#include <cairo.h>

#include <cstdint>
#include <optional>

#include "render/surface.h"

namespace pelmoro {

// A drawing surface over a cairo context: the figures of the raster surface as smooth,
// antialiased shapes in picture-pixel coordinates, which the context's transformation maps
// to its target (an image of any size, an SVG document, a PDF page). Each figure runs
// through the centres of the pixels that the raster surface outlines (see
// render/vector/ellipse_arc.h), is filled with the brush and stroked with a pen one picture
// pixel wide; polygons fill even-odd, chords and pies by winding; lines run between pixel
// centres; gradients keep their end colours and their lines of constant colour.
//
// Consecutive outlines with one pen (LineTo and Arc) are stroked as one path: their joins
// are smooth, and outlines drawn side by side, as the raster surface paints them into a
// solid band, cover it fully rather than leave seams where their antialiased edges meet.
// The path is stroked before any other drawing and by Flush (and the destructor).
class CVectorSurface : public Surface {
 public:
  // Draws into `cr`, which the caller keeps and may transform; the surface changes only
  // the context's path, source, line and fill settings.
  explicit CVectorSurface(cairo_t* cr);
  ~CVectorSurface() override;
  CVectorSurface(const CVectorSurface&) = delete;
  CVectorSurface& operator=(const CVectorSurface&) = delete;

  // Strokes the outlines drawn so far.
  void Flush();

  void Ellipse(const Rect& r) override;
  void RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) override;
  void Arc(const Rect& r, Point start, Point end) override;
  void Chord(const Rect& r, Point start, Point end) override;
  void Pie(const Rect& r, Point start, Point end) override;
  void Polygon(const Point* points, int count) override;
  void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) override;
  void FillSolidRect(const Rect& r, Color c) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from, Color to,
                    GradientMode mode) override;
  Color SelectPen(Color c) override;
  Color SelectBrush(Color c) override;

 private:
  enum class ArcPath { Open, Chord, Pie };
  void ArcFigure(const Rect& r, Point start, Point end, ArcPath kind);
  void FillAndStroke(cairo_fill_rule_t rule);
  void StrokeWithPen();
  void SetColor(Color c);

  cairo_t* cr_;
  Color pen_ = 0x00000000;
  Color brush_ = 0x00FFFFFF;
  Point position_;
  bool strokePending_ = false;
  std::optional<Point> strokeEnd_;  // where the pending path's last line ends
};

}  // namespace pelmoro
