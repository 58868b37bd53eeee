// The raster surface CMemoryDC: construction, state, solid rectangles, lines, gradient.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "raster_pictures.h"
#include "render/memory_dc.h"
#include "render/raster/gradient.h"

namespace pelmoro {
namespace {

using namespace testing;  // the text pictures of raster_pictures.h

int CountInk(const CMemoryDC& dc) {
  int n = 0;
  for (int y = 0; y < dc.Height(); ++y) {
    for (int x = 0; x < dc.Width(); ++x) n += dc.GetPixel(x, y) != kPaper;
  }
  return n;
}

TEST(RasterSurface, ConstructionClearsOrStartsBlack) {
  CMemoryDC cleared(3, 2, 0x00102030);
  ASSERT_TRUE(cleared.IsValid());
  EXPECT_EQ(cleared.Width(), 3);
  EXPECT_EQ(cleared.Height(), 2);
  EXPECT_EQ(cleared.BytesPerLine(), 12);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(cleared.Bits()[i], 0xFF302010u) << "0xFFRRGGBB words";
  EXPECT_EQ(cleared.GetPixel(2, 1), 0x00102030u);

  CMemoryDC unclearedDc(2, 2, CMemoryDC::kNoClear);
  ASSERT_TRUE(unclearedDc.IsValid());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(unclearedDc.Bits()[i], 0xFF000000u) << "opaque black";

  CMemoryDC byDefault(1, 1);
  EXPECT_EQ(byDefault.Bits()[0], 0xFF000000u);
}

TEST(RasterSurface, PixelConversions) {
  EXPECT_EQ(ToPixel(0x00332211), 0xFF112233u);
  EXPECT_EQ(FromPixel(0xFF112233u), 0x00332211u);
  EXPECT_EQ(FromPixel(ToPixel(0x00ABCDEF)), 0x00ABCDEFu);
  EXPECT_EQ(ToPixel(0xFF010203), 0xFF030201u) << "the unused high byte is dropped";
}

TEST(RasterSurface, InvalidSurfacesDoNothing) {
  for (auto [w, h] :
       {std::pair{0, 5}, {5, 0}, {-3, 4}, {4, -3}, {0, 0}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {65536, 65536}}) {
    CMemoryDC dc(w, h, kPaper);
    EXPECT_FALSE(dc.IsValid()) << w << " x " << h;
    EXPECT_EQ(dc.Width(), 0);
    EXPECT_EQ(dc.Height(), 0);
    EXPECT_EQ(dc.GetPixel(0, 0), 0u);
    // Nothing happens and nothing crashes.
    dc.Ellipse({0, 0, 10, 10});
    dc.RoundRect({0, 0, 10, 10}, 4, 4);
    dc.Arc({0, 0, 10, 10}, {10, 5}, {5, 0});
    dc.Chord({0, 0, 10, 10}, {10, 5}, {5, 0});
    dc.Pie({0, 0, 10, 10}, {10, 5}, {5, 0});
    const Point triangle[] = {{0, 0}, {5, 0}, {0, 5}};
    dc.Polygon(triangle, 3);
    dc.FillSolidRect(0, 0, 5, 5, kInk);
    dc.FillSolidRect(Rect{0, 0, 5, 5}, kInk);
    dc.GradientFill(0, 0, 5, 5, kInk, kFill, GradientForwardDiagonal);
    dc.MoveTo(3, 4);
    dc.LineTo(7, 8);
    EXPECT_EQ(dc.Position(), (Point{0, 0}));
    EXPECT_EQ(dc.SelectPen(kInk), 0x00000000u);
    EXPECT_EQ(dc.SelectBrush(kInk), 0x00FFFFFFu);
  }
}

TEST(RasterSurface, PenAndBrushSelectionReturnThePreviousColour) {
  CMemoryDC dc(4, 4);
  EXPECT_EQ(dc.Pen(), 0x00000000u) << "black pen by default";
  EXPECT_EQ(dc.Brush(), 0x00FFFFFFu) << "white brush by default";
  EXPECT_EQ(dc.SelectPen(0x00123456), 0x00000000u);
  EXPECT_EQ(dc.SelectPen(0x00ABCDEF), 0x00123456u);
  EXPECT_EQ(dc.Pen(), 0x00ABCDEFu);
  EXPECT_EQ(dc.SelectBrush(0x00010203), 0x00FFFFFFu);
  EXPECT_EQ(dc.SelectBrush(0x00040506), 0x00010203u);
  EXPECT_EQ(dc.Brush(), 0x00040506u);
  {
    CSolidPen pen(dc, 0x00111111);
    CSolidBrush brush(dc, 0x00222222);
    EXPECT_EQ(dc.Pen(), 0x00111111u);
    EXPECT_EQ(dc.Brush(), 0x00222222u);
  }
  EXPECT_EQ(dc.Pen(), 0x00ABCDEFu);
  EXPECT_EQ(dc.Brush(), 0x00040506u);
}

TEST(RasterSurface, FiguresUseThePenAndTheBrush) {
  CMemoryDC dc(7, 7, kPaper);
  dc.SelectPen(0x00112233);
  dc.SelectBrush(0x00445566);
  dc.Ellipse({0, 0, 7, 7});
  EXPECT_EQ(dc.GetPixel(0, 3), 0x00112233u);
  EXPECT_EQ(dc.GetPixel(3, 3), 0x00445566u);
  EXPECT_EQ(dc.Bits()[3 * 7 + 3], 0xFF665544u);
}

TEST(RasterSurface, OnlyMoveToAndLineToChangeThePosition) {
  CMemoryDC dc = Paper(10, 10);
  EXPECT_EQ(dc.Position(), (Point{0, 0}));
  dc.MoveTo(2, 3);
  EXPECT_EQ(dc.Position(), (Point{2, 3}));
  dc.Ellipse({0, 0, 5, 5});
  dc.Pie({0, 0, 9, 9}, {9, 4}, {4, 0});
  const Point triangle[] = {{0, 0}, {8, 1}, {3, 7}};
  dc.Polygon(triangle, 3);
  dc.FillSolidRect(1, 1, 2, 2, kInk);
  EXPECT_EQ(dc.Position(), (Point{2, 3}));
  dc.LineTo(-7, 12);
  EXPECT_EQ(dc.Position(), (Point{-7, 12}));
}

TEST(RasterSurface, FillSolidRectIsHalfOpen) {
  CMemoryDC dc = Paper(6, 5);
  dc.FillSolidRect(1, 1, 3, 2, kInk);
  EXPECT_EQ(Picture(dc), Lines({"......", ".###..", ".###..", "......", "......"}));
  dc.FillSolidRect(Rect{4, 2, 6, 5}, kFill);
  EXPECT_EQ(Picture(dc), Lines({"......", ".###..", ".###oo", "....oo", "....oo"}));
}

TEST(RasterSurface, FillSolidRectWithZeroOrNegativeSizesFillsNothing) {
  CMemoryDC dc = Paper(6, 6);
  dc.FillSolidRect(1, 1, 0, 3, kInk);
  dc.FillSolidRect(1, 1, 3, 0, kInk);
  dc.FillSolidRect(4, 4, -2, 2, kInk);
  dc.FillSolidRect(4, 4, 2, -2, kInk);
  dc.FillSolidRect(4, 4, -2, -2, kInk);
  dc.FillSolidRect(Rect{2, 2, 2, 5}, kInk);  // empty
  dc.FillSolidRect(Rect{2, 2, 5, 2}, kInk);  // empty
  dc.FillSolidRect(Rect{5, 5, 1, 1}, kInk);  // inverted
  dc.FillSolidRect(Rect{1, 5, 5, 1}, kInk);  // inverted
  EXPECT_EQ(CountInk(dc), 0);
}

TEST(RasterSurface, FillSolidRectIsClippedAndSafeWithHugeValues) {
  CMemoryDC dc = Paper(4, 3);
  dc.FillSolidRect(-5, -5, 7, 6, kInk);  // reaches (1, 0)
  EXPECT_EQ(Picture(dc), Lines({"##..", "....", "...."}));
  dc.FillSolidRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX, kInk);
  dc.FillSolidRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk);  // ends at -1
  EXPECT_EQ(CountInk(dc), 2);
  dc.FillSolidRect(3, INT_MIN, INT_MAX, INT_MAX, kFill);  // rows INT_MIN .. -2
  EXPECT_EQ(CountInk(dc), 2);
  dc.FillSolidRect(Rect{INT_MIN, 2, INT_MAX, INT_MAX}, kFill);
  EXPECT_EQ(Picture(dc), Lines({"##..", "....", "oooo"}));
  dc.FillSolidRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kInk);
  EXPECT_EQ(Picture(dc), Lines({"####", "####", "####"}));
}

TEST(RasterSurface, LineExampleLeavesOutTheEndPixel) {
  CMemoryDC dc = Paper(6, 4);
  dc.MoveTo(0, 0);
  dc.LineTo(4, 2);
  EXPECT_EQ(Picture(dc), Lines({"##....", "..##..", "......", "......"}));
}

TEST(RasterSurface, HorizontalAndVerticalLinesInBothDirections) {
  CMemoryDC dc = Paper(7, 7);
  dc.MoveTo(1, 1);
  dc.LineTo(5, 1);  // (1..4, 1)
  dc.MoveTo(5, 3);
  dc.LineTo(1, 3);  // (5..2, 3)
  dc.MoveTo(0, 2);
  dc.LineTo(0, 6);  // (0, 2..5)
  dc.MoveTo(6, 6);
  dc.LineTo(6, 3);  // (6, 6..4)
  EXPECT_EQ(Picture(dc), Lines({".......", ".####..", "#......", "#.####.", "#.....#", "#.....#", "......#"}));
}

TEST(RasterSurface, ZeroLengthLinePaintsNothing) {
  CMemoryDC dc = Paper(4, 4);
  dc.MoveTo(2, 2);
  dc.LineTo(2, 2);
  EXPECT_EQ(CountInk(dc), 0);
}

// A plain step-by-step Bresenham line by the rules of docs/rendering.md, as reference.
std::vector<Point> ReferenceLine(long x0, long y0, long x1, long y1) {
  std::vector<Point> pixels;
  const long dx = x1 - x0, dy = y1 - y0;
  const long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const long dM = xMajor ? adx : ady, dm = xMajor ? ady : adx;
  const long sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int bias = (xMajor ? dy < 0 : dx < 0) ? 1 : 0;  // octants 3, 5, 6, 8
  long err = 2 * dm - dM, a = xMajor ? x0 : y0, b = xMajor ? y0 : x0;
  for (long k = 0; k < dM; ++k) {
    const int major = static_cast<int>(a), minor = static_cast<int>(b);
    pixels.push_back(xMajor ? Point{major, minor} : Point{minor, major});
    if (err + bias > 0) {
      b += sb;
      err -= 2 * dM;
    }
    err += 2 * dm;
    a += sa;
  }
  return pixels;
}

TEST(RasterSurface, LinesMatchBresenhamInEveryOctant) {
  for (int ex = -9; ex <= 9; ++ex) {
    for (int ey = -9; ey <= 9; ++ey) {
      CMemoryDC dc = Paper(21, 21);
      dc.MoveTo(10, 10);
      dc.LineTo(10 + ex, 10 + ey);
      CMemoryDC want = Paper(21, 21);
      for (const Point& p : ReferenceLine(10, 10, 10 + ex, 10 + ey)) want.FillSolidRect(p.x, p.y, 1, 1, kInk);
      ASSERT_EQ(Picture(dc), Picture(want)) << "to offset " << ex << ", " << ey;
      EXPECT_EQ(CountInk(dc), std::max(std::abs(ex), std::abs(ey))) << "exactly |major delta| pixels";
    }
  }
}

TEST(RasterSurface, ReversedLinesCoverTheSamePixelsApartFromTheirEnds) {
  // A half-way tie goes to the smaller minor coordinate in both directions.
  for (int ex = -7; ex <= 7; ++ex) {
    for (int ey = -7; ey <= 7; ++ey) {
      if (ex == 0 && ey == 0) continue;
      CMemoryDC forward = Paper(17, 17);
      forward.MoveTo(8, 8);
      forward.LineTo(8 + ex, 8 + ey);
      forward.FillSolidRect(8 + ex, 8 + ey, 1, 1, kInk);
      CMemoryDC backward = Paper(17, 17);
      backward.MoveTo(8 + ex, 8 + ey);
      backward.LineTo(8, 8);
      backward.FillSolidRect(8, 8, 1, 1, kInk);
      ASSERT_EQ(Picture(forward), Picture(backward)) << ex << ", " << ey;
    }
  }
}

TEST(RasterSurface, ClippedLinesPaintTheSamePixelsInsideTheSurface) {
  // Long lines from far outside: the visible pixels are those of the unclipped walk.
  const long ends[][4] = {{-300, -100, 250, 90},     {250, 90, -300, -100}, {-40, 300, 20, -200},
                          {60, -1000, 5, 1000},      {-500, 7, 500, 9},     {19, -77, 19, 77},
                          {-1000, 999, 1000, -1001}, {-123, -45, 321, 54}};
  for (const auto& e : ends) {
    CMemoryDC dc = Paper(24, 20);
    dc.MoveTo(static_cast<int>(e[0]), static_cast<int>(e[1]));
    dc.LineTo(static_cast<int>(e[2]), static_cast<int>(e[3]));
    CMemoryDC want = Paper(24, 20);
    for (const Point& p : ReferenceLine(e[0], e[1], e[2], e[3])) want.FillSolidRect(p.x, p.y, 1, 1, kInk);
    EXPECT_EQ(Picture(dc), Picture(want)) << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3];
  }
}

TEST(RasterSurface, HugeLinesAreClippedExactly) {
  // From corner to corner of the 32-bit plane: y = x - 1 + small error, visible as the
  // pixels the walk gives there (the minor offset of step k is
  // floor((2 dminor k + dmajor + bias - 1) / (2 dmajor))).
  CMemoryDC dc = Paper(16, 16);
  dc.MoveTo(INT_MIN, INT_MIN);
  dc.LineTo(INT_MAX, INT_MAX);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(dc.GetPixel(i, i), kInk) << i;
  EXPECT_EQ(CountInk(dc), 16);

  // A long flat line whose half-way tie falls at x = 5: it stays on the smaller y, drawn
  // either way.
  for (bool reversed : {false, true}) {
    CMemoryDC flat = Paper(16, 4);
    const Point a{INT_MIN + 12, 1};
    const Point b{INT_MAX - 1, 2};
    flat.MoveTo(reversed ? b.x : a.x, reversed ? b.y : a.y);
    flat.LineTo(reversed ? a.x : b.x, reversed ? a.y : b.y);
    EXPECT_EQ(Picture(flat), Lines({"................", "######..........", "......##########", "................"}))
        << reversed;
  }

  CMemoryDC steep = Paper(4, 4);
  steep.MoveTo(INT_MAX, INT_MIN + 3);
  steep.LineTo(INT_MIN + 3, INT_MAX);  // x + y = 2
  steep.MoveTo(3, INT_MIN);
  steep.LineTo(3, INT_MAX);
  EXPECT_EQ(Picture(steep), Lines({"..##", ".#.#", "#..#", "...#"}));
}

TEST(RasterSurface, GradientFillPaintsTheVisiblePartWithTheGradientColours) {
  CMemoryDC dc = Paper(20, 12);
  dc.GradientFill(-5, 3, 30, 6, 0x00740115, 0x00FFFFFF, GradientForwardDiagonal);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 20; ++x) {
      const Color want =
          y >= 3 && y < 9 ? raster::GradientColorAt(x, y, -5, 3, 30, 6, 0x00740115, 0x00FFFFFF, GradientForwardDiagonal)
                          : kPaper;
      ASSERT_EQ(dc.GetPixel(x, y), want) << x << ", " << y;
    }
  }
}

TEST(RasterSurface, GradientFillOfTheWholeFaceMatchesTheWorkedCorners) {
  CMemoryDC dc(224, 192);
  dc.GradientFill(0, 0, 224, 192, RGB(21, 1, 116), 0x00FFFFFF, GradientForwardDiagonal);
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(21, 1, 116));
  EXPECT_EQ(dc.GetPixel(223, 0), RGB(137, 127, 185));
  EXPECT_EQ(dc.GetPixel(223, 191), RGB(254, 254, 254));
}

TEST(RasterSurface, GradientFillWithNoAreaOrFarAwayPaintsNothing) {
  CMemoryDC dc = Paper(8, 8);
  dc.GradientFill(0, 0, 0, 8, kInk, kInk, GradientHorizontal);
  dc.GradientFill(0, 0, 8, 0, kInk, kInk, GradientHorizontal);
  dc.GradientFill(0, 0, -8, 8, kInk, kInk, GradientHorizontal);
  dc.GradientFill(8, 0, 8, 8, kInk, kInk, GradientVertical);
  dc.GradientFill(0, -8, 8, 8, kInk, kInk, GradientVertical);
  dc.GradientFill(INT_MAX, INT_MAX, INT_MAX, INT_MAX, kInk, kInk, GradientBackwardDiagonal);
  EXPECT_EQ(CountInk(dc), 0);
  dc.GradientFill(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk, kInk, GradientForwardDiagonal);  // ends at -2
  EXPECT_EQ(CountInk(dc), 0);
  dc.GradientFill(INT_MIN + 8, INT_MIN + 8, INT_MAX, INT_MAX, kInk, kInk, GradientForwardDiagonal);  // to 6
  EXPECT_EQ(dc.GetPixel(6, 6), kInk);
  EXPECT_EQ(dc.GetPixel(7, 7), kPaper);
}

TEST(RasterSurface, FiguresOutsideTheSurfaceDrawNothing) {
  // Every figure just beyond each side of a 10 x 8 surface, and far away.
  const Rect boxes[] = {{-20, 0, 0, 8},
                        {10, 0, 30, 8},
                        {0, -9, 10, 0},
                        {0, 8, 10, 20},
                        {1000000, 5, 1000900, 7},
                        {INT_MIN, INT_MIN, -5, -5},
                        {12, 12, INT_MAX, INT_MAX}};
  for (const Rect& r : boxes) {
    CMemoryDC dc = Paper(10, 8);
    dc.Ellipse(r);
    dc.RoundRect(r, 7, 5);
    dc.Arc(r, {r.right, r.top}, {r.left, r.top});
    dc.Chord(r, {r.right, r.top}, {r.left, r.bottom});
    dc.Pie(r, {r.right, r.bottom}, {r.left, r.top});
    // A polygon and a line paint their vertices, so they keep to the box's pixels.
    const Point corners[] = {
        {r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
    dc.Polygon(corners, 4);
    dc.FillSolidRect(r, kInk);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right - 1, r.bottom - 1);
    dc.GradientFill(r.left, r.top, static_cast<int>(std::min<long long>(INT_MAX, 0LL + r.right - r.left)),
                    static_cast<int>(std::min<long long>(INT_MAX, 0LL + r.bottom - r.top)), kInk, kInk,
                    GradientHorizontal);
    EXPECT_EQ(CountInk(dc), 0) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  // Partly outside: only the visible part, as when drawn on a larger surface.
  CMemoryDC part = Paper(10, 8);
  part.Ellipse({-6, -3, 9, 12});
  CMemoryDC whole = Paper(30, 30);
  whole.Ellipse({4, 7, 19, 22});
  EXPECT_EQ(Picture(part), Picture(whole, 10, 10, 10, 8));
}

TEST(RasterSurface, ExtremeCoordinatesStayOnTheSurface) {
  // Every operation with values from the edges of the 32-bit range: nothing outside the
  // surface is touched (checked by the sanitizer build), everything ends quickly.
  const int values[] = {INT_MIN, INT_MIN + 1, -2000000000, -1000000007, -65536,     -3,          -1,     0, 1, 2, 5,
                        17,      30,          65537,       1000000007,  2000000000, INT_MAX - 1, INT_MAX};
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return values[(seed >> 16) % (sizeof values / sizeof values[0])];
  };
  CMemoryDC dc = Paper(24, 18);
  for (int i = 0; i < 3000; ++i) {
    const Rect r{next(), next(), next(), next()};
    const Point a{next(), next()}, b{next(), next()};
    switch (i % 9) {
      case 0:
        dc.Ellipse(r);
        break;
      case 1:
        dc.RoundRect(r, next(), next());
        break;
      case 2:
        dc.Arc(r, a, b);
        break;
      case 3:
        dc.Chord(r, a, b);
        break;
      case 4:
        dc.Pie(r, a, b);
        break;
      case 5: {
        const Point p[] = {a, b, {next(), next()}, {next(), next()}, {next(), next()}};
        dc.Polygon(p, 2 + i % 4);
        break;
      }
      case 6:
        dc.FillSolidRect(next(), next(), next(), next(), kFill);
        break;
      case 7:
        dc.MoveTo(a.x, a.y);
        dc.LineTo(b.x, b.y);
        break;
      case 8:
        dc.GradientFill(next(), next(), next(), next(), kInk, kFill, static_cast<GradientMode>(i % 4));
        break;
    }
  }
  EXPECT_TRUE(dc.IsValid());
}

}  // namespace
}  // namespace pelmoro
