// Arc, Chord and Pie on the raster surface: direction, end pixels, closing lines, fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "raster_pictures.h"
#include "render/memory_dc.h"

namespace pelmoro {
namespace {

using namespace testing;  // the text pictures of raster_pictures.h

enum class Kind { Arc, Chord, Pie };

void Draw(CMemoryDC& dc, Kind kind, const Rect& r, Point s, Point e) {
  if (kind == Kind::Arc) dc.Arc(r, s, e);
  if (kind == Kind::Chord) dc.Chord(r, s, e);
  if (kind == Kind::Pie) dc.Pie(r, s, e);
}

// ---- A slow, literal reference of the rules in docs/rendering.md, for small figures. ----

using i64 = long long;
using i128 = __int128;

bool InEllipse(i64 w, i64 h, i64 x, i64 y) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  if (w <= 2 || h <= 2) return true;
  const i128 a = w - 1, b = h - 1;
  i128 dx = 2 * x - (w - 1), dy = 2 * y - (h - 1);
  dx = dx < 0 ? -dx : dx;
  dy = dy < 0 ? -dy : dy;
  if (dy <= 1 || dx <= (a & 1)) return true;
  return b * b * dx * dx + a * a * (dy - 1) * (dy - 1) < a * a * b * b ||
         b * b * (dx - 1) * (dx - 1) + a * a * dy * dy < a * a * b * b;
}
bool OnOutline(i64 w, i64 h, i64 x, i64 y) {
  return InEllipse(w, h, x, y) && (!InEllipse(w, h, x - 1, y) || !InEllipse(w, h, x + 1, y) ||
                                   !InEllipse(w, h, x, y - 1) || !InEllipse(w, h, x, y + 1));
}

struct Vec {
  i64 u, v;  // v upward
};
i128 Cross(Vec a, Vec b) { return static_cast<i128>(a.u) * b.v - static_cast<i128>(a.v) * b.u; }
bool AngleBefore(Vec a, Vec b) {  // angle(a) < angle(b) in [0, 360)
  const int ha = (a.v > 0 || (a.v == 0 && a.u > 0)) ? 0 : 1;
  const int hb = (b.v > 0 || (b.v == 0 && b.u > 0)) ? 0 : 1;
  return ha != hb ? ha < hb : Cross(a, b) > 0;
}

struct Px {
  i64 x, y;
};

// The outline of the w x h box at the origin, counter-clockwise from the 0° ray about
// C = (w / 2, h / 2), by exact angle. Pixels on one ray come in the order the boundary
// walk meets them.
std::vector<Px> OutlineWalk(i64 w, i64 h) {
  const i64 cx = w / 2, cy = h / 2;
  auto dir = [&](Px p) { return p.x == cx && p.y == cy ? Vec{1, 0} : Vec{p.x - cx, cy - p.y}; };
  std::vector<Px> pixels;
  for (i64 y = 0; y < h; ++y) {
    for (i64 x = 0; x < w; ++x) {
      if (OnOutline(w, h, x, y)) pixels.push_back({x, y});
    }
  }
  std::stable_sort(pixels.begin(), pixels.end(), [&](Px a, Px b) {
    if (AngleBefore(dir(a), dir(b))) return true;
    if (AngleBefore(dir(b), dir(a))) return false;
    const i64 ua = a.x - cx, va = cy - a.y, ub = b.x - cx, vb = cy - b.y;
    if (va == 0 && ua >= 0) return ua > ub;  // 0°: from the outside in
    if (ua == 0 && va > 0) return va < vb;   // 90°: the walk comes up the column
    if (va == 0 && ua < 0) return ua < ub;   // 180°: from the outside in
    return va < vb;                          // 270°: the walk comes up from the bottom
  });
  return pixels;
}

i64 CeilDiv(i128 a, i128 b) {
  i128 q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return static_cast<i64>(q);
}

void ReferenceLine(i64 x0, i64 y0, i64 x1, i64 y1, const std::function<void(i64, i64)>& put) {
  const i64 dx = x1 - x0, dy = y1 - y0, adx = std::abs(dx), ady = std::abs(dy);
  const bool xMajor = adx >= ady;
  const i64 dM = xMajor ? adx : ady, dm = xMajor ? ady : adx;
  const i64 sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int bias = (xMajor ? dy < 0 : dx < 0) ? 1 : 0;
  i64 err = 2 * dm - dM, a = xMajor ? x0 : y0, b = xMajor ? y0 : x0;
  for (i64 k = 0; k < dM; ++k) {
    xMajor ? put(a, b) : put(b, a);
    if (err + bias > 0) {
      b += sb;
      err -= 2 * dM;
    }
    err += 2 * dm;
    a += sa;
  }
}

// The reference figure on a surface of w x h, box at (ox, oy).
std::string ReferencePicture(int width, int height, Kind kind, i64 ox, i64 oy, i64 w, i64 h, Point s, Point e) {
  std::vector<char> pic(static_cast<std::size_t>(width * height), '.');
  auto put = [&](char c) {
    return [&, c](i64 x, i64 y) {
      if (x >= 0 && y >= 0 && x < width && y < height) pic[static_cast<std::size_t>(y * width + x)] = c;
    };
  };
  const std::vector<Px> walk = OutlineWalk(w, h);
  const i64 n = static_cast<i64>(walk.size());
  const i64 cx = w / 2, cy = h / 2;
  auto dir = [&](i64 x, i64 y) { return x == cx && y == cy ? Vec{1, 0} : Vec{x - cx, cy - y}; };
  // First pixel at or past the radial's angle; the list's first when there is none.
  auto firstAt = [&](Point p) {
    const Vec d = dir(p.x - ox, p.y - oy);
    for (i64 i = 0; i < n; ++i) {
      if (!AngleBefore(dir(walk[i].x, walk[i].y), d)) return i;
    }
    return i64{0};
  };
  const i64 first = firstAt(s);
  i64 last = firstAt(e);
  if (last <= first) last += n;  // a full turn
  if (kind == Kind::Arc) {
    for (i64 i = first; i < last; ++i) put('#')(walk[i % n].x + ox, walk[i % n].y + oy);
  } else {
    // Fill: the polygon over the vertices first .. last (and C for Pie), winding rule.
    std::vector<Px> poly;
    for (i64 i = first; i <= last; ++i) poly.push_back({walk[i % n].x + ox, walk[i % n].y + oy});
    if (kind == Kind::Pie) poly.push_back({cx + ox, cy + oy});
    for (i64 y = oy; y < oy + h; ++y) {
      std::vector<std::pair<i64, int>> crossings;
      for (std::size_t i = 0; i < poly.size(); ++i) {
        Px a = poly[i], b = poly[(i + 1) % poly.size()];
        if (a.y == b.y) continue;
        const int direction = b.y > a.y ? 1 : -1;
        if (a.y > b.y) std::swap(a, b);
        if (y < a.y || y >= b.y) continue;
        crossings.push_back({a.x + CeilDiv(static_cast<i128>(y - a.y) * (b.x - a.x), b.y - a.y), direction});
      }
      std::sort(crossings.begin(), crossings.end());
      int winding = 0;
      i64 from = 0;
      for (const auto& [x, d] : crossings) {
        const int before = winding;
        winding += d;
        if (before == 0) from = x;
        if (before != 0 && winding == 0) {
          for (i64 px = from; px < x; ++px) put('o')(px, y);
        }
      }
    }
    for (const Px& p : poly) put('#')(p.x, p.y);
    const Px pe = poly[last - first], ps = poly[0];
    if (kind == Kind::Chord) {
      ReferenceLine(pe.x, pe.y, ps.x, ps.y, put('#'));
    } else {
      ReferenceLine(pe.x, pe.y, cx + ox, cy + oy, put('#'));
      ReferenceLine(cx + ox, cy + oy, ps.x, ps.y, put('#'));
    }
  }
  return GridText(pic, width, height);
}

// ---- Worked pictures. ----

TEST(RasterArc, RunsCounterClockwiseAndLeavesOutItsEndPixel) {
  // A 15 x 15 circle about (7, 7), from the 0° ray to the 90° ray: the upper-right
  // quarter, from the right-middle pixel (included) to the top-middle one (excluded).
  CMemoryDC dc = Paper(15, 9);
  dc.Arc({0, 0, 15, 15}, {14, 7}, {7, 0});
  EXPECT_EQ(Picture(dc),
            Lines({"........##.....", "..........##...", "............#..", ".............#.", ".............#.",
                   "..............#", "..............#", "..............#", "..............."}));
  // Only the direction of S and E counts.
  CMemoryDC far = Paper(15, 9);
  far.Arc({0, 0, 15, 15}, {1000, 7}, {7, -5000});
  EXPECT_EQ(Picture(far), Picture(dc));
}

TEST(RasterArc, TheOtherWayRoundIsTheRestOfTheEllipse) {
  CMemoryDC dc = Paper(15, 15);
  dc.Arc({0, 0, 15, 15}, {7, 0}, {14, 7});
  EXPECT_EQ(Picture(dc),
            Lines({".....###.......", "...##..........", "..#............", ".#.............", ".#.............",
                   "#..............", "#..............", "#..............", "#.............#", "#.............#",
                   ".#...........#.", ".#...........#.", "..#.........#..", "...##.....##...", ".....#####....."}));
  for (int w : {9, 10, 23}) {
    for (int h : {7, 12, 31}) {
      const Point s{w, h / 3}, e{-2, h};
      CMemoryDC one = Paper(w, h), other = Paper(w, h), whole = Paper(w, h);
      one.Arc({0, 0, w, h}, s, e);
      other.Arc({0, 0, w, h}, e, s);
      whole.SelectBrush(kPaper);
      whole.Ellipse({0, 0, w, h});
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const bool a = one.GetPixel(x, y) == kInk, b = other.GetPixel(x, y) == kInk;
          ASSERT_FALSE(a && b) << w << "x" << h << " at " << x << "," << y;
          ASSERT_EQ(a || b, whole.GetPixel(x, y) == kInk) << w << "x" << h << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(RasterArc, StartAndEndOnOneRayGiveTheWholeEllipse) {
  CMemoryDC whole = Paper(17, 12);
  whole.SelectBrush(kPaper);
  whole.Ellipse({0, 0, 17, 12});
  const Point pairs[][2] = {{{3, 2}, {3, 2}},  {{16, 6}, {40, 6}}, {{0, 0}, {-8, -6}},
                            {{8, 6}, {20, 6}}, {{8, 6}, {8, 6}},   {{5, 11}, {2, 16}}};
  for (const auto& pair : pairs) {
    CMemoryDC dc = Paper(17, 12);
    dc.Arc({0, 0, 17, 12}, pair[0], pair[1]);
    EXPECT_EQ(Picture(dc), Picture(whole)) << pair[0].x << "," << pair[0].y << " " << pair[1].x << "," << pair[1].y;
  }
  // A radial point at the centre (8, 6) counts as 0°, like the right-middle pixel.
  CMemoryDC fromCentre = Paper(17, 12);
  fromCentre.Arc({0, 0, 17, 12}, {8, 6}, {8, 0});
  CMemoryDC fromRight = Paper(17, 12);
  fromRight.Arc({0, 0, 17, 12}, {16, 6}, {8, 0});
  EXPECT_EQ(Picture(fromCentre), Picture(fromRight));
}

TEST(RasterArc, TinyAnglesBetweenNeighbouringPixelsGiveAFullTurn) {
  // No outline pixel lies between the rays of S and E (going counter-clockwise): the end
  // comes at the start, so a full turn is added.
  CMemoryDC dc = Paper(9, 9);
  dc.Arc({0, 0, 9, 9}, {8, 3}, {84, -15});  // from 14.04° round to 13.36° (about C = (4, 4))
  CMemoryDC whole = Paper(9, 9);
  whole.SelectBrush(kPaper);
  whole.Ellipse({0, 0, 9, 9});
  EXPECT_EQ(Picture(dc), Picture(whole));
  CMemoryDC thin = Paper(9, 9);
  thin.Arc({0, 0, 9, 9}, {84, -15}, {8, 3});  // from 13.36° to 14.04°: also a full turn
  EXPECT_EQ(Picture(thin), Picture(whole));
}

TEST(RasterChord, ClosesTheArcWithALineAndFillsIt) {
  CMemoryDC dc = Paper(15, 9);
  dc.Chord({0, 0, 15, 15}, {14, 7}, {7, 0});
  EXPECT_EQ(Picture(dc),
            Lines({".......###.....", "........#o##...", ".........#oo#..", "..........#oo#.", "...........#o#.",
                   "............#o#", ".............##", "..............#", "..............."}));
  CMemoryDC half = Paper(20, 5);
  half.Chord({0, 0, 20, 5}, {19, 2}, {0, 2});  // the upper half, closed along the middle row
  EXPECT_EQ(Picture(half), Lines({"....############....", ".###oooooooooooo###.", "####################",
                                  "....................", "...................."}));
}

TEST(RasterPie, ClosesTheArcThroughTheCentreAndFillsIt) {
  CMemoryDC dc = Paper(15, 9);
  dc.Pie({0, 0, 15, 15}, {14, 7}, {7, 0});
  EXPECT_EQ(Picture(dc),
            Lines({".......###.....", ".......#oo##...", ".......#oooo#..", ".......#ooooo#.", ".......#ooooo#.",
                   ".......#oooooo#", ".......#oooooo#", ".......########", "..............."}));
}

TEST(RasterChordAndPie, OnOneRayTheyAreTheWholeFilledEllipse) {
  CMemoryDC ellipse = Paper(13, 9);
  ellipse.Ellipse({0, 0, 13, 9});
  CMemoryDC chord = Paper(13, 9);
  chord.Chord({0, 0, 13, 9}, {12, 1}, {24, -2});
  EXPECT_EQ(Picture(chord), Picture(ellipse));
  // The pie adds its radius, from the ray's pixel to the centre (6, 4).
  CMemoryDC pie = Paper(13, 9);
  pie.Pie({0, 0, 13, 9}, {12, 4}, {12, 4});
  EXPECT_EQ(Picture(pie), Lines({"....#####....", "..##ooooo##..", ".#ooooooooo#.", "#ooooooooooo#", "#ooooo#######",
                                 "#ooooooooooo#", ".#ooooooooo#.", "..##ooooo##..", "....#####...."}));
}

TEST(RasterArc, InvertedBoxesAreNormalised) {
  for (Kind kind : {Kind::Arc, Kind::Chord, Kind::Pie}) {
    CMemoryDC upright = Paper(20, 16), inverted = Paper(20, 16);
    Draw(upright, kind, {2, 1, 18, 14}, {19, 0}, {0, 15});
    Draw(inverted, kind, {18, 14, 2, 1}, {19, 0}, {0, 15});
    EXPECT_EQ(Picture(inverted), Picture(upright));
  }
}

TEST(RasterArc, EmptyBoxesDrawNothing) {
  for (Kind kind : {Kind::Arc, Kind::Chord, Kind::Pie}) {
    CMemoryDC dc = Paper(10, 10);
    Draw(dc, kind, {3, 3, 3, 9}, {9, 3}, {3, 0});
    Draw(dc, kind, {3, 3, 9, 3}, {9, 3}, {3, 0});
    EXPECT_EQ(Picture(dc), Picture(Paper(10, 10)));
  }
}

TEST(RasterArcChordPie, MatchTheLiteralRulesOnManySmallFigures) {
  std::mt19937 random(20261208);
  for (int i = 0; i < 6000; ++i) {
    const int w = 1 + static_cast<int>(random() % (i % 3 == 0 ? 7 : 26));
    const int h = 1 + static_cast<int>(random() % (i % 3 == 0 ? 7 : 26));
    const int ox = static_cast<int>(random() % 9) - 4, oy = static_cast<int>(random() % 9) - 4;
    auto radial = [&] {
      return Point{ox + static_cast<int>(random() % (w + 7)) - 3, oy + static_cast<int>(random() % (h + 7)) - 3};
    };
    const Point s = radial();
    const Point e = i % 7 == 0 ? s : radial();
    const Kind kind = static_cast<Kind>(random() % 3);
    CMemoryDC dc = Paper(30, 30);
    Draw(dc, kind, {ox, oy, ox + w, oy + h}, s, e);
    ASSERT_EQ(Picture(dc), ReferencePicture(30, 30, kind, ox, oy, w, h, s, e))
        << "kind " << static_cast<int>(kind) << " box " << ox << "," << oy << " " << w << "x" << h << " S " << s.x
        << "," << s.y << " E " << e.x << "," << e.y;
  }
}

TEST(RasterChordAndPie, InOneColourTheyMatchTheRules) {
  // Pen and brush alike: rows wholly on the arc are painted as single spans.
  std::mt19937 random(20261209);
  for (int i = 0; i < 1500; ++i) {
    const int w = 3 + static_cast<int>(random() % 40), h = 3 + static_cast<int>(random() % 40);
    const int ox = static_cast<int>(random() % 9) - 4, oy = static_cast<int>(random() % 9) - 4;
    auto radial = [&] {
      return Point{ox + static_cast<int>(random() % (w + 7)) - 3, oy + static_cast<int>(random() % (h + 7)) - 3};
    };
    const Point s = radial(), e = radial();
    const Kind kind = i % 2 == 0 ? Kind::Chord : Kind::Pie;
    CMemoryDC dc = Paper(44, 44);
    dc.SelectBrush(dc.Pen());
    Draw(dc, kind, {ox, oy, ox + w, oy + h}, s, e);
    std::string expected = ReferencePicture(44, 44, kind, ox, oy, w, h, s, e);
    std::replace(expected.begin(), expected.end(), 'o', '#');
    ASSERT_EQ(Picture(dc), expected) << "kind " << static_cast<int>(kind) << " box " << ox << "," << oy << " " << w
                                     << "x" << h << " S " << s.x << "," << s.y << " E " << e.x << "," << e.y;
  }
}

TEST(RasterArcChordPie, ClippedViewsOfLargerFiguresMatchTheRules) {
  // Figures up to a few hundred pixels, seen through a small surface anywhere on them.
  std::mt19937 random(7);
  for (int i = 0; i < 150; ++i) {
    const int w = 3 + static_cast<int>(random() % 300), h = 3 + static_cast<int>(random() % 300);
    const double t = (random() % 6283) / 1000.0;
    const int px = static_cast<int>(w / 2 + std::cos(t) * w / 2), py = static_cast<int>(h / 2 - std::sin(t) * h / 2);
    const int ox = -px + static_cast<int>(random() % 20), oy = -py + static_cast<int>(random() % 20);
    auto radial = [&] {
      const double a = (random() % 6283) / 1000.0;
      return Point{ox + w / 2 + static_cast<int>(std::cos(a) * 500), oy + h / 2 - static_cast<int>(std::sin(a) * 500)};
    };
    const Point s = radial(), e = radial();
    const Kind kind = static_cast<Kind>(random() % 3);
    CMemoryDC dc = Paper(24, 24);
    Draw(dc, kind, {ox, oy, ox + w, oy + h}, s, e);
    ASSERT_EQ(Picture(dc), ReferencePicture(24, 24, kind, ox, oy, w, h, s, e))
        << "kind " << static_cast<int>(kind) << " box " << ox << "," << oy << " " << w << "x" << h;
  }
}

TEST(RasterArcChordPie, TallFiguresMatchTheRules) {
  // More than 512 rows: the insets go into a table on the heap, worked out in steps as
  // far as each figure needs; windows on the top, the middle and the bottom.
  std::mt19937 random(512);
  for (int i = 0; i < 24; ++i) {
    const int w = 3 + static_cast<int>(random() % 60), h = 513 + static_cast<int>(random() % 1200);
    const int oy = -(i % 3 == 0 ? 0 : i % 3 == 1 ? h / 2 - 12 : h - 24);
    const int ox = -static_cast<int>(random() % static_cast<unsigned>(w));
    auto radial = [&] {
      return Point{ox + static_cast<int>(random() % (w + 20)) - 10, oy + static_cast<int>(random() % (h + 20)) - 10};
    };
    const Point s = radial(), e = i % 5 == 0 ? s : radial();
    const Kind kind = static_cast<Kind>(random() % 3);
    CMemoryDC dc = Paper(24, 24);
    Draw(dc, kind, {ox, oy, ox + w, oy + h}, s, e);
    ASSERT_EQ(Picture(dc), ReferencePicture(24, 24, kind, ox, oy, w, h, s, e))
        << "kind " << static_cast<int>(kind) << " box " << ox << "," << oy << " " << w << "x" << h << " S " << s.x
        << "," << s.y << " E " << e.x << "," << e.y;
  }
}

TEST(RasterArcChordPie, HugeFiguresAreClippedExactly) {
  // Arcs of huge ellipses: S -> E and E -> S share no pixel and together make the outline.
  const Rect boxes[] = {{-2000000000, -2000000000, 2000000000, 2000000000},
                        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                        {-2000000000, -5, 100, 2000000000},
                        {-30, -1500000000, 35, 40},
                        {10, INT_MIN, 20, INT_MAX}};
  // Radial points far apart in angle from every centre (so that neither arc is empty).
  const Point radials[][2] = {{{INT_MAX, 0}, {INT_MIN, 0}},
                              {{0, INT_MIN}, {0, INT_MAX}},
                              {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}},
                              {{INT_MAX, 3}, {INT_MIN, INT_MIN}},
                              {{INT_MIN, 7}, {INT_MAX, INT_MIN}}};
  for (const Rect& box : boxes) {
    for (const auto& radial : radials) {
      CMemoryDC one = Paper(40, 30), other = Paper(40, 30), whole = Paper(40, 30);
      one.Arc(box, radial[0], radial[1]);
      other.Arc(box, radial[1], radial[0]);
      whole.SelectBrush(kPaper);
      whole.Ellipse(box);
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
          const bool a = one.GetPixel(x, y) == kInk, b = other.GetPixel(x, y) == kInk;
          ASSERT_FALSE(a && b) << x << "," << y << " box " << box.left << "," << box.top << " radials " << radial[0].x
                               << "," << radial[0].y << " " << radial[1].x << "," << radial[1].y;
          ASSERT_EQ(a || b, whole.GetPixel(x, y) == kInk) << x << "," << y;
        }
      }
      // Chord and pie stay within the ellipse.
      for (Kind kind : {Kind::Chord, Kind::Pie}) {
        CMemoryDC dc = Paper(40, 30);
        Draw(dc, kind, box, radial[0], radial[1]);
        CMemoryDC ellipse = Paper(40, 30);
        ellipse.Ellipse(box);
        for (int y = 0; y < 30; ++y) {
          for (int x = 0; x < 40; ++x) {
            if (dc.GetPixel(x, y) == kFill) {
              ASSERT_EQ(ellipse.GetPixel(x, y), kFill) << x << "," << y;
            }
          }
        }
      }
    }
  }
  // S and E on one ray: the whole outline, as the ellipse's pen pixels.
  for (const Rect& box : boxes) {
    CMemoryDC arc = Paper(40, 30), ellipse = Paper(40, 30);
    arc.Arc(box, {INT_MAX, 5}, {INT_MAX, 5});
    ellipse.SelectBrush(kPaper);
    ellipse.Ellipse(box);
    EXPECT_EQ(Picture(arc), Picture(ellipse)) << box.left << "," << box.top;
  }
  // The top of the largest pie: the arc from 45° to 135° and its two radii.
  CMemoryDC pie = Paper(6, 4);
  pie.Pie({INT_MIN, 0, INT_MAX, INT_MAX}, {999999999, 73741823}, {-1000000001, 73741823});  // C (-1, 1073741823)
  EXPECT_EQ(Picture(pie), Lines({"######", "oooooo", "oooooo", "oooooo"}));
  // A wedge a few pixels wide at the top, between radii through (0, 0) and (-2, 0).
  CMemoryDC wedge = Paper(6, 4);
  wedge.Pie({INT_MIN, 0, INT_MAX, INT_MAX}, {1, -2}, {-3, -2});
  EXPECT_EQ(Picture(wedge), Lines({"#.....", "#.....", "#.....", "#....."}));
}

}  // namespace
}  // namespace pelmoro
