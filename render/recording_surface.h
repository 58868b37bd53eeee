#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "render/surface.h"

namespace pelmoro {

// A surface that draws nothing and logs every call with its arguments and the pen and
// brush in effect, so tests can check the exact figures a renderer asks for.
class RecordingSurface : public Surface {
 public:
  enum class Op { Ellipse, RoundRect, Arc, Chord, Pie, Polygon, FillSolidRect, MoveTo, LineTo, GradientFill };

  struct Call {
    Op op;
    Rect rect;                  // figure box; FillSolidRect as (x, y, x + cx, y + cy) wrapped
    Point start, end;           // Arc, Chord, Pie radial points; MoveTo/LineTo target in start
    std::int32_t a = 0, b = 0;  // RoundRect corner size; FillSolidRect cx, cy; GradientFill mode in a
    std::vector<Point> points;  // Polygon
    Color color = 0;            // FillSolidRect colour; GradientFill "from" (b holds nothing)
    Color color2 = 0;           // GradientFill "to"
    Color pen = 0;
    Color brush = 0;
    std::string ToString() const;
  };

  const std::vector<Call>& calls() const { return calls_; }
  void Clear() { calls_.clear(); }
  Color Pen() const { return pen_; }
  Color Brush() const { return brush_; }
  // All calls, one per line, for messages of failed tests.
  std::string Dump() const;

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
  Call& Add(Op op);
  void AddArcFigure(Op op, const Rect& r, Point start, Point end);
  std::vector<Call> calls_;
  Color pen_ = 0x00000000;
  Color brush_ = 0x00FFFFFF;
};

}  // namespace pelmoro
