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
void EllipseProfile::Insets(std::int32_t* out, std::int64_t rows) const {
  const std::int64_t a = static_cast<std::int64_t>(a2_);
  const std::int64_t b = static_cast<std::int64_t>(b2_);
  const std::int64_t aa = a * a;
  const std::int64_t bb = b * b;
  std::int64_t x = static_cast<std::int64_t>(p_) + 2;
  std::int64_t inset = (a - x + 2) >> 1;
  std::int64_t vertical = bb * x * x + aa * (b - 1) * (b - 1) - aa * bb;
  std::int64_t horizontal = bb * (x - 1) * (x - 1) + aa * b * b - aa * bb;
  std::int64_t columnStep = bb * 4 * x;
  std::int64_t rowStep = aa * (4 - 4 * b);
  // Rows with absY = B - 2k <= 1 are the middle ones, full width.
  const std::int64_t curved = std::min(rows, b / 2);
  for (std::int64_t k = 0; k < curved; ++k) {
    // The pixel at x = A + 2 always fails, so the step stops inside the box.
    while (std::min(vertical, horizontal) < 0) {
      horizontal += columnStep;
      vertical += columnStep + 4 * bb;
      columnStep += 8 * bb;
      --inset;
    }
    out[k] = static_cast<std::int32_t>(inset);
    horizontal += rowStep;
    vertical += rowStep + 4 * aa;
    rowStep += 8 * aa;
  }
  for (std::int64_t k = curved; k < rows; ++k) out[k] = 0;
}

std::uint64_t EllipseProfile::Inset(std::uint64_t k) const {
  const std::uint64_t absY = b2_ - 2 * k;
  return (a2_ - HalfWidth2(absY)) / 2;
}

RowShape::RowShape(const Box& box, std::uint64_t cw, std::uint64_t ch, bool square)
    : box_(box), corner_(square ? 1 : cw, square ? 1 : ch) {
  cornerRows_ = square ? 0 : (ch + 1) / 2;
  if (corner_.Small() && !corner_.Tiny() && cornerRows_ <= kCacheRows) {
    if (cornerRows_ > kInlineRows) heap_.resize(cornerRows_);
    corner_.Insets(Insets(), static_cast<std::int64_t>(cornerRows_));
    cached_ = true;
  }
}

RowShape RowShape::Ellipse(const Box& box) {
  return RowShape(box, static_cast<std::uint64_t>(box.Width()), static_cast<std::uint64_t>(box.Height()), false);
}

RowShape RowShape::RoundRect(const Box& box, std::int64_t cw, std::int64_t ch) {
  const bool square = cw <= 2 || ch <= 2;
  return RowShape(box, static_cast<std::uint64_t>(std::max<std::int64_t>(cw, 1)),
                  static_cast<std::uint64_t>(std::max<std::int64_t>(ch, 1)), square);
}

void PaintRowShape(const PixelTarget& target, const RowShape& shape, std::uint32_t pen, std::uint32_t brush) {
  const Box& box = shape.box();
  const std::int64_t y0 = std::max<std::int64_t>(box.top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(box.bottom, target.height);
  if (y0 >= y1) return;
  const std::int64_t lastColumn = target.width - 1;
  // Paints [x0, x1] of a row, clipped to the surface's columns.
  auto paint = [&](std::uint32_t* row, std::int64_t x0, std::int64_t x1, std::uint32_t pixel) {
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min(x1, lastColumn);
    if (x0 <= x1) FillPixels(row + x0, x1 - x0 + 1, pixel);
  };
  Span above = shape.SpanAt(y0 - 1);
  Span row = shape.SpanAt(y0);
  for (std::int64_t y = y0; y < y1; ++y) {
    const Span below = shape.SpanAt(y + 1);
    const RowParts parts = PartsOfRow(above, row, below);
    std::uint32_t* const bits = target.bits + y * target.width;
    if (parts.inner.Empty() || pen == brush) {
      paint(bits, row.left, row.right, pen);
    } else {
      paint(bits, row.left, parts.inner.left - 1, pen);
      paint(bits, parts.inner.left, parts.inner.right, brush);
      paint(bits, parts.inner.right + 1, row.right, pen);
    }
    above = row;
    row = below;
  }
}

}  // namespace pelmoro::raster
