// Polygon scan conversion and outline on the raster surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "raster_pictures.h"
#include "render/memory_dc.h"

namespace pelmoro {
namespace {

using namespace testing;  // the text pictures of raster_pictures.h

int Count(const CMemoryDC& dc, Color c) {
  int n = 0;
  for (int y = 0; y < dc.Height(); ++y) {
    for (int x = 0; x < dc.Width(); ++x) n += dc.GetPixel(x, y) == c;
  }
  return n;
}

using i64 = long long;
using i128 = __int128;

i64 FloorDiv(i128 a, i128 b) {
  i128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return static_cast<i64>(q);
}
i64 CeilDiv(i128 a, i128 b) { return -FloorDiv(-a, b); }

// The literal rules: sample point (x, y) inside when it lies in [xleft, xright) of a
// pair of rounded-up crossings of the edges active on row y (top <= y < bottom), paired
// 1-2, 3-4, ...; then the outline, each edge a line without its end pixel, whose k-th
// pixel has the minor offset floor((2 dminor k + dmajor + bias - 1) / (2 dmajor)).
std::string Reference(int width, int height, const std::vector<Point>& p) {
  std::vector<char> pic(static_cast<std::size_t>(width * height), '.');
  auto put = [&](i64 x, i64 y, char c) {
    if (x >= 0 && y >= 0 && x < width && y < height) pic[static_cast<std::size_t>(y * width + x)] = c;
  };
  const std::size_t n = p.size();
  for (i64 y = 0; y < height; ++y) {
    std::vector<i64> xs;
    for (std::size_t i = 0; i < n; ++i) {
      Point a = p[i], b = p[(i + 1) % n];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (y < a.y || y >= b.y) continue;
      const i128 dx = static_cast<i64>(b.x) - a.x, dy = static_cast<i64>(b.y) - a.y;
      xs.push_back(a.x + CeilDiv((y - a.y) * dx, dy));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      for (i64 x = std::max<i64>(xs[i], -1); x < std::min<i64>(xs[i + 1], width + 1); ++x) put(x, y, 'o');
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    const i64 x0 = p[i].x, y0 = p[i].y, x1 = p[(i + 1) % n].x, y1 = p[(i + 1) % n].y;
    const i64 dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const i64 dM = xMajor ? std::abs(dx) : std::abs(dy), dm = xMajor ? std::abs(dy) : std::abs(dx);
    const i64 sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int bias = (xMajor ? dy < 0 : dx < 0) ? 1 : 0;
    const i64 a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0, limit = xMajor ? width : height;
    for (i64 a = -1; a <= limit; ++a) {  // the steps whose major coordinate is visible
      const i64 k = (a - a0) * sa;
      if (k < 0 || k >= dM) continue;
      const i64 b = b0 + sb * FloorDiv(static_cast<i128>(2) * dm * k + dM + bias - 1, static_cast<i128>(2) * dM);
      xMajor ? put(a, b, '#') : put(b, a, '#');
    }
  }
  return GridText(pic, width, height);
}

TEST(RasterPolygon, SquareExample) {
  CMemoryDC dc = Paper(13, 13);
  const Point square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  dc.Polygon(square, 4);
  // The fill covers [0, 10)^2; the pen adds column 10 and row 10: 11 x 11 pixels.
  EXPECT_EQ(Count(dc, kInk) + Count(dc, kFill), 121);
  EXPECT_EQ(Count(dc, kFill), 81);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(dc.GetPixel(i, 0), kInk);
    EXPECT_EQ(dc.GetPixel(i, 10), kInk);
    EXPECT_EQ(dc.GetPixel(0, i), kInk);
    EXPECT_EQ(dc.GetPixel(10, i), kInk);
    EXPECT_EQ(dc.GetPixel(11, i), kPaper);
    EXPECT_EQ(dc.GetPixel(i, 11), kPaper);
  }
}

TEST(RasterPolygon, FillFollowsTheTopLeftRule) {
  // The fill alone (a pen of the brush colour shows fill and outline as one): row y
  // fills [1, 9 - 2y), the crossing of the right edge left out, and nothing on row 4,
  // the bottom vertex.
  CMemoryDC dc = Paper(10, 6);
  const Point triangle[] = {{1, 0}, {9, 0}, {1, 4}};
  dc.SelectPen(kFill);
  dc.Polygon(triangle, 3);
  EXPECT_EQ(Picture(dc), Lines({".ooooooooo", ".ooooooo..", ".ooooo....", ".ooo......", ".o........", ".........."}));
  dc.SelectPen(kPaper);  // the outline in the paper colour leaves the fill off the lines
  dc.Polygon(triangle, 3);
  EXPECT_EQ(Picture(dc), Lines({"..........", "..oooo....", "..oo......", "..........", "..........", ".........."}));
  // With its outline: the hypotenuse (9, 0) -> (1, 4) steps down every second column.
  CMemoryDC outlined = Paper(10, 6);
  outlined.Polygon(triangle, 3);
  EXPECT_EQ(Picture(outlined),
            Lines({".#########", ".#oooo##..", ".#oo##....", ".###......", ".#........", ".........."}));
}

TEST(RasterPolygon, AlternateFillLeavesThePentagramCentreEmpty) {
  CMemoryDC dc = Paper(41, 41);
  // A five-pointed star drawn in one stroke: 0, 2, 4, 1, 3 of a regular pentagon.
  const Point star[] = {{20, 0}, {32, 37}, {1, 14}, {39, 14}, {8, 37}};
  dc.Polygon(star, 5);
  EXPECT_EQ(dc.GetPixel(20, 22), kPaper) << "the inner pentagon is crossed twice";
  EXPECT_EQ(dc.GetPixel(20, 18), kPaper);
  EXPECT_EQ(dc.GetPixel(20, 6), kFill) << "the top point";
  EXPECT_EQ(dc.GetPixel(6, 15), kFill) << "the left point";
  EXPECT_EQ(dc.GetPixel(29, 34), kFill) << "the bottom right point";
  EXPECT_EQ(Picture(dc), Reference(41, 41, {std::begin(star), std::end(star)}));
}

TEST(RasterPolygon, SelfCrossingBowTie) {
  CMemoryDC dc = Paper(9, 7);
  const Point bow[] = {{0, 0}, {8, 6}, {8, 0}, {0, 6}};
  dc.Polygon(bow, 4);
  EXPECT_EQ(Picture(dc),
            Lines({"#.......#", "###...###", "#oo#.#oo#", "#ooo#ooo#", "#o##.##o#", "##.....##", "#.......#"}));
  EXPECT_EQ(Picture(dc), Reference(9, 7, {std::begin(bow), std::end(bow)}));
}

TEST(RasterPolygon, DegenerateInputs) {
  CMemoryDC dc = Paper(8, 8);
  const Point two[] = {{1, 1}, {6, 3}};
  dc.Polygon(two, 2);  // there and back: both ends painted, nothing filled
  EXPECT_EQ(Count(dc, kFill), 0);
  EXPECT_EQ(dc.GetPixel(1, 1), kInk);
  EXPECT_EQ(dc.GetPixel(6, 3), kInk);
  CMemoryDC none = Paper(8, 8);
  none.Polygon(two, 1);
  none.Polygon(two, 0);
  none.Polygon(two, -5);
  none.Polygon(nullptr, 4);
  const Point same[] = {{3, 3}, {3, 3}, {3, 3}};
  none.Polygon(same, 3);
  EXPECT_EQ(Picture(none), Picture(Paper(8, 8)));
}

TEST(RasterPolygon, MatchesTheLiteralRulesOnRandomPolygons) {
  std::mt19937 random(99);
  for (int i = 0; i < 3000; ++i) {
    const int n = 2 + static_cast<int>(random() % 7);
    std::vector<Point> p;
    for (int j = 0; j < n; ++j) {
      p.push_back({static_cast<int>(random() % 40) - 8, static_cast<int>(random() % 40) - 8});
    }
    CMemoryDC dc = Paper(26, 26);
    dc.Polygon(p.data(), n);
    ASSERT_EQ(Picture(dc), Reference(26, 26, p)) << "polygon " << i;
  }
}

TEST(RasterPolygon, HugePolygonsAreClippedExactly) {
  CMemoryDC dc = Paper(16, 16);
  const Point square[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
  dc.Polygon(square, 4);
  EXPECT_EQ(Count(dc, kFill), 256);
  std::mt19937 random(5);
  auto huge = [&] { return static_cast<int>(static_cast<long long>(random() % 4000000001u) - 2000000000); };
  for (int i = 0; i < 300; ++i) {
    // Polygons whose edges come near the surface now and then.
    std::vector<Point> p;
    const int n = 3 + static_cast<int>(random() % 5);
    for (int j = 0; j < n; ++j) {
      p.push_back(random() % 3 == 0 ? Point{static_cast<int>(random() % 30) - 7, static_cast<int>(random() % 30) - 7}
                                    : Point{huge(), huge()});
    }
    CMemoryDC view = Paper(16, 16);
    view.Polygon(p.data(), n);
    ASSERT_EQ(Picture(view), Reference(16, 16, p)) << "polygon " << i;
  }
}

}  // namespace
}  // namespace pelmoro
