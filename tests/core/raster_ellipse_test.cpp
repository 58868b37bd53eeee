// Ellipse and RoundRect coverage on the raster surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "raster_pictures.h"
#include "render/memory_dc.h"
#include "render/raster/ellipse.h"

namespace pelmoro {
namespace {

using namespace testing;  // the text pictures of raster_pictures.h

using Inside = std::function<bool(long long x, long long y)>;

// The picture a figure with the pixel set `inside` should give: the pixels with a
// 4-neighbour outside the set in the pen colour, the others in the brush colour.
std::string Expected(const Inside& inside, int x0, int y0, int w, int h) {
  std::string text;
  for (long long y = y0; y < y0 + h; ++y) {
    for (long long x = x0; x < x0 + w; ++x) {
      if (!inside(x, y)) {
        text += '.';
      } else {
        const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
        text += edge ? '#' : 'o';
      }
    }
    text += '\n';
  }
  return text;
}

// Pixel (x, y) of the ellipse inscribed in [left, left + w) x [top, top + h), by the rule
// of docs/rendering.md written out directly: a midpoint ellipse with diameters between pixel
// centres, ties inward, middle rows full, every row at least its middle pixel(s).
bool InEllipse(long long left, long long top, long long w, long long h, long long x, long long y) {
  x -= left;
  y -= top;
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  if (w <= 2 || h <= 2) return true;
  using i128 = __int128;
  const i128 a = w - 1, b = h - 1;  // doubled semi-axes
  i128 dx = 2 * static_cast<i128>(x) - (w - 1), dy = 2 * static_cast<i128>(y) - (h - 1);
  if (dx < 0) dx = -dx;
  if (dy < 0) dy = -dy;
  if (dy <= 1 || dx <= (a & 1)) return true;
  // The midpoint half a pixel toward the centre, vertically or horizontally, strictly
  // inside: B^2 X^2 + A^2 Y^2 < A^2 B^2.
  const bool vertical = b * b * dx * dx + a * a * (dy - 1) * (dy - 1) < a * a * b * b;
  const bool horizontal = b * b * (dx - 1) * (dx - 1) + a * a * dy * dy < a * a * b * b;
  return vertical || horizontal;
}

TEST(RasterEllipse, WorkedExamples) {
  CMemoryDC five = Paper(5, 5);
  five.Ellipse({0, 0, 5, 5});
  EXPECT_EQ(Picture(five), Lines({".###.", "#ooo#", "#ooo#", "#ooo#", ".###."}));
  CMemoryDC six = Paper(6, 6);
  six.Ellipse({0, 0, 6, 6});
  EXPECT_EQ(Picture(six), Lines({"..##..", ".#oo#.", "#oooo#", "#oooo#", ".#oo#.", "..##.."}));
}

TEST(RasterEllipse, LargerCircleAndFlatEllipse) {
  CMemoryDC circle = Paper(11, 11);
  circle.Ellipse({0, 0, 11, 11});
  // Radius 5 about pixel (5, 5): (5 +- 3, 5 +- 4) and (5 +- 4, 5 +- 3) lie on the curve.
  EXPECT_EQ(Picture(circle),
            Lines({"...#####...", "..#ooooo#..", ".#ooooooo#.", "#ooooooooo#", "#ooooooooo#", "#ooooooooo#",
                   "#ooooooooo#", "#ooooooooo#", ".#ooooooo#.", "..#ooooo#..", "...#####..."}));
  // A flat ellipse: the middle row is extended out to the sides.
  CMemoryDC flat = Paper(20, 5);
  flat.Ellipse({0, 0, 20, 5});
  EXPECT_EQ(Picture(flat), Lines({"....############....", ".###oooooooooooo###.", "#oooooooooooooooooo#",
                                  ".###oooooooooooo###.", "....############...."}));
}

TEST(RasterEllipse, CoversExactlyItsBoxColumnsAndRows) {
  for (int w = 1; w <= 24; ++w) {
    for (int h = 1; h <= 24; ++h) {
      CMemoryDC dc = Paper(30, 30);
      dc.Ellipse({3, 2, 3 + w, 2 + h});
      int minX = 99, maxX = -1, minY = 99, maxY = -1;
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
          if (dc.GetPixel(x, y) == kPaper) continue;
          minX = std::min(minX, x);
          maxX = std::max(maxX, x);
          minY = std::min(minY, y);
          maxY = std::max(maxY, y);
        }
      }
      ASSERT_EQ(minX, 3) << w << " x " << h;
      ASSERT_EQ(maxX, 3 + w - 1) << w << " x " << h;
      ASSERT_EQ(minY, 2) << w << " x " << h;
      ASSERT_EQ(maxY, 2 + h - 1) << w << " x " << h;
    }
  }
}

TEST(RasterEllipse, MatchesTheMidpointRuleAndItsOutline) {
  for (int w = 1; w <= 40; ++w) {
    for (int h = 1; h <= 40; ++h) {
      CMemoryDC dc = Paper(w + 2, h + 2);
      dc.Ellipse({1, 1, 1 + w, 1 + h});
      const Inside inside = [&](long long x, long long y) { return InEllipse(1, 1, w, h, x, y); };
      ASSERT_EQ(Picture(dc), Expected(inside, 0, 0, w + 2, h + 2)) << w << " x " << h;
    }
  }
}

TEST(RasterEllipse, IsSymmetric) {
  for (int w = 3; w <= 33; w += 3) {
    for (int h = 3; h <= 33; h += 2) {
      CMemoryDC dc = Paper(w, h);
      dc.Ellipse({0, 0, w, h});
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          ASSERT_EQ(dc.GetPixel(x, y), dc.GetPixel(w - 1 - x, y)) << w << " x " << h;
          ASSERT_EQ(dc.GetPixel(x, y), dc.GetPixel(x, h - 1 - y)) << w << " x " << h;
        }
      }
    }
  }
  // A circle is symmetric about its diagonals too (ties go inward in both halves).
  for (int d = 1; d <= 48; ++d) {
    CMemoryDC dc = Paper(d, d);
    dc.Ellipse({0, 0, d, d});
    for (int y = 0; y < d; ++y) {
      for (int x = 0; x < d; ++x) ASSERT_EQ(dc.GetPixel(x, y), dc.GetPixel(y, x)) << d;
    }
  }
}

TEST(RasterEllipse, RowsAreRunsAndTheOutlineIsOneCurve) {
  for (int w = 3; w <= 40; w += 1) {
    for (int h = 3; h <= 40; h += 3) {
      CMemoryDC dc = Paper(w, h);
      dc.Ellipse({0, 0, w, h});
      for (int y = 0; y < h; ++y) {
        // Each row is one run of the figure, pen at both ends.
        int first = -1, last = -1;
        for (int x = 0; x < w; ++x) {
          if (dc.GetPixel(x, y) == kPaper) continue;
          if (first < 0) first = x;
          ASSERT_TRUE(last < 0 || last == x - 1) << w << " x " << h << " row " << y;
          last = x;
        }
        ASSERT_EQ(dc.GetPixel(first, y), kInk);
        ASSERT_EQ(dc.GetPixel(last, y), kInk);
      }
      // The pen pixels are one 8-connected curve.
      std::vector<std::pair<int, int>> stack;
      std::vector<bool> seen(static_cast<std::size_t>(w * h), false);
      int pen = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) pen += dc.GetPixel(x, y) == kInk;
      }
      stack.push_back({w - 1, h / 2});
      seen[static_cast<std::size_t>(h / 2 * w + w - 1)] = true;
      int reached = 0;
      while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        ++reached;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || dc.GetPixel(nx, ny) != kInk) continue;
            if (seen[static_cast<std::size_t>(ny * w + nx)]) continue;
            seen[static_cast<std::size_t>(ny * w + nx)] = true;
            stack.push_back({nx, ny});
          }
        }
      }
      ASSERT_EQ(reached, pen) << w << " x " << h;
    }
  }
}

TEST(RasterEllipse, SmallBoxesArePlainRectanglesOfPen) {
  CMemoryDC dc = Paper(8, 6);
  dc.Ellipse({0, 0, 2, 6});
  dc.Ellipse({3, 1, 8, 3});
  dc.Ellipse({4, 4, 5, 5});
  EXPECT_EQ(Picture(dc), Lines({"##......", "##.#####", "##.#####", "##......", "##..#...", "##......"}));
}

TEST(RasterEllipse, EmptyBoxesDrawNothingAndInvertedBoxesAreNormalised) {
  CMemoryDC dc = Paper(8, 8);
  dc.Ellipse({2, 2, 2, 7});
  dc.Ellipse({2, 2, 7, 2});
  dc.RoundRect({2, 2, 2, 7}, 3, 3);
  EXPECT_EQ(Picture(dc), Picture(Paper(8, 8)));
  CMemoryDC inverted = Paper(8, 8);
  inverted.Ellipse({7, 6, 1, 0});
  CMemoryDC upright = Paper(8, 8);
  upright.Ellipse({1, 0, 7, 6});
  EXPECT_EQ(Picture(inverted), Picture(upright));
  CMemoryDC half = Paper(8, 8);
  half.Ellipse({1, 6, 7, 0});
  EXPECT_EQ(Picture(half), Picture(upright));
}

TEST(RasterRoundRect, CornersFollowTheCornerEllipse) {
  CMemoryDC dc = Paper(16, 11);
  dc.RoundRect({1, 1, 15, 10}, 9, 7);
  // The corner ellipse 9 x 7 split at its middle row and column, joined by straight edges.
  EXPECT_EQ(Picture(dc), Lines({"................", "...##########...", "..#oooooooooo#..", ".#oooooooooooo#.",
                                ".#oooooooooooo#.", ".#oooooooooooo#.", ".#oooooooooooo#.", ".#oooooooooooo#.",
                                "..#oooooooooo#..", "...##########...", "................"}));
  CMemoryDC corner = Paper(9, 7);
  corner.Ellipse({0, 0, 9, 7});
  EXPECT_EQ(Picture(corner),
            Lines({"..#####..", ".#ooooo#.", "#ooooooo#", "#ooooooo#", "#ooooooo#", ".#ooooo#.", "..#####.."}));
}

TEST(RasterRoundRect, LargeCornersGiveTheEllipse) {
  for (auto [cw, ch] : {std::pair{17, 11}, {40, 11}, {17, 400}, {INT_MAX, INT_MAX}}) {
    CMemoryDC rounded = Paper(19, 13);
    rounded.RoundRect({1, 1, 18, 12}, cw, ch);
    CMemoryDC ellipse = Paper(19, 13);
    ellipse.Ellipse({1, 1, 18, 12});
    EXPECT_EQ(Picture(rounded), Picture(ellipse)) << cw << " x " << ch;
  }
}

TEST(RasterRoundRect, SmallCornersAreSquare) {
  for (auto [cw, ch] : {std::pair{2, 2}, {0, 0}, {2, 9}, {9, 1}, {-5, -5}, {INT_MIN, 7}}) {
    CMemoryDC dc = Paper(7, 5);
    dc.RoundRect({0, 0, 7, 5}, cw, ch);
    EXPECT_EQ(Picture(dc), Lines({"#######", "#ooooo#", "#ooooo#", "#ooooo#", "#######"})) << cw << " x " << ch;
  }
}

TEST(RasterRoundRect, MatchesItsRowRule) {
  // Rows within half a corner height of the top or bottom take the corner ellipse's row,
  // stretched to the width; the rows between are full.
  for (int w = 1; w <= 20; ++w) {
    for (int h = 1; h <= 20; h += 3) {
      for (int cw = 3; cw <= w; cw += 2) {
        for (int ch = 3; ch <= h; ch += 1) {
          CMemoryDC dc = Paper(w + 2, h + 2);
          dc.RoundRect({1, 1, 1 + w, 1 + h}, cw, ch);
          const Inside inside = [&](long long x, long long y) {
            if (x < 1 || y < 1 || x > w || y > h) return false;
            const long long k = std::min(y - 1, h - y);  // rows from the nearer edge
            if (2 * k >= ch) return true;
            long long inset = 0;
            while (!InEllipse(0, 0, cw, ch, inset, k)) ++inset;
            return x >= 1 + inset && x <= w - inset;
          };
          ASSERT_EQ(Picture(dc), Expected(inside, 0, 0, w + 2, h + 2)) << w << "x" << h << " " << cw << "x" << ch;
        }
      }
    }
  }
}

TEST(RasterEllipse, ProfileOfLargeEllipsesIsExact) {
  // Above 32768 pixels a side the rows are found with 128-bit square roots: check the
  // half-width of many rows against the membership rule itself.
  using u128 = unsigned __int128;
  const std::uint64_t sizes[][2] = {{40000, 40001},
                                    {1u << 20, 3},
                                    {3, 1u << 22},
                                    {123456789, 98765},
                                    {4294967295u, 4294967295u},
                                    {4294967295u, 5},
                                    {2147483648u, 1000000007},
                                    {65537, 4294967294u}};
  for (const auto& size : sizes) {
    const std::uint64_t a = size[0] - 1, b = size[1] - 1, p = a & 1;
    const raster::EllipseProfile profile(size[0], size[1]);
    // Exact test of pixel X (doubled offsets) in row Y, both >= 2, in the form
    // B^2 X^2 < A^2 (B^2 - (Y - 1)^2) that never leaves 128 bits.
    auto inside = [&](std::uint64_t x, std::uint64_t y) {
      const u128 aa = static_cast<u128>(a) * a, bb = static_cast<u128>(b) * b;
      const bool vertical = bb * x * x < aa * (bb - static_cast<u128>(y - 1) * (y - 1));
      const bool horizontal = bb * (x - 1) * (x - 1) < aa * (bb - static_cast<u128>(y) * y);
      return vertical || horizontal;
    };
    for (int i = 0; i <= 200 && static_cast<std::uint64_t>(i) <= b / 2; ++i) {
      // Rows near the top, near the middle and spread in between.
      const std::uint64_t k = i < 70 ? i : i < 140 ? b / 2 - (i - 70) : (b / 2) / 61 * (i - 140);
      const std::uint64_t y = b - 2 * k;
      const std::uint64_t hw = profile.HalfWidth2(y);
      ASSERT_LE(hw, a);
      ASSERT_EQ(hw % 2, p);
      if (y <= 1 || size[0] <= 2 || size[1] <= 2) {
        ASSERT_EQ(hw, a);
        continue;
      }
      if (hw > p) {
        ASSERT_TRUE(inside(hw, y)) << size[0] << "x" << size[1] << " row " << y;
      }
      if (hw + 2 <= a) {
        ASSERT_FALSE(inside(hw + 2, y)) << size[0] << "x" << size[1] << " row " << y;
      }
    }
  }
}

TEST(RasterEllipse, HugeEllipsesAreClippedExactly) {
  // The middle of a huge ellipse: all brush.
  CMemoryDC middle = Paper(32, 32);
  middle.Ellipse({-2000000000, -2000000000, 2000000000, 2000000000});
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(middle.GetPixel(x, y), kFill);
  }
  // The top of the largest ellipse: its first row in the pen, the next ones filled.
  CMemoryDC top = Paper(8, 5);
  top.Ellipse({INT_MIN, 2, INT_MAX, INT_MAX});
  EXPECT_EQ(Picture(top), Lines({"........", "........", "########", "oooooooo", "oooooooo"}));
  top.RoundRect({INT_MAX, INT_MIN, INT_MIN, 3}, INT_MAX, INT_MAX);  // inverted, bottom edge at row 2
  EXPECT_EQ(Picture(top), Lines({"oooooooo", "oooooooo", "########", "oooooooo", "oooooooo"}));

  // Windows on the outline of very large ellipses, against the rule itself.
  const long long boxes[][4] = {{-1000000000, -700000000, 1000000000, 900000000},
                                {-5, -2147483647, 40, 2147483647},
                                {-2147483647, -9, 2147483647, 31},
                                {-123456, -654321, 98765, 43210},
                                {-60000, -20, 70, 100000}};
  for (const auto& box : boxes) {
    const long long w = box[2] - box[0], h = box[3] - box[1];
    // Look at the rows and columns where the outline crosses the surface's axes.
    for (int view = 0; view < 4; ++view) {
      long long ox = 0, oy = 0;  // surface origin in figure coordinates
      const long long cy = box[1] + h / 2, cx = box[0] + w / 2;
      if (view == 0) {
        ox = box[0] - 3;
        oy = cy - 8;
      } else if (view == 1) {
        ox = box[2] - 20;
        oy = cy - 8;
      } else if (view == 2) {
        ox = cx - 10;
        oy = box[1] - 4;
      }
      if (view == 3) {
        // Somewhere on the curve between: the column a third of the way, its top row.
        ox = box[0] + w / 6;
        long long y = box[1];
        long long lo = box[1], hi = cy;
        while (lo < hi) {
          const long long mid = lo + (hi - lo) / 2;
          if (InEllipse(box[0], box[1], w, h, ox, mid)) {
            hi = mid;
          } else {
            lo = mid + 1;
          }
        }
        y = lo;
        ox -= 12;
        oy = y - 10;
      }
      // Keep the box representable after the shift (a box as tall as the plane barely moves).
      ox = std::clamp(ox, box[2] - INT_MAX, box[0] - INT_MIN);
      oy = std::clamp(oy, box[3] - INT_MAX, box[1] - INT_MIN);
      CMemoryDC dc = Paper(24, 20);
      dc.Ellipse({static_cast<int>(box[0] - ox), static_cast<int>(box[1] - oy), static_cast<int>(box[2] - ox),
                  static_cast<int>(box[3] - oy)});
      const Inside inside = [&](long long x, long long y) { return InEllipse(box[0], box[1], w, h, x + ox, y + oy); };
      ASSERT_EQ(Picture(dc), Expected(inside, 0, 0, 24, 20)) << box[0] << "," << box[1] << " view " << view;
    }
  }
}

}  // namespace
}  // namespace pelmoro
