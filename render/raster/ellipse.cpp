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

bool EllipseProfile::InsideSmall(std::uint64_t x, std::uint64_t absY) const {
  // Every term is below 2^60 for a box of at most 32768 pixels a side.
  const std::uint64_t aa = a2_ * a2_;
  const std::uint64_t bb = b2_ * b2_;
  const std::uint64_t limit = aa * bb;
  const std::uint64_t ym = absY - 1;
  const std::uint64_t xm = x - 1;
  return bb * x * x + aa * ym * ym < limit || bb * xm * xm + aa * absY * absY < limit;
}

void EllipseProfile::Insets(std::vector<std::int64_t>& out) const {
  if (!small_ || tiny_) {
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = static_cast<std::int64_t>(Inset(k));
    return;
  }
  // Rows nearer the middle are at least as wide: step the half-width outward.
  std::uint64_t hw = p_;
  for (std::size_t k = 0; k < out.size(); ++k) {
    const std::uint64_t absY = b2_ - 2 * k;
    if (absY <= 1) {
      hw = a2_;
    } else {
      while (hw + 2 <= a2_ && InsideSmall(hw + 2, absY)) hw += 2;
    }
    out[k] = static_cast<std::int64_t>((a2_ - hw) / 2);
  }
}

std::uint64_t EllipseProfile::Inset(std::uint64_t k) const {
  const std::uint64_t absY = b2_ - 2 * k;
  return (a2_ - HalfWidth2(absY)) / 2;
}

RowShape::RowShape(const Box& box, std::uint64_t cw, std::uint64_t ch, bool square)
    : box_(box), corner_(square ? 1 : cw, square ? 1 : ch) {
  cornerRows_ = square ? 0 : (ch + 1) / 2;
  if (corner_.Small() && cornerRows_ <= kCacheRows) {
    cache_.resize(cornerRows_);
    corner_.Insets(cache_);
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

std::uint64_t RowShape::InsetOfDistance(std::uint64_t k) const {
  if (k >= cornerRows_) return 0;
  if (!cache_.empty()) return static_cast<std::uint64_t>(cache_[k]);
  return corner_.Inset(k);
}

std::uint64_t RowShape::Inset(std::int64_t y) const {
  const std::int64_t k = std::min(y - box_.top, box_.bottom - 1 - y);
  return InsetOfDistance(static_cast<std::uint64_t>(k));
}

Span RowShape::SpanAt(std::int64_t y) const {
  if (y < box_.top || y >= box_.bottom) return {};
  const std::int64_t inset = static_cast<std::int64_t>(Inset(y));
  return {box_.left + inset, box_.right - 1 - inset};
}

RowParts PartsOfRow(const Span& above, const Span& row, const Span& below) {
  RowParts parts;
  parts.span = row;
  if (row.Empty() || above.Empty() || below.Empty()) return parts;
  parts.inner.left = std::max({above.left, below.left, row.left + 1});
  parts.inner.right = std::min({above.right, below.right, row.right - 1});
  return parts;
}

void PaintRowShape(const PixelTarget& target, const RowShape& shape, std::uint32_t pen, std::uint32_t brush) {
  const Box& box = shape.box();
  const std::int64_t y0 = std::max<std::int64_t>(box.top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(box.bottom, target.height);
  if (y0 >= y1) return;
  Span above = shape.SpanAt(y0 - 1);
  Span row = shape.SpanAt(y0);
  for (std::int64_t y = y0; y < y1; ++y) {
    const Span below = shape.SpanAt(y + 1);
    const RowParts parts = PartsOfRow(above, row, below);
    if (parts.inner.Empty()) {
      target.Span(y, row.left, row.right, pen);
    } else {
      target.Span(y, row.left, parts.inner.left - 1, pen);
      target.Span(y, parts.inner.left, parts.inner.right, brush);
      target.Span(y, parts.inner.right + 1, row.right, pen);
    }
    above = row;
    row = below;
  }
}

}  // namespace pelmoro::raster
