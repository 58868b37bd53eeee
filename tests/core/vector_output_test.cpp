// The vector surface and the pictures drawn with it: every figure and whole faces agree
// with the exact picture away from edges, at the picture's own size and shrunk back from
// larger ones; sizes, selections, transparency and repeatable vector files.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <tiffio.h>

#include <string>
#include <vector>

#include "golden_faces.h"
#include "golden_image.h"
#include "model/random.h"
#include "output/picture_export.h"
#include "output/scaled_picture.h"
#include "render/memory_dc.h"
#include "smooth_compare.h"
#include "test_files.h"

namespace pelmoro {
namespace {

using testing::DiffersOnlyAlongEdges;
using testing::Shrunk;
using testing::TempDir;

constexpr int kW = FacePicture::kWidth;
constexpr int kH = FacePicture::kHeight;

// Every call of the surface: the four gradient directions (the diagonals over rectangles
// that are not square), even and odd ellipses, a rounded rectangle, arcs that cross the
// axes, a chord, pies (one of them whole), an even-odd star and a polyline.
void PaintFigures(Surface& s) {
  s.GradientFill(0, 0, 112, 40, 0x000000FF, 0x00FF0000, GradientHorizontal);
  s.GradientFill(112, 0, 112, 40, 0x0000FF00, 0x00FF00FF, GradientVertical);
  s.GradientFill(0, 40, 112, 60, 0x00200000, 0x0000FFFF, GradientForwardDiagonal);
  s.GradientFill(112, 40, 112, 60, 0x00FFFF00, 0x00000080, GradientBackwardDiagonal);
  s.FillSolidRect(0, 100, kW, kH - 100, 0x00E0E0E0);
  CSolidPen pen(s, 0x00101080);
  CSolidBrush brush(s, 0x0060C0F0);
  s.Ellipse({4, 104, 40, 130});
  s.Ellipse({75, 135, 44, 104});  // inverted, odd
  s.RoundRect({80, 104, 120, 140}, 16, 12);
  s.Arc({124, 104, 160, 140}, {160, 110}, {124, 140});
  s.Arc({164, 104, 220, 140}, {164, 104}, {220, 104});
  s.Chord({4, 145, 44, 185}, {44, 145}, {4, 150});
  s.Pie({50, 145, 80, 175}, {80, 145}, {50, 160});
  s.Pie({84, 145, 110, 175}, {110, 160}, {120, 160});
  const Point star[] = {{135, 146}, {147, 188}, {115, 160}, {155, 160}, {123, 188}};
  s.Polygon(star, 5);
  s.MoveTo(160, 150);
  s.LineTo(220, 160);
  s.LineTo(170, 188);
  s.LineTo(160, 150);
  s.MoveTo(200, 150);
  s.LineTo(200, 185);
}

CMemoryDC ExactOf(const std::function<void(Surface&)>& paint) {
  CMemoryDC dc(kW, kH, 0x00FFFFFF);
  paint(dc);
  return dc;
}

ImageView ViewOf(const CMemoryDC& dc) { return {dc.Width(), dc.Height(), dc.Bits(), dc.Width()}; }

// Draws smooth at `factor` times the size and shrinks back to the exact size.
std::vector<std::uint32_t> SmoothShrunk(const std::function<void(Surface&)>& paint, int factor) {
  PictureScene scene{paint, {0, 0, kW, kH}, false};
  SmoothPicture smooth;
  EXPECT_TRUE(DrawSmooth(scene, kW * factor, kH * factor, smooth).ok());
  return Shrunk(smooth.View(), factor);
}

::testing::AssertionResult AgreesAwayFromEdges(const std::function<void(Surface&)>& paint, double maxShare) {
  const CMemoryDC exact = ExactOf(paint);
  for (int factor : {1, 4}) {
    const std::vector<std::uint32_t> smooth = SmoothShrunk(paint, factor);
    auto result = DiffersOnlyAlongEdges(ViewOf(exact), {kW, kH, smooth.data(), kW}, maxShare);
    if (!result) return result << " (drawn at " << factor << " times the size)";
  }
  return ::testing::AssertionSuccess();
}

FacePicture PictureOf(const CFace& face) {
  FacePicture picture;
  picture.m_face = face;
  picture.m_fill.ApplyStartupFill();
  return picture;
}

FacePicture RandomPicture(std::uint32_t seed) {
  FacePicture picture;
  CRandom random(seed);
  picture.m_face.Randomize(random);
  picture.m_fill.ApplyStartupFill();
  return picture;
}

TEST(VectorSurface, EveryFigureAgreesWithTheRasterSurfaceAwayFromEdges) {
  EXPECT_TRUE(AgreesAwayFromEdges(PaintFigures, 0.06));
}

TEST(VectorSurface, WholeFacesAgreeWithTheExactPictureAwayFromEdges) {
  CFace busiest = UniformFace(5);
  busiest.faceType = FaceOval;
  busiest.hairType = 2;
  busiest.glasses = GlassesBlackRimmed;
  busiest.mustache = MustacheAndBeard;
  CFace square = SliderFace(9, FaceSquare, Sunglasses, BeardOnly);
  square.hairType = 9;
  for (FacePicture picture :
       {PictureOf(busiest), PictureOf(square), PictureOf(SliderFace(0)), RandomPicture(7), RandomPicture(42)}) {
    EXPECT_TRUE(AgreesAwayFromEdges([&](Surface& s) { picture.Paint(s); }, 0.04)) << picture.m_face.faceSize;
  }
}

}  // namespace
}  // namespace pelmoro
