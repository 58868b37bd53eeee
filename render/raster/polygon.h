#pragma once
// Polygon scan conversion by the sampling rule of docs/rendering.md: pixel (x, y) is tested at
// the integer point (x, y); an edge is active on rows top <= y < bottom (horizontal edges
// are dropped); a crossing is rounded up and a row fills xleft <= x < xright. Left and top
// edges are in, right and bottom edges out.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/geometry.h"
#include "render/raster/pixel_target.h"

namespace pelmoro::raster {

enum class FillRule { Alternate, Winding };

// Where an edge crosses a row: x and the edge's direction (+1 going down, -1 going up),
// packed into one number that sorts by x, so sorting moves single words.
class Crossing {
 public:
  Crossing() = default;
  Crossing(std::int64_t x, int direction) : key_(x * 2 + (direction > 0 ? 1 : 0)) {}
  std::int64_t x() const { return key_ >> 1; }
  int direction() const { return (key_ & 1) != 0 ? 1 : -1; }
  friend bool operator<(const Crossing& a, const Crossing& b) { return a.key_ < b.key_; }

 private:
  std::int64_t key_ = 0;  // x has at most 35 bits
};

// The x where the edge (x1, y1)-(x2, y2) (y1 != y2) crosses row y, rounded up.
std::int64_t EdgeCrossing(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t y);

// The crossings of an edge (y1 != y2) with row y and the rows after it, as EdgeCrossing
// gives them, stepped with a remainder instead of a division per row.
class EdgeStepper {
 public:
  EdgeStepper() = default;
  EdgeStepper(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t y);
  std::int64_t x() const { return x_; }
  void Next() {
    x_ += whole_;
    remainder_ -= fraction_;
    if (remainder_ < 0) {
      remainder_ += dy_;
      ++x_;
    }
  }

 private:
  // With t rows below the upper end, x = upper x + q where t dx = q dy - remainder and
  // 0 <= remainder < dy; each row adds dx = whole dy + fraction to t dx.
  std::int64_t x_ = 0;
  std::int64_t whole_ = 0;
  std::int64_t fraction_ = 0;
  std::int64_t remainder_ = 0;
  std::int64_t dy_ = 1;
};

// Fills row y between the given crossings (sorted here) by the rule.
void FillCrossings(const PixelTarget& target, std::int64_t y, Crossing* first, Crossing* last, FillRule rule,
                   std::uint32_t pixel);
void FillCrossings(const PixelTarget& target, std::int64_t y, std::vector<Crossing>& crossings, FillRule rule,
                   std::uint32_t pixel);

// Polygon(P, n): fill in alternate mode with the brush, then the closed outline with the
// pen (line rules, so every vertex is painted). Fewer than 2 points draw nothing.
void DrawPolygon(const PixelTarget& target, const Point* points, std::size_t count, std::uint32_t pen,
                 std::uint32_t brush);

}  // namespace pelmoro::raster
