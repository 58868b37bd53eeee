#include "render/raster/arc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
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

// Signs of cross and dot products; components are below 2^34, products need 128 bits.
template <typename T>
int Compare(T l, T r) {
  return (l > r) - (l < r);
}
int CrossSign(const Dir& a, const Dir& b) {
  return Compare(static_cast<i128>(a.u) * b.v, static_cast<i128>(a.v) * b.u);
}
int DotSign(const Dir& a, const Dir& b) { return Compare(static_cast<i128>(a.u) * b.u, -static_cast<i128>(a.v) * b.v); }

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

  Span SpanOf(std::int64_t y) const { return shape_.SpanAt(y); }

  // The outline and interior of row y.
  RowParts PartsAt(std::int64_t y) const {
    if (shape_.Cached()) return PartsOfRow(SpanOf(y - 1), SpanOf(y), SpanOf(y + 1));
    auto& slot = cache_[static_cast<std::size_t>(y & 7)];
    if (slot.first != y) {
      slot.first = y;
      slot.second = PartsOfRow(SpanOf(y - 1), SpanOf(y), SpanOf(y + 1));
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

  // The outline pixels of one row that one piece holds: columns [left, right], walked left
  // to right when ascending. Every pixel of a run has the walk key (piece, row, column)
  // with the same piece and row, and the keys grow along the walk.
  struct PieceRun {
    int piece;
    std::int64_t row;
    bool ascending;
    std::int64_t left;
    std::int64_t right;
    std::int64_t Size() const { return right - left + 1; }
    // How many pixels of the run come before key in the walk.
    std::int64_t CountBefore(const WalkKey& key) const {
      if (piece != key.piece || row != key.row) return std::tie(piece, row) < std::tie(key.piece, key.row) ? Size() : 0;
      // The column key is x for an ascending run and -x for the others.
      return std::clamp<std::int64_t>(ascending ? key.column - left : right + key.column, 0, Size());
    }
    // The columns of the walk positions [from, to) of the run (0 <= from < to <= Size()).
    Span Columns(std::int64_t from, std::int64_t to) const {
      if (ascending) return {left + from, left + to - 1};
      return {right - to + 1, right - from};
    }
  };

  // Calls f(run) for the pieces' parts of the outline pixels [xa, xb] of row y, a run of
  // one side of the row or the whole row; the same pieces as KeyOf gives.
  template <typename F>
  void ForEachPieceRun(std::int64_t y, std::int64_t xa, std::int64_t xb, F f) const {
    auto run = [&](PieceKind kind, std::int64_t l, std::int64_t r) {
      if (l > r) return;
      const bool up = kind != PieceKind::LeftDownUpper && kind != PieceKind::LeftDownLower;
      const bool ascending = kind == PieceKind::LeftDownLower || kind == PieceKind::RightUpLower;
      f(PieceRun{static_cast<int>(kind), up ? -y : y, ascending, l, r});
    };
    if (xb < cx_) {
      run(y < cy_ ? PieceKind::LeftDownUpper : PieceKind::LeftDownLower, xa, xb);
    } else if (xa > cx_) {
      run(y <= cy_ ? PieceKind::RightUp : PieceKind::RightUpLower, xa, xb);
    } else if (y < cy_) {
      run(PieceKind::LeftDownUpper, xa, cx_ - 1);
      run(PieceKind::TopColumn, cx_, cx_);
      run(PieceKind::RightUp, cx_ + 1, xb);
    } else if (y == cy_) {
      run(PieceKind::LeftDownLower, xa, cx_ - 1);
      run(PieceKind::RightUp, cx_, xb);
    } else {
      run(PieceKind::LeftDownLower, xa, cx_ - 1);
      run(PieceKind::BottomColumn, cx_, cx_);
      run(PieceKind::RightUpLower, cx_ + 1, xb);
    }
  }

  // The first outline pixel in walk order whose angle is at or past that of d; the first
  // pixel of the walk when there is none. The pieces before the one of d's quadrant hold
  // only smaller angles; within a piece, rows and then columns are searched from where the
  // ray of d meets the curve.
  Pix FirstAtOrAfter(const Dir& d) const {
    const PieceKind first = d.v > 0    ? (d.u > 0    ? PieceKind::RightUp
                                          : d.u == 0 ? PieceKind::TopColumn
                                                     : PieceKind::LeftDownUpper)
                            : d.v == 0 ? (d.u > 0 ? PieceKind::RightUp : PieceKind::LeftDownLower)
                                       : (d.u < 0    ? PieceKind::LeftDownLower
                                          : d.u == 0 ? PieceKind::BottomColumn
                                                     : PieceKind::RightUpLower);
    const RayHit hit = HitOf(d);
    for (const Piece& piece : *this) {
      if (piece.kind < first) continue;
      const std::int64_t rowGuess = GuessIndex(piece.up ? piece.rowHigh - hit.y : hit.y - piece.rowLow);
      const std::int64_t i = FindFirstFrom(0, piece.Rows() - 1, rowGuess, [&](std::int64_t index) {
        return !AngleLess(DirOf(LastOfRow(piece, piece.RowAt(index))), d);
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

 private:
  // Where the ray from C in direction d meets the ellipse through the pixel centres of the
  // box's outermost rows and columns, in floating point: only a guess for the searches.
  struct RayHit {
    double x;
    double y;
  };
  RayHit HitOf(const Dir& d) const {
    const double ra = static_cast<double>(box_.Width() - 1) / 2;
    const double rb = static_cast<double>(box_.Height() - 1) / 2;
    if (ra <= 0 || rb <= 0) return {static_cast<double>(cx_), static_cast<double>(cy_)};
    // C relative to the ellipse's centre, and the ray C + t (u, -v) on the screen.
    const double ox = static_cast<double>(cx_ - box_.left) - ra;
    const double oy = static_cast<double>(cy_ - box_.top) - rb;
    const double u = static_cast<double>(d.u);
    const double v = static_cast<double>(d.v);
    const double qa = u * u / (ra * ra) + v * v / (rb * rb);
    const double qb = 2 * (ox * u / (ra * ra) - oy * v / (rb * rb));
    const double qc = ox * ox / (ra * ra) + oy * oy / (rb * rb) - 1;
    const double t = (-qb + std::sqrt(std::max(0.0, qb * qb - 4 * qa * qc))) / (2 * qa);
    return {static_cast<double>(cx_) + t * u, static_cast<double>(cy_) - t * v};
  }
  // A guessed index, rounded and kept in a range every search accepts.
  static std::int64_t GuessIndex(double index) {
    if (!(index > 0)) return 0;
    return index < 1e15 ? static_cast<std::int64_t>(index + 0.5) : std::int64_t{1} << 50;
  }

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
  mutable std::array<std::pair<std::int64_t, RowParts>, 8> cache_;  // recent rows of a tall figure
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
  // S and E on one ray give the whole ellipse; an arc then needs neither end pixel.
  const bool oneRay = CrossSign(dS, dE) == 0 && DotSign(dS, dE) > 0;
  const Pix ps = kind == ArcKind::Arc && oneRay ? Pix{} : outline.FirstAtOrAfter(dS);
  const bool whole = oneRay || !Sector(dS, dE).Contains(outline.DirOf(ps));
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
  for (std::size_t i = 0; kind != ArcKind::Arc && i < outline.count(); ++i) {
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
  // The sides among the joins, and the closing lines, stepped from row to row.
  struct LongEdge {
    EdgeStepper crossing;
    std::int64_t top;
    std::int64_t bottom;
    int direction;
  };
  std::array<LongEdge, 8> longEdges{};
  std::size_t longCount = 0;
  auto addLongEdge = [&](const WalkEdge& e) {
    if (e.a.y == e.b.y) return;
    longEdges[longCount++] = {EdgeStepper(e.a.x, e.a.y, e.b.x, e.b.y, y0), std::min(e.a.y, e.b.y),
                              std::max(e.a.y, e.b.y), e.b.y > e.a.y ? 1 : -1};
  };
  for (std::size_t i = 0; i < joinCount; ++i) {
    if (isSide(joins[i].a, joins[i].b)) addLongEdge(joins[i]);
  }
  for (std::size_t i = 0; i < closingCount; ++i) addLongEdge(closing[i]);
  // Spans of rows y and y + 1 and the parts of row y + 1, carried from row to row.
  Span spanRow = outline.SpanOf(y0);
  Span spanBelow = outline.SpanOf(y0 + 1);
  RowParts next = PartsOfRow(outline.SpanOf(y0 - 1), spanRow, spanBelow);
  const std::int64_t lastColumn = target.width - 1;
  for (std::int64_t y = y0; y < y1; ++y) {
    const RowParts parts = next;
    const Span spanBelow2 = outline.SpanOf(y + 2);
    next = PartsOfRow(spanRow, spanBelow, spanBelow2);
    spanRow = spanBelow;
    spanBelow = spanBelow2;
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
      for (std::size_t i = 0; i < longCount; ++i) {
        LongEdge& e = longEdges[i];
        if (y >= e.top && y < e.bottom) crossings.push_back({e.crossing.x(), e.direction});
        e.crossing.Next();
      }
      FillCrossings(target, y, crossings, FillRule::Winding, brush);
    }
    // The outline pixels of the row that belong to the arc, run by run; for a chord or a
    // pie also Pe, the vertex the arc leaves out.
    std::uint32_t* const row = target.bits + y * target.width;
    auto paintColumns = [&](const Span& s) { FillPixels(row + s.left, s.right - s.left + 1, pen); };
    auto paintRun = [&](const ArcOutline::PieceRun& run) {
      const std::int64_t from = run.CountBefore(keyS);
      const std::int64_t to = run.CountBefore(keyE);
      if (!wraps) {
        if (from < to) paintColumns(run.Columns(from, to));
        return;
      }
      if (from < run.Size()) paintColumns(run.Columns(from, run.Size()));
      if (to > 0) paintColumns(run.Columns(0, to));
    };
    // Only the visible columns of an outline run are classified.
    auto paintOutline = [&](std::int64_t xa, std::int64_t xb) {
      xa = std::max<std::int64_t>(xa, 0);
      xb = std::min(xb, lastColumn);
      if (xa > xb) return;
      if (whole) return paintColumns({xa, xb});
      outline.ForEachPieceRun(y, xa, xb, paintRun);
    };
    if (parts.inner.Empty()) {
      paintOutline(parts.span.left, parts.span.right);
    } else {
      paintOutline(parts.span.left, parts.inner.left - 1);
      paintOutline(parts.inner.right + 1, parts.span.right);
    }
    if (kind != ArcKind::Arc && y == pe.y && pe.x >= 0 && pe.x <= lastColumn) row[pe.x] = pen;
  }
  for (std::size_t i = 0; i < closingCount; ++i) {
    DrawLine(target, closing[i].a.x, closing[i].a.y, closing[i].b.x, closing[i].b.y, pen);
  }
}

}  // namespace pelmoro::raster
