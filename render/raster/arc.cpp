#include "render/raster/arc.h"

#include <algorithm>
#include <array>
#include <vector>

#include "render/raster/ellipse.h"
#include "render/raster/line.h"
#include "render/raster/polygon.h"
#include "render/raster/raster_math.h"

namespace pelmoro::raster {

namespace {

struct Pix {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Pix&, const Pix&) = default;
};

// A direction in mathematical orientation (v grows upward), never (0, 0).
struct Dir {
  std::int64_t u = 1;
  std::int64_t v = 0;
};

// Signs of cross and dot products, in 64 bits when every component is below 2^31.
bool Small31(std::int64_t x) {
  return static_cast<std::uint64_t>(x + (std::int64_t{1} << 31)) < (std::uint64_t{1} << 32);
}
bool AllSmall(const Dir& a, const Dir& b) { return Small31(a.u) && Small31(a.v) && Small31(b.u) && Small31(b.v); }
template <typename T>
int Compare(T l, T r) {
  return (l > r) - (l < r);
}
int CrossSign(const Dir& a, const Dir& b) {
  if (AllSmall(a, b)) return Compare(a.u * b.v, a.v * b.u);
  return Compare(static_cast<i128>(a.u) * b.v, static_cast<i128>(a.v) * b.u);
}
int DotSign(const Dir& a, const Dir& b) {
  if (AllSmall(a, b)) return Compare(a.u * b.u, -a.v * b.v);
  return Compare(static_cast<i128>(a.u) * b.u, -static_cast<i128>(a.v) * b.v);
}

// 0 for angles in [0°, 180°), 1 for [180°, 360°).
int Half(const Dir& a) { return (a.v > 0 || (a.v == 0 && a.u > 0)) ? 0 : 1; }

// angle(a) < angle(b), angles in [0°, 360°).
bool AngleLess(const Dir& a, const Dir& b) {
  const int ha = Half(a);
  const int hb = Half(b);
  if (ha != hb) return ha < hb;
  return CrossSign(a, b) > 0;
}

// 0 when the counter-clockwise turn from s to a is in [0°, 180°), 1 when in [180°, 360°).
int HalfFrom(const Dir& s, const Dir& a) {
  const int c = CrossSign(s, a);
  if (c != 0) return c > 0 ? 0 : 1;
  return DotSign(s, a) > 0 ? 0 : 1;
}

// The directions whose counter-clockwise turn from s is smaller than that of e.
class Sector {
 public:
  Sector(const Dir& s, const Dir& e) : s_(s), e_(e), halfE_(HalfFrom(s, e)) {}
  bool Contains(const Dir& a) const {
    const int ha = HalfFrom(s_, a);
    if (ha != halfE_) return ha < halfE_;
    return CrossSign(a, e_) > 0;
  }

 private:
  Dir s_;
  Dir e_;
  int halfE_;
};

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

// Figures up to this size keep the spans of all their rows.
constexpr std::int64_t kDirectRows = 4096;

enum class PieceKind { RightUp, TopColumn, LeftDownUpper, LeftDownLower, BottomColumn, RightUpLower };

struct Piece {
  PieceKind kind = PieceKind::RightUp;
  std::int64_t rowLow = 0;  // rows rowLow .. rowHigh
  std::int64_t rowHigh = -1;
  bool up = false;         // walked from rowHigh up to rowLow
  bool ascending = false;  // pixels of a row walked left to right
  bool Empty() const { return rowLow > rowHigh; }
  std::int64_t Rows() const { return rowHigh - rowLow + 1; }
  std::int64_t RowAt(std::int64_t i) const { return up ? rowHigh - i : rowLow + i; }
  bool HasRow(std::int64_t y) const { return y >= rowLow && y <= rowHigh; }
};

class ArcOutline {
 public:
  explicit ArcOutline(const Box& box)
      : box_(box),
        shape_(RowShape::Ellipse(box)),
        maxInset_(EllipseProfile(static_cast<std::uint64_t>(box.Width()), static_cast<std::uint64_t>(box.Height()))
                      .MaxInset()),
        oddWidth_((box.Width() & 1) != 0),
        cx_(box.left + box.Width() / 2),
        cy_(box.top + box.Height() / 2) {
    cache_.fill({box.top - 2, {}});
    if (box.Height() <= kDirectRows && box.Width() <= kDirectRows) {
      // Spans of rows top - 1 .. bottom, the outer two empty.
      spans_.resize(static_cast<std::size_t>(box.Height()) + 2);
      for (std::int64_t y = box.top; y < box.bottom; ++y) {
        spans_[static_cast<std::size_t>(y - box.top + 1)] = shape_.SpanAt(y);
      }
    }
    BuildPieces();
  }

  std::int64_t cx() const { return cx_; }
  std::int64_t cy() const { return cy_; }
  const Piece* begin() const { return pieces_.data(); }
  const Piece* end() const { return pieces_.data() + count_; }
  std::size_t count() const { return count_; }
  const Piece& piece(std::size_t i) const { return pieces_[i]; }

  Dir DirOf(std::int64_t x, std::int64_t y) const {
    Dir d{x - cx_, cy_ - y};
    if (d.u == 0 && d.v == 0) d = Dir{1, 0};
    return d;
  }
  Dir DirOf(const Pix& p) const { return DirOf(p.x, p.y); }

  Span SpanOf(std::int64_t y) const {
    if (spans_.empty()) return shape_.SpanAt(y);
    if (y < box_.top - 1 || y > box_.bottom) return {};
    return spans_[static_cast<std::size_t>(y - box_.top + 1)];
  }

  // The outline and interior of row y.
  RowParts PartsAt(std::int64_t y) const {
    if (!spans_.empty()) return PartsOfRow(SpanOf(y - 1), SpanOf(y), SpanOf(y + 1));
    auto& slot = cache_[static_cast<std::size_t>(y & 7)];
    if (slot.first != y) {
      slot.first = y;
      slot.second = PartsOfRow(shape_.SpanAt(y - 1), shape_.SpanAt(y), shape_.SpanAt(y + 1));
    }
    return slot.second;
  }

  // The outline pixels of row y within columns [xlo, xhi] (one interval for every range a
  // piece uses, since the interior of a row with one always contains column C.x).
  static Span OutlineWithin(const RowParts& parts, std::int64_t xlo, std::int64_t xhi) {
    if (parts.inner.Empty()) return {std::max(parts.span.left, xlo), std::min(parts.span.right, xhi)};
    const Span left{std::max(parts.span.left, xlo), std::min(parts.inner.left - 1, xhi)};
    if (!left.Empty()) return left;
    return {std::max(parts.inner.right + 1, xlo), std::min(parts.span.right, xhi)};
  }

  // The pixels of row y (with outline parts `parts`) in the piece.
  Span RowPart(const Piece& piece, std::int64_t y, const RowParts& parts) const {
    constexpr std::int64_t kFar = INT64_MAX / 4;
    switch (piece.kind) {
      case PieceKind::RightUp:
        return OutlineWithin(parts, y == cy_ ? cx_ : cx_ + 1, kFar);
      case PieceKind::TopColumn:
      case PieceKind::BottomColumn:
        return {cx_, cx_};
      case PieceKind::LeftDownUpper:
      case PieceKind::LeftDownLower:
        return OutlineWithin(parts, -kFar, cx_ - 1);
      case PieceKind::RightUpLower:
        return OutlineWithin(parts, cx_ + 1, kFar);
    }
    return {};
  }
  Span RowPart(const Piece& piece, std::int64_t y) const {
    if (piece.kind == PieceKind::TopColumn || piece.kind == PieceKind::BottomColumn) return {cx_, cx_};
    return RowPart(piece, y, PartsAt(y));
  }
  static Pix FirstOf(const Piece& piece, std::int64_t y, const Span& s) {
    return {piece.ascending ? s.left : s.right, y};
  }
  static Pix LastOf(const Piece& piece, std::int64_t y, const Span& s) {
    return {piece.ascending ? s.right : s.left, y};
  }
  Pix FirstOfRow(const Piece& piece, std::int64_t y) const { return FirstOf(piece, y, RowPart(piece, y)); }
  Pix LastOfRow(const Piece& piece, std::int64_t y) const { return LastOf(piece, y, RowPart(piece, y)); }
  Pix FirstOf(const Piece& piece) const { return FirstOfRow(piece, piece.RowAt(0)); }
  Pix LastOf(const Piece& piece) const { return LastOfRow(piece, piece.RowAt(piece.Rows() - 1)); }

  // The position of outline pixel (x, y) in the walk, as a key ordered like the walk:
  // the piece, then the row, then the column, each in the piece's direction.
  struct WalkKey {
    int piece;
    std::int64_t row;
    std::int64_t column;
    friend auto operator<=>(const WalkKey&, const WalkKey&) = default;
  };
  WalkKey KeyOf(std::int64_t x, std::int64_t y) const {
    PieceKind kind;
    if (y < cy_) {
      kind = x > cx_ ? PieceKind::RightUp : x == cx_ ? PieceKind::TopColumn : PieceKind::LeftDownUpper;
    } else if (y == cy_) {
      kind = x >= cx_ ? PieceKind::RightUp : PieceKind::LeftDownLower;
    } else {
      kind = x > cx_ ? PieceKind::RightUpLower : x == cx_ ? PieceKind::BottomColumn : PieceKind::LeftDownLower;
    }
    // Pieces walk their rows upward, except the two on the left; the lower pieces walk
    // their pixels left to right.
    const bool up = kind != PieceKind::LeftDownUpper && kind != PieceKind::LeftDownLower;
    const bool ascending = kind == PieceKind::LeftDownLower || kind == PieceKind::RightUpLower;
    return {static_cast<int>(kind), up ? -y : y, ascending ? x : -x};
  }
  WalkKey KeyOf(const Pix& p) const { return KeyOf(p.x, p.y); }

  // The first outline pixel in walk order whose angle is at or past that of d; the first
  // pixel of the walk when there is none.
  Pix FirstAtOrAfter(const Dir& d) const {
    for (const Piece& piece : *this) {
      if (AngleLess(DirOf(LastOf(piece)), d)) continue;
      const std::int64_t i = FindFirst(0, piece.Rows() - 1, [&](std::int64_t index) {
        return !AngleLess(DirOf(LastOfRow(piece, piece.RowAt(index))), d);
      });
      const std::int64_t y = piece.RowAt(i);
      const Span s = RowPart(piece, y);
      const std::int64_t j = FindFirst(0, s.right - s.left, [&](std::int64_t index) {
        const std::int64_t x = piece.ascending ? s.left + index : s.right - index;
        return !AngleLess(DirOf(x, y), d);
      });
      return {piece.ascending ? s.left + j : s.right - j, y};
    }
    return FirstOf(pieces_[0]);
  }

 private:
  bool Narrow(std::int64_t y) const {
    const Span s = SpanOf(y);
    return static_cast<std::uint64_t>(s.left - box_.left) == maxInset_;
  }
  // Whether row y has pixels left of column C.x.
  bool ReachesLeft(std::int64_t y) const { return !oddWidth_ || !Narrow(y); }

  void BuildPieces() {
    const std::int64_t top = box_.top;
    const std::int64_t bottom = box_.bottom - 1;
    // Narrow rows (no pixel right of C.x) are a prefix of the rows above C and a suffix
    // of the rows below it.
    const std::int64_t y0 = FindFirst(top, cy_ - 1, [&](std::int64_t y) { return !Narrow(y); });
    const std::int64_t z = FindFirst(cy_ + 1, bottom, [&](std::int64_t y) { return Narrow(y); });

    Piece rightUp{PieceKind::RightUp, y0, cy_, true, false};
    Piece topColumn{PieceKind::TopColumn, top, std::max(top, y0 - 1), true, false};
    if (cy_ == top) topColumn.rowHigh = top - 1;
    Piece leftUpper{PieceKind::LeftDownUpper, oddWidth_ ? y0 : top, cy_ - 1, false, false};
    Piece leftLower{PieceKind::LeftDownLower, cy_, ReachesLeft(cy_) ? (oddWidth_ ? z - 1 : bottom) : cy_ - 1, false,
                    true};
    Piece bottomColumn{PieceKind::BottomColumn, std::min(bottom, z), bottom, true, false};
    if (cy_ == bottom) bottomColumn.rowLow = bottom + 1;
    Piece rightLower{PieceKind::RightUpLower, cy_ + 1, z - 1, true, true};
    for (const Piece& p : {rightUp, topColumn, leftUpper, leftLower, bottomColumn, rightLower}) {
      if (!p.Empty()) pieces_[count_++] = p;
    }
  }

  Box box_;
  RowShape shape_;
  std::uint64_t maxInset_;
  bool oddWidth_;
  std::int64_t cx_;
  std::int64_t cy_;
  std::array<Piece, 6> pieces_{};
  std::size_t count_ = 0;
  std::vector<Span> spans_;                                         // all rows of a figure of few rows
  mutable std::array<std::pair<std::int64_t, RowParts>, 8> cache_;  // recent rows of a tall one
};

struct WalkEdge {
  Pix a;
  Pix b;
};

}  // namespace

void DrawArcFigure(const PixelTarget& target, const Rect& r, Point start, Point end, ArcKind kind, std::uint32_t pen,
                   std::uint32_t brush) {
  const Box box = NormalisedBox(r.left, r.top, r.right, r.bottom);
  if (box.Empty()) return;
  const ArcOutline outline(box);
  const Dir dS = outline.DirOf(start.x, start.y);
  const Dir dE = outline.DirOf(end.x, end.y);
  const Pix ps = outline.FirstAtOrAfter(dS);
  const Sector sector(dS, dE);
  const bool whole = !sector.Contains(outline.DirOf(ps));
  const Pix pe = whole ? ps : outline.FirstAtOrAfter(dE);
  const Pix centre{outline.cx(), outline.cy()};

  // The arc is the walk from Ps up to Pe (excluded); compared by walk position.
  using WalkKey = ArcOutline::WalkKey;
  const WalkKey keyS = outline.KeyOf(ps);
  const WalkKey keyE = outline.KeyOf(pe);
  const bool wraps = keyE <= keyS;  // Pe at or before Ps: a full turn is added
  auto inArc = [&](std::int64_t x, std::int64_t y) {
    if (whole) return true;
    const WalkKey k = outline.KeyOf(x, y);
    return wraps ? (k >= keyS || k < keyE) : (k >= keyS && k < keyE);
  };
  auto inVertices = [&](const Pix& p) { return p == pe || inArc(p.x, p.y); };
  // A walk edge is a side of the polygon when both ends are vertices, except Pe -> Ps,
  // which the closing line replaces.
  auto isSide = [&](const Pix& a, const Pix& b) { return inVertices(a) && inVertices(b) && !(a == pe && b == ps); };

  // Walk edges from one piece to the next, and the closing lines.
  std::array<WalkEdge, 6> joins;
  std::size_t joinCount = 0;
  for (std::size_t i = 0; i < outline.count(); ++i) {
    const Pix a = outline.LastOf(outline.piece(i));
    const Pix b = outline.FirstOf(outline.piece((i + 1) % outline.count()));
    if (a.y != b.y) joins[joinCount++] = {a, b};
  }
  std::array<WalkEdge, 2> closing;
  std::size_t closingCount = 0;
  if (kind == ArcKind::Chord) closing[closingCount++] = {pe, ps};
  if (kind == ArcKind::Pie) {
    closing[closingCount++] = {pe, centre};
    closing[closingCount++] = {centre, ps};
  }

  // The rows the figure can reach: each side of the walk is monotone in y, so the arc
  // lies between the rows of Ps and Pe, extended to the top or bottom row when it passes
  // the top or bottom of column C.x; a pie also reaches C.
  std::int64_t rowFirst = box.top;
  std::int64_t rowLast = box.bottom - 1;
  if (!whole) {
    rowFirst = std::min(ps.y, pe.y);
    rowLast = std::max(ps.y, pe.y);
    if (inArc(centre.x, box.top)) rowFirst = box.top;
    if (inArc(centre.x, box.bottom - 1)) rowLast = box.bottom - 1;
    if (kind == ArcKind::Pie) {
      rowFirst = std::min(rowFirst, centre.y);
      rowLast = std::max(rowLast, centre.y);
    }
  }
  const std::int64_t y0 = std::max<std::int64_t>(rowFirst, 0);
  const std::int64_t y1 = std::min<std::int64_t>(rowLast + 1, target.height);
  std::vector<Crossing> crossings;
  if (kind != ArcKind::Arc) crossings.reserve(16);
  auto addEdge = [&](const Pix& a, const Pix& b, std::int64_t y) {
    if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y)) return;
    crossings.push_back({EdgeCrossing(a.x, a.y, b.x, b.y, y), b.y > a.y ? 1 : -1});
  };
  RowParts next = outline.PartsAt(y0);
  for (std::int64_t y = y0; y < y1; ++y) {
    const RowParts parts = next;
    next = outline.PartsAt(y + 1);
    if (kind != ArcKind::Arc) {
      crossings.clear();
      for (const Piece& piece : outline) {
        if (!piece.HasRow(y) || !piece.HasRow(y + 1)) continue;
        const Span here = outline.RowPart(piece, y, parts);
        const Span below = outline.RowPart(piece, y + 1, next);
        const Pix a = piece.up ? ArcOutline::LastOf(piece, y + 1, below) : ArcOutline::LastOf(piece, y, here);
        const Pix b = piece.up ? ArcOutline::FirstOf(piece, y, here) : ArcOutline::FirstOf(piece, y + 1, below);
        if (isSide(a, b)) addEdge(a, b, y);
      }
      for (std::size_t i = 0; i < joinCount; ++i) {
        const WalkEdge& e = joins[i];
        if (y >= std::min(e.a.y, e.b.y) && y < std::max(e.a.y, e.b.y) && isSide(e.a, e.b)) addEdge(e.a, e.b, y);
      }
      for (std::size_t i = 0; i < closingCount; ++i) addEdge(closing[i].a, closing[i].b, y);
      FillCrossings(target, y, crossings, FillRule::Winding, brush);
    }
    // The outline pixels of the row that belong to the figure.
    auto paintRun = [&](std::int64_t xa, std::int64_t xb) {
      xa = std::max<std::int64_t>(xa, 0);
      xb = std::min<std::int64_t>(xb, target.width - 1);
      for (std::int64_t x = xa; x <= xb; ++x) {
        const bool on = kind == ArcKind::Arc ? inArc(x, y) : inVertices({x, y});
        if (on) target.bits[y * target.width + x] = pen;
      }
    };
    if (parts.inner.Empty()) {
      paintRun(parts.span.left, parts.span.right);
    } else {
      paintRun(parts.span.left, parts.inner.left - 1);
      paintRun(parts.inner.right + 1, parts.span.right);
    }
  }
  for (std::size_t i = 0; i < closingCount; ++i) {
    DrawLine(target, closing[i].a.x, closing[i].a.y, closing[i].b.x, closing[i].b.y, pen);
  }
}

}  // namespace pelmoro::raster
