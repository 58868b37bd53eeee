#include "render/raster/arc.h"

#include <algorithm>
#include <array>
#include <climits>

#include "render/raster/arc_outline.h"
#include "render/raster/ellipse.h"
#include "render/raster/line.h"
#include "render/raster/polygon.h"

namespace pelmoro::raster {

namespace {

// The arc as a range of the walk: from Ps up to Pe (excluded), going round through the
// walk's start when Pe comes at or before Ps; every outline pixel for the whole ellipse.
class ArcRange {
 public:
  ArcRange(const WalkKey& s, const WalkKey& e, bool whole)
      : s_(s), e_(e), whole_(whole), wraps_(e <= s), rowS_(RowKey(s.piece, s.row)), rowE_(RowKey(e.piece, e.row)) {}

  bool whole() const { return whole_; }
  // The rows of Ps and Pe.
  std::int64_t StartRow() const { return RowOf(s_); }
  std::int64_t EndRow() const { return RowOf(e_); }
  bool Contains(const WalkKey& k) const { return whole_ || (wraps_ ? (k >= s_ || k < e_) : (k >= s_ && k < e_)); }
  // Whether every pixel of the walk's rows with row keys a and b (RowKey) is on the arc,
  // known from the row keys alone.
  bool HoldsRows(std::int64_t a, std::int64_t b) const {
    auto inside = [&](std::int64_t k) { return wraps_ ? (k > rowS_ || k < rowE_) : (k > rowS_ && k < rowE_); };
    return whole_ || (inside(a) && inside(b));
  }

  // Whether every pixel that a piece of this kind has on row y is on the arc.
  bool HoldsPieceRow(PieceKind kind, std::int64_t y) const {
    const std::int64_t key = RowKey(static_cast<int>(kind), WalksUp(kind) ? -y : y);
    return HoldsRows(key, key);
  }
  // Whether every outline pixel of row y is on the arc, whichever pieces hold them: the
  // walk keys of every piece a row on that side of C.y can have are inside the arc.
  bool HoldsRow(std::int64_t y, std::int64_t cy) const {
    if (whole_) return true;
    auto held = [&](PieceKind kind) { return HoldsPieceRow(kind, y); };
    if (y < cy) return held(PieceKind::LeftDownUpper) && held(PieceKind::TopColumn) && held(PieceKind::RightUp);
    if (y == cy) return held(PieceKind::LeftDownLower) && held(PieceKind::RightUp);
    return held(PieceKind::LeftDownLower) && held(PieceKind::BottomColumn) && held(PieceKind::RightUpLower);
  }

  // Paints the pixels of a run of row `row` (the run's columns are on the surface) that
  // lie on the arc. A run on another row of the walk than the end pixels' is on the arc or
  // off it as a whole.
  [[gnu::always_inline]] void PaintRun(std::uint32_t* row, const PieceRun& run, std::uint32_t pen) const {
    const std::int64_t key = RowKey(run.piece, run.row);
    if (whole_ || (key != rowS_ && key != rowE_)) {
      if (whole_ || (wraps_ ? (key > rowS_ || key < rowE_) : (key > rowS_ && key < rowE_))) {
        Fill(row, run.left, run.right, pen);
      }
      return;
    }
    PaintEndRun(row, run, pen);
  }

 private:
  // A run on the row of an end pixel: the part from Ps on and the part before Pe.
  [[gnu::noinline]] void PaintEndRun(std::uint32_t* row, const PieceRun& run, std::uint32_t pen) const {
    const std::int64_t from = run.CountBefore(s_);
    const std::int64_t to = run.CountBefore(e_);
    if (!wraps_) {
      if (from < to) Fill(row, run.Columns(from, to), pen);
      return;
    }
    if (from < run.Size()) Fill(row, run.Columns(from, run.Size()), pen);
    if (to > 0) Fill(row, run.Columns(0, to), pen);
  }

  static std::int64_t RowOf(const WalkKey& k) { return WalksUp(static_cast<PieceKind>(k.piece)) ? -k.row : k.row; }

  static void Fill(std::uint32_t* row, std::int64_t left, std::int64_t right, std::uint32_t pen) {
    FillPixels(row + left, right - left + 1, pen);
  }
  static void Fill(std::uint32_t* row, const Span& s, std::uint32_t pen) { Fill(row, s.left, s.right, pen); }

  WalkKey s_;
  WalkKey e_;
  bool whole_;
  bool wraps_;
  std::int64_t rowS_;
  std::int64_t rowE_;
};

// Paints the outline pixels of row y (with outline parts `parts`) that lie on the arc,
// about the centre (cx, cy). Only the visible columns of a run are classified.
[[gnu::always_inline]] inline void PaintOutlineRow(std::uint32_t* row, std::int64_t lastColumn, std::int64_t y,
                                                   const RowParts& parts, std::int64_t cx, std::int64_t cy,
                                                   const ArcRange& arc, std::uint32_t pen) {
  auto clip = [&](std::int64_t xa, std::int64_t xb) {
    return Span{std::max<std::int64_t>(xa, 0), std::min(xb, lastColumn)};
  };
  if (parts.inner.Empty()) {
    const Span s = clip(parts.span.left, parts.span.right);
    if (!s.Empty())
      ForEachPieceRun(cx, cy, y, s.left, s.right, [&](const PieceRun& run) { arc.PaintRun(row, run, pen); });
    return;
  }
  // The interior holds column C.x: the left run is one piece's, the right run another's.
  const Span left = clip(parts.span.left, parts.inner.left - 1);
  const Span right = clip(parts.inner.right + 1, parts.span.right);
  if (!left.Empty()) {
    arc.PaintRun(row, PieceRun(y < cy ? PieceKind::LeftDownUpper : PieceKind::LeftDownLower, y, left.left, left.right),
                 pen);
  }
  if (!right.Empty()) {
    arc.PaintRun(row, PieceRun(y > cy ? PieceKind::RightUpLower : PieceKind::RightUp, y, right.left, right.right), pen);
  }
}

// Calls f(y, parts of row y, parts of row y + 1) for the rows [y0, y1), the spans of the
// rows coming from `spans` (a SpanTable or a ShapeSpans), each asked for once.
template <typename Spans, typename F>
void ForEachRow(const Spans& spans, std::int64_t y0, std::int64_t y1, F f) {
  Span spanRow = spans.At(y0);
  Span spanBelow = spans.At(y0 + 1);
  RowParts next = PartsOfRow(spans.At(y0 - 1), spanRow, spanBelow);
  for (std::int64_t y = y0; y < y1; ++y) {
    const RowParts parts = next;
    const Span spanBelow2 = spans.At(y + 2);
    next = PartsOfRow(spanRow, spanBelow, spanBelow2);
    spanRow = spanBelow;
    spanBelow = spanBelow2;
    f(y, parts, next);
  }
}

struct WalkEdge {
  Pix a;
  Pix b;
};

// The polygon of a chord or a pie: the vertices Ps .. Pe along the walk, closed by the
// line Pe -> Ps or the lines Pe -> C -> Ps. It is filled row by row from its crossings.
class ArcPolygon {
 public:
  ArcPolygon(const ArcOutline& outline, const ArcRange& arc, const Pix& ps, const Pix& pe, ArcKind kind)
      : outline_(outline), arc_(arc), ps_(ps), pe_(pe) {
    if (kind == ArcKind::Chord) closing_[closingCount_++] = {pe, ps};
    if (kind == ArcKind::Pie) {
      const Pix centre{outline.CentreX(), outline.CentreY()};
      closing_[closingCount_++] = {pe, centre};
      closing_[closingCount_++] = {centre, ps};
    }
    // The walk edges from one piece to the next that are sides, and the closing lines,
    // are stepped from row to row where they cross the rows.
    for (std::size_t i = 0; i < outline.Count(); ++i) {
      const Piece& from = outline.PieceAt(i);
      const Piece& to = outline.PieceAt(i + 1 == outline.Count() ? 0 : i + 1);
      const WalkEdge join{outline.LastOf(from), outline.FirstOf(to)};
      if (Vertex(from, join.a) && Vertex(to, join.b) && IsSide(join)) AddLongEdge(join);
    }
    for (std::size_t i = 0; i < closingCount_; ++i) AddLongEdge(closing_[i]);
  }

  // Fills row y with the brush; `here` and `below` are the outline parts of rows y and
  // y + 1. Called for rows from top to bottom.
  void FillRow(const PixelTarget& target, std::int64_t y, const RowParts& here, const RowParts& below,
               std::uint32_t brush) {
    Crossing* const crossings = crossings_.data();
    std::size_t count = 0;
    // The walk edge of each piece from row y to row y + 1 (or back up) crosses row y at its
    // end on row y.
    for (const Piece& piece : outline_) {
      if (!piece.HasRow(y) || !piece.HasRow(y + 1)) continue;
      const Span partHere = outline_.RowPart(piece, y, here);
      const Span partBelow = outline_.RowPart(piece, y + 1, below);
      const WalkEdge edge =
          piece.up ? WalkEdge{ArcOutline::LastOf(piece, y + 1, partBelow), ArcOutline::FirstOf(piece, y, partHere)}
                   : WalkEdge{ArcOutline::LastOf(piece, y, partHere), ArcOutline::FirstOf(piece, y + 1, partBelow)};
      const int kind = static_cast<int>(piece.kind);
      const bool side = arc_.HoldsRows(RowKey(kind, piece.up ? -edge.a.y : edge.a.y),
                                       RowKey(kind, piece.up ? -edge.b.y : edge.b.y)) ||
                        (Vertex(piece, edge.a) && Vertex(piece, edge.b));
      if (side && IsSide(edge)) {
        crossings[count++] = piece.up ? Crossing(edge.b.x, -1) : Crossing(edge.a.x, 1);
      }
    }
    for (std::size_t i = 0; i < longCount_; ++i) {
      LongEdge& e = longEdges_[i];
      if (y < e.top || y >= e.bottom) continue;
      if (e.row != y) e.crossing = EdgeStepper(e.edge.a.x, e.edge.a.y, e.edge.b.x, e.edge.b.y, y);
      crossings[count++] = Crossing(e.crossing.x(), e.direction);
      e.crossing.Next();
      e.row = y + 1;
    }
    FillCrossings(target, y, crossings, crossings + count, FillRule::Winding, brush);
  }

  // The closing lines, drawn after everything else.
  void DrawClosingLines(const PixelTarget& target, std::uint32_t pen) const {
    for (std::size_t i = 0; i < closingCount_; ++i) {
      DrawLine(target, closing_[i].a.x, closing_[i].a.y, closing_[i].b.x, closing_[i].b.y, pen);
    }
  }

  // Whether row y is filled exactly as the ellipse's own row: the row and the next are
  // walked by one left and one right piece alone, wholly on the arc, and no long edge
  // crosses the row. Its two crossings then lie in the outline at either end, so the fill
  // covers the interior and the outline pixels drawn over it cover the rest.
  bool PlainRow(std::int64_t y) {
    if (y < plainFrom_ || y >= plainUntil_) {
      plain_ = PlainNow(y);
      plainFrom_ = y;
      plainUntil_ = NextBreakAfter(y);
    }
    return plain_;
  }

 private:
  // PlainRow can change only at the bands' ends, the long edges' ends, C.y, and about the
  // rows of the end pixels (a row looks at the next one too): the first such row after y.
  std::int64_t NextBreakAfter(std::int64_t y) const {
    std::int64_t next = INT64_MAX;
    auto consider = [&](std::int64_t b) {
      if (b > y && b < next) next = b;
    };
    for (const Band* band : {&upper_, &lower_}) {
      consider(band->low);
      consider(band->high + 1);
    }
    for (std::size_t i = 0; i < longCount_; ++i) {
      consider(longEdges_[i].top);
      consider(longEdges_[i].bottom);
    }
    const std::int64_t cy = outline_.CentreY();
    for (const std::int64_t row : {cy, arc_.StartRow(), arc_.EndRow()}) {
      for (std::int64_t b = row - 1; b <= row + 1; ++b) consider(b);
    }
    return next;
  }

  bool PlainNow(std::int64_t y) const {
    const Band* band = upper_.Has(y) ? &upper_ : lower_.Has(y) ? &lower_ : nullptr;
    if (band == nullptr) return false;
    for (std::size_t i = 0; i < longCount_; ++i) {
      if (y >= longEdges_[i].top && y < longEdges_[i].bottom) return false;
    }
    auto held = [&](PieceKind kind) { return arc_.HoldsPieceRow(kind, y) && arc_.HoldsPieceRow(kind, y + 1); };
    return held(band->left) && held(band->right) && arc_.HoldsRow(y, outline_.CentreY());
  }

  struct LongEdge {
    WalkEdge edge;
    EdgeStepper crossing;  // at row `row`
    std::int64_t row;
    std::int64_t top;
    std::int64_t bottom;
    int direction;
  };

  // Whether p, an outline pixel of the piece, is a vertex: on the arc, or Pe.
  bool Vertex(const Piece& piece, const Pix& p) const { return p == pe_ || arc_.Contains(KeyIn(piece.kind, p.x, p.y)); }
  // A walk edge between two vertices is a side, except Pe -> Ps, which the closing line
  // replaces.
  bool IsSide(const WalkEdge& e) const { return !(e.a == pe_ && e.b == ps_); }

  void AddLongEdge(const WalkEdge& e) {
    if (e.a.y == e.b.y) return;
    const std::int64_t top = std::min(e.a.y, e.b.y);
    longEdges_[longCount_++] = {e, EdgeStepper(), top - 1, top, std::max(e.a.y, e.b.y), e.b.y > e.a.y ? 1 : -1};
  }

  // The rows y for which the pieces holding rows y and y + 1 are just one left and one
  // right piece, both holding both rows: above C.y, those where the upper side pieces
  // overlap and the top column has ended; below, likewise with the bottom column.
  struct Band {
    PieceKind left;
    PieceKind right;
    std::int64_t low = 1;
    std::int64_t high = 0;
    bool Has(std::int64_t y) const { return y >= low && y <= high; }
  };
  Band BandOf(PieceKind left, PieceKind right, PieceKind column) const {
    Band band{left, right};
    const Piece* l = PieceOf(left);
    const Piece* r = PieceOf(right);
    if (l == nullptr || r == nullptr) return band;
    band.low = std::max(l->rowLow, r->rowLow);
    band.high = std::min(l->rowHigh, r->rowHigh) - 1;
    if (const Piece* c = PieceOf(column)) {
      // The column's rows lie at one end of the side pieces' rows.
      if (c->rowHigh < band.low || c->rowLow > band.high) return band;
      if (column == PieceKind::TopColumn) {
        band.low = std::max(band.low, c->rowHigh + 1);
      } else {
        band.high = std::min(band.high, c->rowLow - 1);
      }
    }
    return band;
  }
  const Piece* PieceOf(PieceKind kind) const {
    for (const Piece& piece : outline_) {
      if (piece.kind == kind) return &piece;
    }
    return nullptr;
  }

  const ArcOutline& outline_;
  const ArcRange& arc_;
  Pix ps_;
  Pix pe_;
  std::array<WalkEdge, 2> closing_{};
  std::size_t closingCount_ = 0;
  std::array<LongEdge, 8> longEdges_{};
  std::size_t longCount_ = 0;
  Band upper_ = BandOf(PieceKind::LeftDownUpper, PieceKind::RightUp, PieceKind::TopColumn);
  Band lower_ = BandOf(PieceKind::LeftDownLower, PieceKind::RightUpLower, PieceKind::BottomColumn);
  // PlainRow's answer for the rows [plainFrom_, plainUntil_).
  bool plain_ = false;
  std::int64_t plainFrom_ = INT64_MAX;
  std::int64_t plainUntil_ = INT64_MIN;
  std::array<Crossing, 16> crossings_{};  // a row meets at most one walk edge per piece and the long edges
};

}  // namespace

namespace {

// Calls f with the spans of the rows [yFirst, yLast] of the shape: its table when it has
// one, else the shape itself.
template <typename F>
void WithSpans(const RowShape& shape, std::int64_t yFirst, std::int64_t yLast, F f) {
  if (shape.Cached()) {
    f(shape.Table(yFirst, yLast));
  } else {
    f(ShapeSpans{shape});
  }
}

// The arc's outline pixels on the rows [y0, y1).
void PaintArc(const PixelTarget& target, const ArcOutline& outline, const ArcRange& arc, std::int64_t y0,
              std::int64_t y1, std::uint32_t pen) {
  const std::int64_t lastColumn = target.width - 1;
  const std::int64_t cx = outline.CentreX();
  const std::int64_t cy = outline.CentreY();
  WithSpans(outline.shape(), y0 - 1, y1 + 1, [&](const auto& spans) {
    ForEachRow(spans, y0, y1, [&](std::int64_t y, const RowParts& parts, const RowParts&) {
      std::uint32_t* const row = target.bits + y * target.width;
      if (arc.HoldsRow(y, cy)) {
        PaintPartsRow<false>(row, lastColumn, parts, pen, pen);
      } else {
        PaintOutlineRow(row, lastColumn, y, parts, cx, cy, arc, pen);
      }
    });
  });
}

// A chord or pie on the rows [y0, y1): each row's fill, then its outline pixels on the arc
// and Pe, the vertex the arc leaves out; the closing lines last.
void PaintChordOrPie(const PixelTarget& target, const ArcOutline& outline, const ArcRange& arc, const Pix& ps,
                     const Pix& pe, ArcKind kind, std::int64_t y0, std::int64_t y1, std::uint32_t pen,
                     std::uint32_t brush) {
  ArcPolygon polygon(outline, arc, ps, pe, kind);
  const std::int64_t lastColumn = target.width - 1;
  const std::int64_t cx = outline.CentreX();
  const std::int64_t cy = outline.CentreY();
  WithSpans(outline.shape(), y0 - 1, y1 + 1, [&](const auto& spans) {
    ForEachRow(spans, y0, y1, [&](std::int64_t y, const RowParts& parts, const RowParts& next) {
      std::uint32_t* const row = target.bits + y * target.width;
      if (polygon.PlainRow(y)) {
        PaintPartsRow<true>(row, lastColumn, parts, pen, brush);
        return;
      }
      polygon.FillRow(target, y, parts, next, brush);
      PaintOutlineRow(row, lastColumn, y, parts, cx, cy, arc, pen);
      if (y == pe.y && pe.x >= 0 && pe.x <= lastColumn) row[pe.x] = pen;
    });
  });
  polygon.DrawClosingLines(target, pen);
}

}  // namespace

void DrawArcFigure(const PixelTarget& target, const Rect& r, Point start, Point end, ArcKind kind, std::uint32_t pen,
                   std::uint32_t brush) {
  const Box box = NormalisedBox(r.left, r.top, r.right, r.bottom);
  if (box.Empty()) return;
  const std::int64_t cx = box.left + box.Width() / 2;
  const std::int64_t cy = box.top + box.Height() / 2;
  const Dir dS = DirFrom(cx, cy, start.x, start.y);
  const Dir dE = DirFrom(cx, cy, end.x, end.y);
  // S and E on one ray give the whole ellipse: an arc is then the ellipse's outline.
  const bool oneRay = CrossSign(dS, dE) == 0 && DotSign(dS, dE) > 0;
  if (kind == ArcKind::Arc && oneRay) return PaintRowShapeOutline(target, RowShape::Ellipse(box), pen);
  const ArcOutline outline(box);
  const Pix ps = outline.FirstAtOrAfter(dS);
  const bool whole = oneRay || !Sector(dS, dE).Contains(outline.DirOf(ps));
  const Pix pe = whole ? ps : outline.FirstAtOrAfter(dE);
  const ArcRange arc(outline.KeyOf(ps), outline.KeyOf(pe), whole);

  // The rows the figure can reach: each side of the walk is monotone in y, so the arc
  // lies between the rows of Ps and Pe, extended to the top or bottom row when it passes
  // the top or bottom of column C.x; a pie also reaches C.
  std::int64_t rowFirst = box.top;
  std::int64_t rowLast = box.bottom - 1;
  if (!whole) {
    const Pix centre{outline.CentreX(), outline.CentreY()};
    rowFirst = std::min(ps.y, pe.y);
    rowLast = std::max(ps.y, pe.y);
    if (arc.Contains(outline.KeyOf(centre.x, box.top))) rowFirst = box.top;
    if (arc.Contains(outline.KeyOf(centre.x, box.bottom - 1))) rowLast = box.bottom - 1;
    if (kind == ArcKind::Pie) {
      rowFirst = std::min(rowFirst, centre.y);
      rowLast = std::max(rowLast, centre.y);
    }
  }
  const std::int64_t y0 = std::max<std::int64_t>(rowFirst, 0);
  const std::int64_t y1 = std::min<std::int64_t>(rowLast + 1, target.height);
  if (kind == ArcKind::Arc) {
    PaintArc(target, outline, arc, y0, y1, pen);
  } else {
    PaintChordOrPie(target, outline, arc, ps, pe, kind, y0, y1, pen, brush);
  }
}

}  // namespace pelmoro::raster
