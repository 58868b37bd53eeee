#pragma once
// Ellipses and rounded rectangles as row spans.
//
// The ellipse inscribed in a w x h box is the set D of pixels described in docs/rendering.md: a
// midpoint ellipse with diameters between pixel centres (a = w - 1, b = h - 1). In doubled
// coordinates about the box centre (X = 2 x - (left + right - 1), likewise Y, so
// |X| <= A = w - 1 and |Y| <= B = h - 1), with F(X, Y) = B^2 X^2 + A^2 Y^2 - A^2 B^2, a pixel
// belongs to D when the midpoint one half pixel toward the centre, vertically or
// horizontally, lies strictly inside the ellipse:
//     F(X, max(|Y| - 1, 0)) < 0  or  F(max(|X| - 1, 0), Y) < 0.
// In the flat part of the curve the first test is the midpoint rule of a column, in the
// steep part the second is that of a row; a curve through a midpoint (a tie) leaves the
// pixel out, so ties go inward, and the rule is the same on both diagonals of a circle.
// D is then extended so the outline reaches all four sides: the middle row(s) are full
// width and every row holds at least the middle pixel(s). D is symmetric and its rows are
// nested toward the middle.
//
// The outline is the set of pixels of D with a 4-neighbour outside D (an 8-connected,
// one pixel thin curve); each row's fill runs between its outline ends. A box 2 pixels or
// less wide or high is the plain rectangle, all outline.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/raster/pixel_target.h"

namespace pelmoro::raster {

// A normalised box [left, right) x [top, bottom), in 64 bits.
struct Box {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  std::int64_t Width() const { return right - left; }
  std::int64_t Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
};

// Normalises a box given by two corners in any order.
Box NormalisedBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

// The row profile of the ellipse inscribed in a w x h box (w, h >= 1).
class EllipseProfile {
 public:
  EllipseProfile(std::uint64_t w, std::uint64_t h);

  // The doubled half-width (an integer of A's parity, p <= value <= A) of the row with
  // doubled offset |Y| = absY <= B from the middle.
  std::uint64_t HalfWidth2(std::uint64_t absY) const;
  // The number of pixels the row k rows from the nearer horizontal edge (0 <= k, 2k < h)
  // leaves out on each side.
  std::uint64_t Inset(std::uint64_t k) const;
  // The largest inset any row can have (that of the narrowest possible row).
  std::uint64_t MaxInset() const { return (a2_ - p_) / 2; }
  // Whether both sides are at most 32768 pixels (exact 64-bit arithmetic, and stepping
  // along the whole curve is cheap).
  bool Small() const { return small_; }
  // Whether a box is 2 pixels or less wide or high (every row full).
  bool Tiny() const { return tiny_; }

  // Steps along the curve of a small box that is not tiny: the insets of the rows
  // k = 0, 1, 2, ... (2k < h) from an edge toward the middle, as far as asked for.
  class InsetSteps {
   public:
    InsetSteps() = default;
    explicit InsetSteps(const EllipseProfile& profile);
    // Writes the insets of the next `rows` rows.
    void Next(std::int32_t* out, std::int64_t rows);

   private:
    std::int64_t aa_ = 0;
    std::int64_t bb_ = 0;
    std::int64_t curved_ = 0;  // rows k < curved_ are curved, the rest full width
    std::int64_t k_ = 0;
    std::int64_t inset_ = 0;
    std::int64_t vertical_ = 0;
    std::int64_t horizontal_ = 0;
    std::int64_t columnStep_ = 0;
    std::int64_t rowStep_ = 0;
  };

 private:
  std::uint64_t a2_;
  std::uint64_t b2_;
  std::uint64_t p_;
  bool tiny_;
  bool small_;
};

// A row span [left, right] (both included); empty when left > right.
struct Span {
  std::int64_t left = 1;
  std::int64_t right = 0;
  bool Empty() const { return left > right; }
};

// The spans of a small figure's rows straight from its table of insets, for loops over
// rows that want the few values in registers.
struct SpanTable {
  std::int64_t left;
  std::int64_t right;  // the last column
  std::int64_t top;
  std::int64_t bottom;  // the last row
  const std::int32_t* insets;
  std::int64_t rows;  // insets of the rows k < rows from an edge; 0 beyond

  Span At(std::int64_t y) const {
    if (y < top || y > bottom) return {};
    const std::int64_t k = std::min(y - top, bottom - y);
    const std::int64_t inset = k < rows ? insets[k] : 0;
    return {left + inset, right - inset};
  }
};

// The insets of the rows of a small corner ellipse, worked out as far as figures have
// asked. Figures with corners of one size drawn on one thread share them, so a picture
// drawn again, or one with several figures of a size, steps along each curve once.
struct CornerInsets {
  std::uint64_t width = 0;
  std::uint64_t height = 0;
  std::uint64_t computed = 0;  // the rows k < computed are in `insets`
  EllipseProfile::InsetSteps steps;
  std::vector<std::int32_t> insets;
};

// The spans of a figure whose rows are symmetric intervals nested toward the middle
// (ellipse or rounded rectangle), with insets cached for small figures.
class RowShape {
 public:
  // An ellipse inscribed in box (not empty).
  static RowShape Ellipse(const Box& box);
  // A rounded rectangle with corner ellipses of cw x ch (already clamped to the box);
  // square corners when either is 2 or less.
  static RowShape RoundRect(const Box& box, std::int64_t cw, std::int64_t ch);

  const Box& Bounds() const { return box_; }
  // Whether a row's span is a table lookup (else it takes a square root).
  bool Cached() const { return cornerRows_ == 0 || cached_; }
  // The inset of row y (top <= y < bottom).
  std::uint64_t Inset(std::int64_t y) const {
    const std::int64_t k = std::min(y - box_.top, box_.bottom - 1 - y);
    return InsetOfDistance(static_cast<std::uint64_t>(k));
  }
  // The table of a cached shape, with the insets of rows yFirst .. yLast worked out.
  SpanTable Table(std::int64_t yFirst, std::int64_t yLast) const;
  // The span of row y; empty outside the box.
  Span SpanAt(std::int64_t y) const {
    if (y < box_.top || y >= box_.bottom) return {};
    const std::int64_t inset = static_cast<std::int64_t>(Inset(y));
    return {box_.left + inset, box_.right - 1 - inset};
  }

 private:
  RowShape(const Box& box, std::uint64_t cw, std::uint64_t ch, bool square);
  std::uint64_t InsetOfDistance(std::uint64_t k) const {
    if (k >= cornerRows_) return 0;
    if (!cached_) return corner_.Inset(k);
    if (k >= insets_->computed) Compute(k + 1);
    return static_cast<std::uint64_t>(Insets()[k]);
  }
  // Works out the insets of the rows k < rows (and a few more), stepping on from the
  // last one worked out: a figure often needs only some of its rows.
  void Compute(std::uint64_t rows) const;
  // The cached insets by distance k.
  std::int32_t* Insets() const { return insets_->insets.data(); }

  Box box_;
  EllipseProfile corner_;
  std::uint64_t cornerRows_ = 0;        // rows k < cornerRows_ from an edge follow the corner ellipse (0: square)
  bool cached_ = false;                 // the insets of those rows go into Insets()
  std::shared_ptr<CornerInsets> insets_;
};

// The spans of a shape too large for a table, asked for like those of a SpanTable.
struct ShapeSpans {
  const RowShape& shape;
  Span At(std::int64_t y) const { return shape.SpanAt(y); }
};

// The outline and interior of row y of a nested row shape: the outline is [span.left,
// inner.left - 1] and [inner.right + 1, span.right] when inner is not empty, else the whole
// span.
struct RowParts {
  Span span;
  Span inner;
};
inline RowParts PartsOfRow(const Span& above, const Span& row, const Span& below) {
  RowParts parts;
  parts.span = row;
  if (row.Empty() || above.Empty() || below.Empty()) return parts;
  parts.inner.left = std::max({above.left, below.left, row.left + 1});
  parts.inner.right = std::min({above.right, below.right, row.right - 1});
  return parts;
}

// Paints one row of a nested row shape, [x0, x1] of it clipped to columns 0 .. lastColumn:
// its outline pixels with the pen and, when `filled`, its interior with the brush.
template <bool filled>
inline void PaintPartsRow(std::uint32_t* row, std::int64_t lastColumn, const RowParts& parts, std::uint32_t pen,
                          std::uint32_t brush) {
  auto paint = [&](std::int64_t x0, std::int64_t x1, std::uint32_t pixel) {
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min(x1, lastColumn);
    if (x0 <= x1) FillPixels(row + x0, x1 - x0 + 1, pixel);
  };
  if (parts.inner.Empty() || (filled && pen == brush)) {
    paint(parts.span.left, parts.span.right, pen);
    return;
  }
  paint(parts.span.left, parts.inner.left - 1, pen);
  if (filled) paint(parts.inner.left, parts.inner.right, brush);
  paint(parts.inner.right + 1, parts.span.right, pen);
}

// Paints a nested row shape: outline pixels with the pen, the rest of each row with the
// brush. Only the rows and columns inside the surface are visited.
void PaintRowShape(const PixelTarget& target, const RowShape& shape, std::uint32_t pen, std::uint32_t brush);
// Paints only the outline pixels of a nested row shape, with the pen.
void PaintRowShapeOutline(const PixelTarget& target, const RowShape& shape, std::uint32_t pen);

}  // namespace pelmoro::raster
