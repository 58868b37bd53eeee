// Eyes and brows for the face with every slider parameter 5: eye boxes 22 x 11 centred
// on x = 79 and 145, eye line 96; brow box (33, 91, 66, 96).
#include <gtest/gtest.h>

#include <vector>

#include "golden_faces.h"
#include "render/recording_surface.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

using Call = RecordingSurface::Call;
using Op = RecordingSurface::Op;

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kBlack = 0x00000000;

std::vector<Call> EyeCalls(const CFace& face, std::int32_t eyePose) {
  FacePicture picture = LaidOut(face);
  picture.m_nEyePose = eyePose;
  RecordingSurface surface;
  picture.DrawEyes(surface);
  return surface.calls();
}

std::vector<Point> BrowPoints(const CFace& face, std::int32_t browPose, int brow) {
  FacePicture picture = LaidOut(face);
  picture.m_nBrowPose = browPose;
  RecordingSurface surface;
  picture.DrawBrows(surface);
  EXPECT_EQ(surface.calls().size(), 2u);
  if (surface.calls().size() != 2u) return {};
  return surface.calls()[brow].points;
}

TEST(DrawEyes, WhitesOutlinesAndPupils) {
  const auto calls = EyeCalls(SliderFace(5), 0);
  ASSERT_EQ(calls.size(), 6u);
  const Rect left{68, 91, 90, 102};
  const Rect right{134, 91, 156, 102};

  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(calls[i].op, Op::Ellipse);
    EXPECT_EQ(calls[i].pen, kWhite);
    EXPECT_EQ(calls[i].brush, kWhite);  // the surface's default brush
  }
  EXPECT_EQ(calls[0].rect, left);
  EXPECT_EQ(calls[1].rect, right);

  EXPECT_EQ(calls[2].op, Op::Arc);
  EXPECT_EQ(calls[2].rect, left);
  EXPECT_EQ(calls[2].start, (Point{90, 96}));
  EXPECT_EQ(calls[2].end, (Point{90, 96}));
  EXPECT_EQ(calls[2].pen, kBlack);
  EXPECT_EQ(calls[3].op, Op::Arc);
  EXPECT_EQ(calls[3].rect, right);
  EXPECT_EQ(calls[3].start, (Point{156, 96}));
  EXPECT_EQ(calls[3].end, (Point{156, 96}));

  EXPECT_EQ(calls[4].op, Op::Ellipse);
  EXPECT_EQ(calls[4].rect, (Rect{74, 91, 85, 102}));
  EXPECT_EQ(calls[5].rect, (Rect{140, 91, 151, 102}));
  for (int i = 4; i < 6; ++i) {
    EXPECT_EQ(calls[i].pen, kBlack);
    EXPECT_EQ(calls[i].brush, kBlack);
  }
}

TEST(DrawEyes, PupilsFollowTheEyePose) {
  auto calls = EyeCalls(SliderFace(5), 1);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[4].rect, (Rect{69, 91, 80, 102}));  // 5 pixels left, c - 10 to c + 1
  EXPECT_EQ(calls[5].rect, (Rect{135, 91, 146, 102}));

  calls = EyeCalls(SliderFace(5), 2);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[4].rect, (Rect{79, 91, 90, 102}));
  EXPECT_EQ(calls[5].rect, (Rect{145, 91, 156, 102}));
}

TEST(DrawEyes, TallEyesGetRoundPupilsFlatEyesFullHeightOnes) {
  CFace face = SliderFace(5);
  face.eyeShape = 9;  // eye 22 x 19
  auto calls = EyeCalls(face, 0);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].rect.Height(), 19);
  EXPECT_EQ(calls[4].rect, (Rect{74, 91, 85, 102}));  // 11 x 11 around the eye line

  face.eyeShape = 0;  // eye 22 x 3
  calls = EyeCalls(face, 0);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].rect.Height(), 3);
  EXPECT_EQ(calls[4].rect, (Rect{74, 95, 85, 98}));
}

TEST(DrawBrows, WorkedVerticesAndMirroredLeftBrow) {
  const std::vector<Point> right = {{129, 89}, {133, 87}, {137, 86}, {141, 85}, {145, 85}, {149, 85},
                                    {153, 86}, {157, 87}, {161, 89}, {161, 84}, {157, 82}, {153, 81},
                                    {149, 80}, {145, 80}, {141, 80}, {137, 81}, {133, 82}, {129, 84}};
  std::vector<Point> left = right;
  for (Point& p : left) p.x = 224 - p.x;

  EXPECT_EQ(BrowPoints(SliderFace(5), 1, 0), right);
  EXPECT_EQ(BrowPoints(SliderFace(5), 1, 1), left);
  EXPECT_EQ(left.front(), (Point{95, 89}));
}

TEST(DrawBrows, FilledInDarkenedHairColour) {
  CFace face = SliderFace(5);
  RecordingSurface surface;
  LaidOut(face).DrawBrows(surface);
  ASSERT_EQ(surface.calls().size(), 2u);
  for (const Call& call : surface.calls()) {
    EXPECT_EQ(call.op, Op::Polygon);
    EXPECT_EQ(call.pen, DarkenColor(0x00C0C0C0, 27));
    EXPECT_EQ(call.brush, DarkenColor(0x00C0C0C0, 27));
  }

  face.hairColor = 0;
  surface.Clear();
  LaidOut(face).DrawBrows(surface);
  ASSERT_EQ(surface.calls().size(), 2u);
  EXPECT_EQ(surface.calls()[0].pen, kBlack);
  EXPECT_EQ(surface.calls()[0].brush, kBlack);
}

TEST(DrawBrows, ShapeSlantsTheEndsAndPoseLiftsTheWholeBrow) {
  const std::vector<Point> level = BrowPoints(SliderFace(5), 1, 0);
  ASSERT_EQ(level.size(), 18u);
  struct Slant {
    std::int32_t shape, inner, outer;
  };
  for (const Slant& slant : {Slant{9, -4, 4}, Slant{10, -6, 6}, Slant{11, -7, 7}, Slant{0, 6, -6}}) {
    SCOPED_TRACE(slant.shape);
    CFace face = SliderFace(5);
    face.browShape = slant.shape;
    const std::vector<Point> slanted = BrowPoints(face, 1, 0);
    ASSERT_EQ(slanted.size(), 18u);
    EXPECT_EQ(slanted[0].y - level[0].y, slant.inner);
    EXPECT_EQ(slanted[8].y - level[8].y, slant.outer);
    EXPECT_EQ(slanted[4].y, level[4].y);
  }

  const std::vector<Point> lifted = BrowPoints(SliderFace(5), 2, 1);
  const std::vector<Point> base = BrowPoints(SliderFace(5), 0, 1);
  ASSERT_EQ(lifted.size(), 18u);
  ASSERT_EQ(base.size(), 18u);
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(lifted[i].x, base[i].x);
    EXPECT_EQ(base[i].y - lifted[i].y, 4);
  }
}

TEST(DrawBrows, ZeroThicknessBrowIsItsArchedBaseLine) {
  CFace face = SliderFace(5);
  face.browWidth = 0;
  const std::vector<Point> points = BrowPoints(face, 1, 0);
  ASSERT_EQ(points.size(), 18u);
  for (int m = 0; m < 9; ++m) EXPECT_EQ(points[9 + m], points[8 - m]) << m;
}

}  // namespace
}  // namespace pelmoro
