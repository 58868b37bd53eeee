#include "render/raster/ellipse.h"

#include <algorithm>

#include "render/raster/raster_math.h"

namespace pelmoro::raster {

namespace {

// Rows of a corner ellipse whose insets are computed up front.
constexpr std::uint64_t kCacheRows = 4096;

// The largest m >= 0 with (b m)^2 < k, for k >= 1 and b >= 1.
std::uint64_t LargestBelow64(std::uint64_t k, std::uint64_t b) {
  const std::uint64_t s = ISqrt64(k);
  const std::uint64_t t = s * s == k ? s - 1 : s;  // the largest value whose square is below k
  return t / b;
}
std::uint64_t LargestBelow128(u128 k, std::uint64_t b) {
  const std::uint64_t s = ISqrt128(k);
  const std::uint64_t t = static_cast<u128>(s) * s == k ? s - 1 : s;
  return t / b;
}

}  // namespace

Box NormalisedBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  Box box;
  box.left = std::min(left, right);
  box.right = std::max(left, right);
  box.top = std::min(top, bottom);
  box.bottom = std::max(top, bottom);
  return box;
}

EllipseProfile::EllipseProfile(std::uint64_t w, std::uint64_t h)
    : a2_(w - 1), b2_(h - 1), p_((w - 1) & 1), tiny_(w <= 2 || h <= 2), small_(w <= 32768 && h <= 32768) {}

std::uint64_t EllipseProfile::HalfWidth2(std::uint64_t absY) const {
  if (tiny_ || absY <= 1) return a2_;
  const std::uint64_t ym = absY - 1;
  // m1: the largest |X| passing F(X, |Y| - 1) < 0, that is B^2 X^2 < A^2 (B^2 - ym^2) = k1.
  // m2: the largest |X| - 1 passing F(|X| - 1, Y) < 0, that is B^2 (|X| - 1)^2 < k2.
  // k1 > 0 because ym < B; k2 may be 0 (the top row), where no X passes.
  std::uint64_t hw = 0;
  if (small_) {
    const std::uint64_t aa = a2_ * a2_;
    const std::uint64_t bb = b2_ * b2_;
    const std::uint64_t k1 = aa * (bb - ym * ym);
    const std::uint64_t k2 = aa * (bb - absY * absY);
    hw = LargestBelow64(k1, b2_);
    if (k2 > 0) hw = std::max(hw, LargestBelow64(k2, b2_) + 1);
  } else {
    const u128 aa = static_cast<u128>(a2_) * a2_;
    const u128 bb = static_cast<u128>(b2_) * b2_;
    const u128 k1 = aa * (bb - static_cast<u128>(ym) * ym);
    const u128 k2 = aa * (bb - static_cast<u128>(absY) * absY);
    hw = LargestBelow128(k1, b2_);
    if (k2 > 0) hw = std::max(hw, LargestBelow128(k2, b2_) + 1);
  }
  hw = std::min(hw, a2_);
  if ((hw ^ p_) & 1) {
    hw = hw == 0 ? p_ : hw - 1;  // X has the parity of A
  }
  return std::max(hw, p_);  // every row holds the middle pixel(s)
}

// Rows nearer the middle are at least as wide: the half-width steps outward, testing the
// pixel at doubled offset x = hw + 2 of the row at absY with the two midpoint values
//   vertical   = B^2 x^2 + A^2 (absY - 1)^2 - A^2 B^2,
//   horizontal = B^2 (x - 1)^2 + A^2 absY^2 - A^2 B^2,
// kept up to date by differences (every term stays below 2^61 for a small box): a step of
// x adds B^2 4x to horizontal and 4 B^2 more to vertical; a row nearer the middle adds
// A^2 (4 - 4 absY) to horizontal and 4 A^2 more to vertical.
EllipseProfile::InsetSteps::InsetSteps(const EllipseProfile& profile) {
  const std::int64_t a = static_cast<std::int64_t>(profile.a2_);
  const std::int64_t b = static_cast<std::int64_t>(profile.b2_);
  const std::int64_t x = static_cast<std::int64_t>(profile.p_) + 2;
  aa_ = a * a;
  bb_ = b * b;
  curved_ = b / 2;  // rows with absY = B - 2k <= 1 are the middle ones
  inset_ = (a - x + 2) >> 1;
  vertical_ = bb_ * x * x + aa_ * (b - 1) * (b - 1) - aa_ * bb_;
  horizontal_ = bb_ * (x - 1) * (x - 1) + aa_ * b * b - aa_ * bb_;
  columnStep_ = bb_ * 4 * x;
  rowStep_ = aa_ * (4 - 4 * b);
}

void EllipseProfile::InsetSteps::Next(std::int32_t* out, std::int64_t rows) {
  // Locals, so the loop keeps them in registers.
  std::int64_t inset = inset_;
  std::int64_t vertical = vertical_;
  std::int64_t horizontal = horizontal_;
  std::int64_t columnStep = columnStep_;
  std::int64_t rowStep = rowStep_;
  const std::int64_t curved = std::clamp<std::int64_t>(curved_ - k_, 0, rows);
  for (std::int64_t i = 0; i < curved; ++i) {
    // The pixel at x = A + 2 always fails, so the step stops inside the box.
    while (std::min(vertical, horizontal) < 0) {
      horizontal += columnStep;
      vertical += columnStep + 4 * bb_;
      columnStep += 8 * bb_;
      --inset;
    }
    out[i] = static_cast<std::int32_t>(inset);
    horizontal += rowStep;
    vertical += rowStep + 4 * aa_;
    rowStep += 8 * aa_;
  }
  for (std::int64_t i = curved; i < rows; ++i) out[i] = 0;
  inset_ = inset;
  vertical_ = vertical;
  horizontal_ = horizontal;
  columnStep_ = columnStep;
  rowStep_ = rowStep;
  k_ += rows;
}

std::uint64_t EllipseProfile::Inset(std::uint64_t k) const {
  const std::uint64_t absY = b2_ - 2 * k;
  return (a2_ - HalfWidth2(absY)) / 2;
}

namespace {

// The shared insets of corners of cw x ch, from a small table of recent sizes; a size that
// is not there takes the place of the one in its slot, reusing that one's memory unless a
// figure still holds it.
std::shared_ptr<CornerInsets> CornerInsetsFor(const EllipseProfile& corner, std::uint64_t cw, std::uint64_t ch,
                                              std::uint64_t rows) {
  constexpr std::uint64_t kSlots = 64;
  thread_local std::array<std::shared_ptr<CornerInsets>, kSlots> recent;
  std::shared_ptr<CornerInsets>& slot = recent[(cw * 0x9E3779B97F4A7C15u + ch) % kSlots];
  if (slot && slot->width == cw && slot->height == ch) return slot;
  if (!slot || slot.use_count() > 1) slot = std::make_shared<CornerInsets>();
  slot->width = cw;
  slot->height = ch;
  slot->computed = 0;
  slot->steps = EllipseProfile::InsetSteps(corner);
  slot->insets.resize(rows);
  return slot;
}

}  // namespace

RowShape::RowShape(const Box& box, std::uint64_t cw, std::uint64_t ch, bool square)
    : box_(box), corner_(square ? 1 : cw, square ? 1 : ch) {
  cornerRows_ = square ? 0 : (ch + 1) / 2;
  if (corner_.Small() && !corner_.Tiny() && cornerRows_ <= kCacheRows) {
    insets_ = CornerInsetsFor(corner_, cw, ch, cornerRows_);
    cached_ = true;
  }
}

void RowShape::Compute(std::uint64_t rows) const {
  constexpr std::uint64_t kAhead = 16;
  CornerInsets& cache = *insets_;
  const std::uint64_t end = std::min(cornerRows_, std::max(rows, cache.computed + kAhead));
  if (end <= cache.computed) return;
  cache.steps.Next(cache.insets.data() + cache.computed, static_cast<std::int64_t>(end - cache.computed));
  cache.computed = end;
}

SpanTable RowShape::Table(std::int64_t yFirst, std::int64_t yLast) const {
  if (cached_) {
    // The largest distance from an edge among the rows.
    const std::int64_t first = std::max(yFirst, box_.top);
    const std::int64_t last = std::min(yLast, box_.bottom - 1);
    if (first <= last) {
      const std::int64_t nearest = std::clamp(box_.top + (box_.bottom - 1 - box_.top) / 2, first, last);
      Compute(static_cast<std::uint64_t>(std::min(nearest - box_.top, box_.bottom - 1 - nearest)) + 1);
    }
  }
  return {box_.left,
          box_.right - 1,
          box_.top,
          box_.bottom - 1,
          cached_ ? Insets() : nullptr,
          static_cast<std::int64_t>(cornerRows_)};
}

RowShape RowShape::Ellipse(const Box& box) {
  return RowShape(box, static_cast<std::uint64_t>(box.Width()), static_cast<std::uint64_t>(box.Height()), false);
}

RowShape RowShape::RoundRect(const Box& box, std::int64_t cw, std::int64_t ch) {
  const bool square = cw <= 2 || ch <= 2;
  return RowShape(box, static_cast<std::uint64_t>(std::max<std::int64_t>(cw, 1)),
                  static_cast<std::uint64_t>(std::max<std::int64_t>(ch, 1)), square);
}

namespace {

// Paints rows [y0, y1) of a nested row shape with its spans from `spans` (a SpanTable or
// the shape itself); the interior only when `filled`.
template <bool filled, typename Spans>
void PaintRows(const PixelTarget& target, const Spans& spans, std::int64_t y0, std::int64_t y1, std::uint32_t pen,
               std::uint32_t brush) {
  const std::int64_t lastColumn = target.width - 1;
  if (filled && pen == brush) {
    // One colour: each row is its span, whatever is outline.
    for (std::int64_t y = y0; y < y1; ++y) {
      const Span row = spans.At(y);
      const std::int64_t x0 = std::max<std::int64_t>(row.left, 0);
      const std::int64_t x1 = std::min(row.right, lastColumn);
      if (x0 <= x1) FillPixels(target.bits + y * target.width + x0, x1 - x0 + 1, pen);
    }
    return;
  }
  Span above = spans.At(y0 - 1);
  Span row = spans.At(y0);
  for (std::int64_t y = y0; y < y1; ++y) {
    const Span below = spans.At(y + 1);
    PaintPartsRow<filled>(target.bits + y * target.width, lastColumn, PartsOfRow(above, row, below), pen, brush);
    above = row;
    row = below;
  }
}

}  // namespace

namespace {

template <bool filled>
void PaintVisibleRows(const PixelTarget& target, const RowShape& shape, std::uint32_t pen, std::uint32_t brush) {
  const Box& box = shape.Bounds();
  const std::int64_t y0 = std::max<std::int64_t>(box.top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(box.bottom, target.height);
  if (y0 >= y1) return;
  if (shape.Cached()) {
    PaintRows<filled>(target, shape.Table(y0 - 1, y1), y0, y1, pen, brush);
  } else {
    PaintRows<filled>(target, ShapeSpans{shape}, y0, y1, pen, brush);
  }
}

}  // namespace

void PaintRowShape(const PixelTarget& target, const RowShape& shape, std::uint32_t pen, std::uint32_t brush) {
  PaintVisibleRows<true>(target, shape, pen, brush);
}

void PaintRowShapeOutline(const PixelTarget& target, const RowShape& shape, std::uint32_t pen) {
  PaintVisibleRows<false>(target, shape, pen, pen);
}

}  // namespace pelmoro::raster
