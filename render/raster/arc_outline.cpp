#include "render/raster/arc_outline.h"

#include <cmath>
#include <cstdlib>

#include "render/raster/raster_math.h"

namespace pelmoro::raster {

namespace {

template <typename T>
int Compare(T l, T r) {
  return (l > r) - (l < r);
}

// 0 for angles in [0°, 180°), 1 for [180°, 360°).
int Half(const Dir& a) { return (a.v > 0 || (a.v == 0 && a.u > 0)) ? 0 : 1; }

// 0 when the counter-clockwise turn from s to a is in [0°, 180°), 1 when in [180°, 360°).
int HalfFrom(const Dir& s, const Dir& a) {
  const int c = CrossSign(s, a);
  if (c != 0) return c > 0 ? 0 : 1;
  return DotSign(s, a) > 0 ? 0 : 1;
}

// Finds the first y in [lo, hi] for which pred holds, pred being false then true over the
// range; hi + 1 when it never holds.
template <typename Pred>
std::int64_t FindFirst(std::int64_t lo, std::int64_t hi, Pred pred) {
  std::int64_t end = hi + 1;
  while (lo < end) {
    const std::int64_t mid = lo + (end - lo) / 2;
    if (pred(mid)) {
      end = mid;
    } else {
      lo = mid + 1;
    }
  }
  return end;
}

// The same search starting from a guess: it steps away from the guess in doubling strides
// until the answer is bracketed, then bisects, so a guess next to the answer takes two
// tests of pred and a poor one costs no more than twice a plain bisection.
template <typename Pred>
std::int64_t FindFirstFrom(std::int64_t lo, std::int64_t hi, std::int64_t guess, Pred pred) {
  if (lo > hi) return hi + 1;
  guess = std::clamp(guess, lo, hi);
  std::int64_t step = 1;
  if (pred(guess)) {
    std::int64_t holds = guess;  // pred(holds) is true
    while (true) {
      const std::int64_t probe = holds - step;
      if (probe < lo) return FindFirst(lo, holds - 1, pred);
      if (!pred(probe)) return FindFirst(probe + 1, holds - 1, pred);
      holds = probe;
      step *= 2;
    }
  }
  std::int64_t fails = guess;  // pred(fails) is false
  while (true) {
    const std::int64_t probe = fails + step;
    if (probe > hi) return FindFirst(fails + 1, hi, pred);
    if (pred(probe)) return FindFirst(fails + 1, probe - 1, pred);
    fails = probe;
    step *= 2;
  }
}

// A guessed index, rounded and kept in a range every search accepts.
std::int64_t GuessIndex(double index) {
  if (!(index > 0)) return 0;
  return index < 1e15 ? static_cast<std::int64_t>(index + 0.5) : std::int64_t{1} << 50;
}

// The piece whose angles start at the quadrant of d: every piece before it holds only
// smaller angles.
PieceKind FirstPieceFor(const Dir& d) {
  if (d.v > 0) return d.u > 0 ? PieceKind::RightUp : d.u == 0 ? PieceKind::TopColumn : PieceKind::LeftDownUpper;
  if (d.v == 0) return d.u > 0 ? PieceKind::RightUp : PieceKind::LeftDownLower;
  return d.u < 0 ? PieceKind::LeftDownLower : d.u == 0 ? PieceKind::BottomColumn : PieceKind::RightUpLower;
}

}  // namespace

// Components are below 2^34, so the products need 128 bits.
int CrossSign(const Dir& a, const Dir& b) {
  return Compare(static_cast<i128>(a.u) * b.v, static_cast<i128>(a.v) * b.u);
}
int DotSign(const Dir& a, const Dir& b) { return Compare(static_cast<i128>(a.u) * b.u, -static_cast<i128>(a.v) * b.v); }

bool AngleLess(const Dir& a, const Dir& b) {
  const int ha = Half(a);
  const int hb = Half(b);
  if (ha != hb) return ha < hb;
  return CrossSign(a, b) > 0;
}

Sector::Sector(const Dir& s, const Dir& e) : s_(s), e_(e), halfE_(HalfFrom(s, e)) {}

bool Sector::Contains(const Dir& a) const {
  const int ha = HalfFrom(s_, a);
  if (ha != halfE_) return ha < halfE_;
  return CrossSign(a, e_) > 0;
}

ArcOutline::ArcOutline(const Box& box)
    : box_(box),
      shape_(RowShape::Ellipse(box)),
      maxInset_(
          EllipseProfile(static_cast<std::uint64_t>(box.Width()), static_cast<std::uint64_t>(box.Height())).MaxInset()),
      oddWidth_((box.Width() & 1) != 0),
      cx_(box.left + box.Width() / 2),
      cy_(box.top + box.Height() / 2) {
  if (!shape_.Cached()) {
    recent_ = std::make_unique<std::array<RecentRow, 8>>();
    recent_->fill({box.top - 2, {}});
  }
  BuildPieces();
}

RowParts ArcOutline::RecentPartsAt(std::int64_t y) const {
  RecentRow& slot = (*recent_)[static_cast<std::size_t>(y & 7)];
  if (slot.y != y) {
    slot.y = y;
    slot.parts = PartsOfRow(SpanOf(y - 1), SpanOf(y), SpanOf(y + 1));
  }
  return slot.parts;
}

Span ArcOutline::RowPart(const Piece& piece, std::int64_t y) const {
  if (piece.kind == PieceKind::TopColumn || piece.kind == PieceKind::BottomColumn) return {cx_, cx_};
  return RowPart(piece, y, PartsAt(y));
}

Pix ArcOutline::FirstOf(const Piece& piece) const {
  const std::int64_t y = piece.RowAt(0);
  return FirstOf(piece, y, RowPart(piece, y));
}

Pix ArcOutline::LastOf(const Piece& piece) const {
  const std::int64_t y = piece.RowAt(piece.Rows() - 1);
  return LastOf(piece, y, RowPart(piece, y));
}

WalkKey ArcOutline::KeyOf(std::int64_t x, std::int64_t y) const {
  PieceKind kind;
  if (y < cy_) {
    kind = x > cx_ ? PieceKind::RightUp : x == cx_ ? PieceKind::TopColumn : PieceKind::LeftDownUpper;
  } else if (y == cy_) {
    kind = x >= cx_ ? PieceKind::RightUp : PieceKind::LeftDownLower;
  } else {
    kind = x > cx_ ? PieceKind::RightUpLower : x == cx_ ? PieceKind::BottomColumn : PieceKind::LeftDownLower;
  }
  return KeyIn(kind, x, y);
}

// Within the piece of d's quadrant (or a later one), rows and then columns are searched
// from where the ray of d meets the curve, so a search usually takes a few tests.
Pix ArcOutline::FirstAtOrAfter(const Dir& d) const {
  const PieceKind first = FirstPieceFor(d);
  const RayHit hit = HitOf(d);
  for (const Piece& piece : *this) {
    if (piece.kind < first) continue;
    const std::int64_t rowGuess = GuessIndex(piece.up ? piece.rowHigh - hit.y : hit.y - piece.rowLow);
    const std::int64_t i = FindFirstFrom(0, piece.Rows() - 1, rowGuess, [&](std::int64_t index) {
      const std::int64_t y = piece.RowAt(index);
      return !AngleLess(DirOf(LastOf(piece, y, RowPart(piece, y))), d);
    });
    if (i == piece.Rows()) continue;  // every pixel of the piece lies before d
    const std::int64_t y = piece.RowAt(i);
    const Span s = RowPart(piece, y);
    // The ray's column on this row.
    const double x = d.v != 0 ? static_cast<double>(cx_) + static_cast<double>(cy_ - y) * d.u / d.v : hit.x;
    const std::int64_t columnGuess = GuessIndex(piece.ascending ? x - s.left : s.right - x);
    const std::int64_t j = FindFirstFrom(0, s.right - s.left, columnGuess, [&](std::int64_t index) {
      const std::int64_t column = piece.ascending ? s.left + index : s.right - index;
      return !AngleLess(DirOf(column, y), d);
    });
    return {piece.ascending ? s.left + j : s.right - j, y};
  }
  return FirstOf(pieces_[0]);
}

// Where the ray in direction d meets the ellipse through the pixel centres of the box's
// outermost rows and columns, taken from the box's centre rather than C (at most half a
// pixel apart), in floating point: only a guess for the searches.
ArcOutline::RayHit ArcOutline::HitOf(const Dir& d) const {
  const double ra = static_cast<double>(box_.Width() - 1) / 2;
  const double rb = static_cast<double>(box_.Height() - 1) / 2;
  // The point t (u, v) with (t u / ra)^2 + (t v / rb)^2 = 1. Components are below 2^34 and
  // the radii below 2^31, so no term comes near the range of a double.
  const double u = static_cast<double>(d.u);
  const double v = static_cast<double>(d.v);
  const double t = ra * rb / std::sqrt(u * u * rb * rb + v * v * ra * ra);
  if (!(t < 1e300)) return {static_cast<double>(cx_), static_cast<double>(cy_)};  // a box 1 pixel wide or high
  return {static_cast<double>(box_.left) + ra + t * u, static_cast<double>(box_.top) + rb - t * v};
}

// Whether row y has no pixel right of column C.x (an odd width's top or bottom rows).
bool ArcOutline::Narrow(std::int64_t y) const {
  const Span s = SpanOf(y);
  return static_cast<std::uint64_t>(s.left - box_.left) == maxInset_;
}

void ArcOutline::BuildPieces() {
  const std::int64_t top = box_.top;
  const std::int64_t bottom = box_.bottom - 1;
  // Narrow rows are a prefix of the rows above C and a suffix of the rows below it, and
  // few: the searches start at the edges.
  const std::int64_t y0 = FindFirstFrom(top, cy_ - 1, top, [&](std::int64_t y) { return !Narrow(y); });
  const std::int64_t z = FindFirstFrom(cy_ + 1, bottom, bottom, [&](std::int64_t y) { return Narrow(y); });
  // Row C.y reaches left of C.x unless it is narrow itself.
  const bool middleReachesLeft = !oddWidth_ || !Narrow(cy_);

  auto add = [&](PieceKind kind, std::int64_t rowLow, std::int64_t rowHigh) {
    if (rowLow <= rowHigh) pieces_[count_++] = {kind, rowLow, rowHigh, WalksUp(kind), WalksRight(kind)};
  };
  add(PieceKind::RightUp, y0, cy_);
  add(PieceKind::TopColumn, top, cy_ == top ? top - 1 : std::max(top, y0 - 1));
  add(PieceKind::LeftDownUpper, oddWidth_ ? y0 : top, cy_ - 1);
  add(PieceKind::LeftDownLower, cy_, middleReachesLeft ? (oddWidth_ ? z - 1 : bottom) : cy_ - 1);
  add(PieceKind::BottomColumn, cy_ == bottom ? bottom + 1 : std::min(bottom, z), bottom);
  add(PieceKind::RightUpLower, cy_ + 1, z - 1);
}

}  // namespace pelmoro::raster
