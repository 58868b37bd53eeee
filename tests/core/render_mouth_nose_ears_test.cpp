// Mouth, nose and ears for the face with every slider parameter 5: mouth box
// (95, 132, 128, 142), nose box (104, 102, 120, 118), ears 22 x 22 on the line y = 101.
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
constexpr Color kRed = 0x000000FF;
constexpr Color kSkin5 = 0x00A0B0D0;
const Rect kMouth{95, 132, 128, 142};

std::vector<Call> MouthCalls(const CFace& face, std::int32_t mouthPose) {
  FacePicture picture = LaidOut(face);
  picture.m_nMouthPose = mouthPose;
  RecordingSurface surface;
  picture.DrawMouth(surface);
  return surface.calls();
}

void ExpectRedLine(const Call& move, const Call& line, Point from, Point to) {
  EXPECT_EQ(move.op, Op::MoveTo);
  EXPECT_EQ(move.start, from);
  EXPECT_EQ(line.op, Op::LineTo);
  EXPECT_EQ(line.start, to);
  EXPECT_EQ(line.pen, kRed);
}

TEST(DrawMouth, Pose0IsWhiteOvalWithRedRim) {
  const auto calls = MouthCalls(SliderFace(5), 0);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, Op::Ellipse);
  EXPECT_EQ(calls[0].rect, kMouth);
  EXPECT_EQ(calls[0].pen, kWhite);
  EXPECT_EQ(calls[0].brush, kWhite);
  EXPECT_EQ(calls[1].op, Op::Arc);
  EXPECT_EQ(calls[1].rect, kMouth);
  EXPECT_EQ(calls[1].start, (Point{128, 137}));
  EXPECT_EQ(calls[1].end, (Point{128, 137}));
  EXPECT_EQ(calls[1].pen, kRed);
}

TEST(DrawMouth, Pose1IsLaughingLowerHalfWithRedEdges) {
  const auto calls = MouthCalls(SliderFace(5), 1);
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].op, Op::Pie);
  EXPECT_EQ(calls[0].rect, kMouth);
  EXPECT_EQ(calls[0].start, (Point{95, 137}));
  EXPECT_EQ(calls[0].end, (Point{128, 137}));
  EXPECT_EQ(calls[0].pen, kWhite);
  EXPECT_EQ(calls[0].brush, kWhite);
  ExpectRedLine(calls[1], calls[2], {95, 137}, {128, 137});
  EXPECT_EQ(calls[3].op, Op::Arc);
  EXPECT_EQ(calls[3].rect, kMouth);
  EXPECT_EQ(calls[3].start, (Point{95, 137}));
  EXPECT_EQ(calls[3].end, (Point{128, 137}));
  EXPECT_EQ(calls[3].pen, kRed);
}

TEST(DrawMouth, Pose2IsOneRedLine) {
  const auto calls = MouthCalls(SliderFace(5), 2);
  ASSERT_EQ(calls.size(), 2u);
  ExpectRedLine(calls[0], calls[1], {95, 137}, {128, 137});
}

TEST(DrawMouth, NarrowestMouthKeepsAllThreePartsOfTheLaugh) {
  CFace face = SliderFace(5);
  face.mouthSize = 0;
  const auto calls = MouthCalls(face, 1);
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].rect.Height(), 5);
}

TEST(DrawMouth, LineUsesMiddleRowAndRadialsUseCentreRow) {
  // Above the frame the two differ: t = -33, b = -28 gives middle row -31, centre row -30.
  CFace face = SliderFace(5);
  face.mouthSize = 0;
  face.mouthHeight = -100;
  const auto calls = MouthCalls(face, 1);
  ASSERT_EQ(calls.size(), 4u);
  ASSERT_EQ(calls[0].rect.top, -33);
  ASSERT_EQ(calls[0].rect.bottom, -28);
  EXPECT_EQ(calls[0].start.y, -30);
  EXPECT_EQ(calls[1].start.y, -31);
  EXPECT_EQ(calls[2].start.y, -31);
}

TEST(DrawNose, SkinDiscWithLightRimAndDarkLowerRightQuarter) {
  RecordingSurface surface;
  LaidOut(SliderFace(5)).DrawNose(surface);
  const auto& calls = surface.calls();
  ASSERT_EQ(calls.size(), 3u);
  const Rect nose{104, 102, 120, 118};

  EXPECT_EQ(calls[0].op, Op::Ellipse);
  EXPECT_EQ(calls[0].rect, nose);
  EXPECT_EQ(calls[0].pen, kSkin5);
  EXPECT_EQ(calls[0].brush, kSkin5);

  EXPECT_EQ(calls[1].op, Op::Arc);
  EXPECT_EQ(calls[1].rect, nose);
  EXPECT_EQ(calls[1].start, (Point{120, 110}));
  EXPECT_EQ(calls[1].end, (Point{120, 110}));
  EXPECT_EQ(calls[1].pen, LightenColor(kSkin5, 27));

  EXPECT_EQ(calls[2].op, Op::Arc);
  EXPECT_EQ(calls[2].rect, nose);
  EXPECT_EQ(calls[2].start, (Point{112, 118}));
  EXPECT_EQ(calls[2].end, (Point{120, 110}));
  EXPECT_EQ(calls[2].pen, DarkenColor(kSkin5, 27));
}

TEST(DrawEars, TwoSkinDiscsBesideTheFace) {
  RecordingSurface surface;
  LaidOut(SliderFace(5)).DrawEars(surface);
  const auto& calls = surface.calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].rect, (Rect{40, 90, 62, 112}));
  EXPECT_EQ(calls[1].rect, (Rect{162, 90, 184, 112}));
  for (const Call& call : calls) {
    EXPECT_EQ(call.op, Op::Ellipse);
    EXPECT_EQ(call.pen, kSkin5);
    EXPECT_EQ(call.brush, kSkin5);
  }
}

}  // namespace
}  // namespace pelmoro
