#include "render/raster/polygon.h"

#include <algorithm>

#include "render/raster/line.h"
#include "render/raster/raster_math.h"

namespace pelmoro::raster {

namespace {

constexpr std::int64_t kSmall = std::int64_t{1} << 31;

struct Edge {
  std::int64_t xTop, yTop;        // upper end (smaller y)
  std::int64_t xBottom, yBottom;  // lower end
};

}  // namespace

std::int64_t EdgeCrossing(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t y) {
  if (y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  if (y == y1) return x1;
  const std::int64_t dx = x2 - x1;
  const std::int64_t dy = y2 - y1;
  const std::int64_t t = y - y1;
  if (dx > -kSmall && dx < kSmall && dy < kSmall && t > -kSmall && t < kSmall) {
    return x1 + CeilDiv64(t * dx, dy);
  }
  return static_cast<std::int64_t>(x1 + CeilDiv(static_cast<i128>(t) * dx, dy));
}

EdgeStepper::EdgeStepper(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t y) {
  if (y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const std::int64_t dx = x2 - x1;
  dy_ = y2 - y1;
  whole_ = FloorDiv64(dx, dy_);
  fraction_ = dx - whole_ * dy_;
  const std::int64_t t = y - y1;
  if (t > -kSmall && t < kSmall && dx > -kSmall && dx < kSmall) {
    // The usual case: every product fits in 64 bits.
    const std::int64_t covered = t * dx;
    const std::int64_t q = CeilDiv64(covered, dy_);
    x_ = x1 + q;
    remainder_ = q * dy_ - covered;
    return;
  }
  const i128 covered = static_cast<i128>(t) * dx;
  const i128 q = CeilDiv(covered, dy_);
  x_ = static_cast<std::int64_t>(x1 + q);
  remainder_ = static_cast<std::int64_t>(q * dy_ - covered);
}

void FillCrossings(const PixelTarget& target, std::int64_t y, Crossing* first, Crossing* last, FillRule rule,
                   std::uint32_t pixel) {
  if (last - first < 2) return;
  // Two crossings, the usual case, fill between them when their edges run opposite ways
  // (by either rule), without sorting.
  if (last - first == 2 && (rule == FillRule::Alternate || first[0].direction() != first[1].direction())) {
    const std::int64_t x0 = std::min(first[0].x(), first[1].x());
    const std::int64_t x1 = std::max(first[0].x(), first[1].x());
    target.Span(y, x0, x1 - 1, pixel);
    return;
  }
  // A row has few crossings as a rule; those are sorted by insertion.
  if (last - first <= 16) {
    for (Crossing* i = first + 1; i < last; ++i) {
      const Crossing c = *i;
      Crossing* j = i;
      for (; j > first && c < *(j - 1); --j) *j = *(j - 1);
      *j = c;
    }
  } else {
    std::sort(first, last);
  }
  if (rule == FillRule::Alternate) {
    for (const Crossing* c = first; c + 1 < last; c += 2) target.Span(y, c[0].x(), c[1].x() - 1, pixel);
    return;
  }
  int winding = 0;
  std::int64_t start = 0;
  for (const Crossing* c = first; c < last; ++c) {
    const int before = winding;
    winding += c->direction();
    if (before == 0 && winding != 0) {
      start = c->x();
    } else if (before != 0 && winding == 0) {
      target.Span(y, start, c->x() - 1, pixel);
    }
  }
}

void FillCrossings(const PixelTarget& target, std::int64_t y, std::vector<Crossing>& crossings, FillRule rule,
                   std::uint32_t pixel) {
  FillCrossings(target, y, crossings.data(), crossings.data() + crossings.size(), rule, pixel);
}

void DrawPolygon(const PixelTarget& target, const Point* points, std::size_t count, std::uint32_t pen,
                 std::uint32_t brush) {
  if (points == nullptr || count < 2) return;
  // The edge lists are kept from call to call, so that drawing a polygon allocates
  // nothing once a thread has drawn one as large.
  thread_local std::vector<Edge> edges;
  edges.clear();
  std::int64_t yMin = points[0].y;
  std::int64_t yMax = points[0].y;
  for (std::size_t i = 0; i < count; ++i) {
    const Point& a = points[i];
    const Point& b = points[i + 1 == count ? 0 : i + 1];
    yMin = std::min<std::int64_t>(yMin, a.y);
    yMax = std::max<std::int64_t>(yMax, a.y);
    if (a.y == b.y) continue;
    if (a.y < b.y) {
      edges.push_back({a.x, a.y, b.x, b.y});
    } else {
      edges.push_back({b.x, b.y, a.x, a.y});
    }
  }

  // Fill, row by row over the visible rows, with an active edge list.
  const std::int64_t rowBegin = std::max<std::int64_t>(yMin, 0);
  const std::int64_t rowEnd = std::min<std::int64_t>(yMax, target.height);
  if (rowBegin < rowEnd && !edges.empty()) {
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    struct Active {
      EdgeStepper crossing;
      std::int64_t yBottom;
    };
    thread_local std::vector<Active> active;
    active.clear();
    std::size_t next = 0;
    for (std::int64_t y = rowBegin; y < rowEnd; ++y) {
      for (; next < edges.size() && edges[next].yTop <= y; ++next) {
        const Edge& e = edges[next];
        if (e.yBottom > y) active.push_back({EdgeStepper(e.xTop, e.yTop, e.xBottom, e.yBottom, y), e.yBottom});
      }
      std::erase_if(active, [y](const Active& a) { return a.yBottom <= y; });
      // The active edges are kept in the order of their crossings: from row to row that
      // order changes only where edges meet, so a few edges are sorted by insertion.
      const auto byCrossing = [](const Active& a, const Active& b) { return a.crossing.x() < b.crossing.x(); };
      if (active.size() <= 16) {
        for (std::size_t i = 1; i < active.size(); ++i) {
          for (std::size_t j = i; j > 0 && byCrossing(active[j], active[j - 1]); --j)
            std::swap(active[j], active[j - 1]);
        }
      } else {
        std::sort(active.begin(), active.end(), byCrossing);
      }
      // In the order of their crossings the edges pair up, first with second, third with
      // fourth and so on (edges crossing at the same x may come in any order).
      for (std::size_t i = 0; i + 1 < active.size(); i += 2) {
        target.Span(y, active[i].crossing.x(), active[i + 1].crossing.x() - 1, brush);
      }
      for (Active& a : active) a.crossing.Next();
    }
  }

  // The closed outline.
  for (std::size_t i = 0; i < count; ++i) {
    const Point& a = points[i];
    const Point& b = points[i + 1 == count ? 0 : i + 1];
    DrawLine(target, a.x, a.y, b.x, b.y, pen);
  }
}

}  // namespace pelmoro::raster
