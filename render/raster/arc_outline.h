#pragma once
// The outline of an ellipse as the arcs walk it (see arc.h): six monotone pieces, walk
// keys that order the outline pixels like the walk, and the search for the first pixel at
// or past a direction.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>

#include "render/raster/ellipse.h"

namespace pelmoro::raster {

struct Pix {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Pix&, const Pix&) = default;
};

// A direction in mathematical orientation (v grows upward), never (0, 0). Components are
// differences of 32-bit coordinates.
struct Dir {
  std::int64_t u = 1;
  std::int64_t v = 0;
};

// The direction of pixel (x, y) from (cx, cy); the centre itself counts as 0°.
inline Dir DirFrom(std::int64_t cx, std::int64_t cy, std::int64_t x, std::int64_t y) {
  if (x == cx && y == cy) return Dir{1, 0};
  return Dir{x - cx, cy - y};
}

// Signs of the cross and dot products.
int CrossSign(const Dir& a, const Dir& b);
int DotSign(const Dir& a, const Dir& b);
// angle(a) < angle(b), angles in [0°, 360°).
bool AngleLess(const Dir& a, const Dir& b);

// The directions whose counter-clockwise turn from s is smaller than that of e.
class Sector {
 public:
  Sector(const Dir& s, const Dir& e);
  bool Contains(const Dir& a) const;

 private:
  Dir s_;
  Dir e_;
  int halfE_;
};

// The pieces in walk order: the right side going up (rows C.y .. top, pixels right of C.x
// and, on row C.y, C.x itself), the top of column C.x, the left side going down to
// C.y - 1, the left side from row C.y down, the bottom of column C.x, the right side going
// up to C.y + 1.
enum class PieceKind { RightUp, TopColumn, LeftDownUpper, LeftDownLower, BottomColumn, RightUpLower };

// Pieces walk their rows upward, except the two on the left; the lower pieces walk their
// pixels left to right.
constexpr bool WalksUp(PieceKind kind) { return kind != PieceKind::LeftDownUpper && kind != PieceKind::LeftDownLower; }
constexpr bool WalksRight(PieceKind kind) {
  return kind == PieceKind::LeftDownLower || kind == PieceKind::RightUpLower;
}

struct Piece {
  PieceKind kind;
  std::int64_t rowLow;  // rows rowLow .. rowHigh
  std::int64_t rowHigh;
  bool up;         // walked from rowHigh up to rowLow
  bool ascending;  // pixels of a row walked left to right
  bool Empty() const { return rowLow > rowHigh; }
  std::int64_t Rows() const { return rowHigh - rowLow + 1; }
  std::int64_t RowAt(std::int64_t i) const { return up ? rowHigh - i : rowLow + i; }
  bool HasRow(std::int64_t y) const { return y >= rowLow && y <= rowHigh; }
};

// The position of an outline pixel in the walk, as a key ordered like the walk: the
// piece, then the row, then the column, each in the piece's direction (the row is -y for
// the pieces walked up, the column -x for those walked right to left).
struct WalkKey {
  int piece;
  std::int64_t row;
  std::int64_t column;
  friend auto operator<=>(const WalkKey&, const WalkKey&) = default;
};
inline WalkKey KeyIn(PieceKind kind, std::int64_t x, std::int64_t y) {
  return {static_cast<int>(kind), WalksUp(kind) ? -y : y, WalksRight(kind) ? x : -x};
}

// The piece and row of a walk key as one number in the same order (rows are 32-bit).
constexpr std::int64_t RowKey(int piece, std::int64_t row) { return (std::int64_t{piece} << 36) + row; }

// The outline pixels of one row that one piece holds: columns [left, right], walked left
// to right when ascending. Every pixel of a run has the same piece and row in its walk
// key, and the keys grow along the walk.
struct PieceRun {
  int piece;
  std::int64_t row;
  bool ascending;
  std::int64_t left;
  std::int64_t right;

  PieceRun(PieceKind kind, std::int64_t y, std::int64_t l, std::int64_t r)
      : piece(static_cast<int>(kind)), row(WalksUp(kind) ? -y : y), ascending(WalksRight(kind)), left(l), right(r) {}
  std::int64_t Size() const { return right - left + 1; }
  // How many pixels of the run come before key in the walk.
  std::int64_t CountBefore(const WalkKey& key) const {
    if (piece != key.piece || row != key.row) return RowKey(piece, row) < RowKey(key.piece, key.row) ? Size() : 0;
    return std::clamp<std::int64_t>(ascending ? key.column - left : right + key.column, 0, Size());
  }
  // The columns of the walk positions [from, to) of the run (0 <= from < to <= Size()).
  Span Columns(std::int64_t from, std::int64_t to) const {
    if (ascending) return {left + from, left + to - 1};
    return {right - to + 1, right - from};
  }
};

// Calls f(run) for the pieces' parts of the outline pixels [xa, xb] of row y, a run of one
// side of the row or the whole row, about the centre (cx, cy); the same pieces as
// ArcOutline::KeyOf gives.
template <typename F>
void ForEachPieceRun(std::int64_t cx, std::int64_t cy, std::int64_t y, std::int64_t xa, std::int64_t xb, F f) {
  auto run = [&](PieceKind kind, std::int64_t l, std::int64_t r) {
    if (l <= r) f(PieceRun(kind, y, l, r));
  };
  if (xb < cx) {
    run(y < cy ? PieceKind::LeftDownUpper : PieceKind::LeftDownLower, xa, xb);
  } else if (xa > cx) {
    run(y <= cy ? PieceKind::RightUp : PieceKind::RightUpLower, xa, xb);
  } else if (y < cy) {
    run(PieceKind::LeftDownUpper, xa, cx - 1);
    run(PieceKind::TopColumn, cx, cx);
    run(PieceKind::RightUp, cx + 1, xb);
  } else if (y == cy) {
    run(PieceKind::LeftDownLower, xa, cx - 1);
    run(PieceKind::RightUp, cx, xb);
  } else {
    run(PieceKind::LeftDownLower, xa, cx - 1);
    run(PieceKind::BottomColumn, cx, cx);
    run(PieceKind::RightUpLower, cx + 1, xb);
  }
}

class ArcOutline {
 public:
  explicit ArcOutline(const Box& box);

  std::int64_t CentreX() const { return cx_; }
  std::int64_t CentreY() const { return cy_; }
  const Piece* begin() const { return pieces_.data(); }
  const Piece* end() const { return pieces_.data() + count_; }
  std::size_t Count() const { return count_; }
  const Piece& PieceAt(std::size_t i) const { return pieces_[i]; }

  // The direction of pixel (x, y) from C; C itself counts as 0°.
  Dir DirOf(std::int64_t x, std::int64_t y) const { return DirFrom(cx_, cy_, x, y); }
  Dir DirOf(const Pix& p) const { return DirOf(p.x, p.y); }

  const RowShape& shape() const { return shape_; }
  Span SpanOf(std::int64_t y) const { return shape_.SpanAt(y); }
  // The outline and interior of row y.
  RowParts PartsAt(std::int64_t y) const {
    if (shape_.Cached()) return PartsOfRow(SpanOf(y - 1), SpanOf(y), SpanOf(y + 1));
    return RecentPartsAt(y);
  }

  // The pixels of row y (with outline parts `parts`) in the piece.
  Span RowPart(const Piece& piece, std::int64_t y, const RowParts& parts) const {
    // Tests rather than a switch: a jump table's indirect branch is hard to predict when
    // the pieces take turns.
    constexpr std::int64_t kFar = INT64_MAX / 4;
    const PieceKind kind = piece.kind;
    if (kind == PieceKind::LeftDownUpper || kind == PieceKind::LeftDownLower)
      return OutlineWithin(parts, -kFar, cx_ - 1);
    if (kind == PieceKind::TopColumn || kind == PieceKind::BottomColumn) return {cx_, cx_};
    return OutlineWithin(parts, kind == PieceKind::RightUp && y == cy_ ? cx_ : cx_ + 1, kFar);
  }
  Span RowPart(const Piece& piece, std::int64_t y) const;
  static Pix FirstOf(const Piece& piece, std::int64_t y, const Span& s) {
    return {piece.ascending ? s.left : s.right, y};
  }
  static Pix LastOf(const Piece& piece, std::int64_t y, const Span& s) {
    return {piece.ascending ? s.right : s.left, y};
  }
  Pix FirstOf(const Piece& piece) const;
  Pix LastOf(const Piece& piece) const;

  // The walk key of outline pixel (x, y).
  WalkKey KeyOf(std::int64_t x, std::int64_t y) const;
  WalkKey KeyOf(const Pix& p) const { return KeyOf(p.x, p.y); }

  // The first outline pixel in walk order whose angle is at or past that of d; the first
  // pixel of the walk when there is none.
  Pix FirstAtOrAfter(const Dir& d) const;

 private:
  // The outline pixels of a row within columns [xlo, xhi] (one interval for every range a
  // piece uses, since the interior of a row with one always contains column C.x).
  static Span OutlineWithin(const RowParts& parts, std::int64_t xlo, std::int64_t xhi) {
    if (parts.inner.Empty()) return {std::max(parts.span.left, xlo), std::min(parts.span.right, xhi)};
    const Span left{std::max(parts.span.left, xlo), std::min(parts.inner.left - 1, xhi)};
    if (!left.Empty()) return left;
    return {std::max(parts.inner.right + 1, xlo), std::min(parts.span.right, xhi)};
  }

  struct RayHit {
    double x;
    double y;
  };
  RayHit HitOf(const Dir& d) const;
  // PartsAt for a figure too tall for a table, remembering recent rows.
  RowParts RecentPartsAt(std::int64_t y) const;
  bool Narrow(std::int64_t y) const;
  void BuildPieces();

  Box box_;
  RowShape shape_;
  std::uint64_t maxInset_;
  bool oddWidth_;
  std::int64_t cx_;
  std::int64_t cy_;
  std::array<Piece, 6> pieces_;  // the first count_ are set
  std::size_t count_ = 0;
  // The parts of recent rows of a figure too tall for a table of insets, by row.
  struct RecentRow {
    std::int64_t y;
    RowParts parts;
  };
  mutable std::unique_ptr<std::array<RecentRow, 8>> recent_;
};

}  // namespace pelmoro::raster
