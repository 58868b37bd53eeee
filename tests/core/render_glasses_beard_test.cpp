// Glasses, mustache and beard for the face with every slider parameter 5: eyes centred
// on x = 79 and 145 at y = 96, mouth (95, 132, 128, 142), face (51, 29, 173, 163).
#include <gtest/gtest.h>

#include <vector>

#include "golden_faces.h"
#include "render/recording_surface.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

using Call = RecordingSurface::Call;
using Op = RecordingSurface::Op;

constexpr Color kBlack = 0x00000000;
constexpr Color kDarkGrey = 0x00646464;
constexpr Color kSilver = 0x00C0C0C0;
constexpr Color kSilverShade = 0x00D0D0D0;

std::vector<Call> GlassesCalls(const CFace& face, std::int32_t kind) {
  RecordingSurface surface;
  LaidOut(face).DrawGlasses(surface, kind);
  return surface.calls();
}

std::vector<Call> BeardCalls(const CFace& face, std::int32_t kind) {
  RecordingSurface surface;
  LaidOut(face).DrawBeard(surface, kind);
  return surface.calls();
}

// The six bar fills: bridge, left temple, right temple, then their top rows.
void ExpectBars(const std::vector<Call>& calls, Color frame, Color shade) {
  ASSERT_GE(calls.size(), 6u);
  const Rect bars[] = {{94, 95, 130, 97}, {51, 95, 64, 97}, {160, 95, 173, 97}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls[i].op, Op::FillSolidRect);
    EXPECT_EQ(calls[i].rect, bars[i]);
    EXPECT_EQ(calls[i].color, frame);
    const Rect top{bars[i].left, 95, bars[i].right, 96};
    EXPECT_EQ(calls[3 + i].op, Op::FillSolidRect);
    EXPECT_EQ(calls[3 + i].rect, top);
    EXPECT_EQ(calls[3 + i].color, shade);
  }
}

void ExpectFullOutline(const Call& call, const Rect& box, Color pen) {
  EXPECT_EQ(call.op, Op::Arc);
  EXPECT_EQ(call.rect, box);
  const Point rightMiddle{box.right, (box.top + box.bottom) / 2};
  EXPECT_EQ(call.start, rightMiddle);
  EXPECT_EQ(call.end, rightMiddle);
  EXPECT_EQ(call.pen, pen);
}

void ExpectRims(const std::vector<Call>& calls, Color frame, Color shade) {
  ASSERT_EQ(calls.size(), 12u);
  ExpectFullOutline(calls[6], {64, 87, 94, 106}, frame);
  ExpectFullOutline(calls[7], {130, 87, 160, 106}, frame);
  ExpectFullOutline(calls[8], {63, 86, 95, 107}, frame);
  ExpectFullOutline(calls[9], {129, 86, 161, 107}, frame);
  ExpectFullOutline(calls[10], {63, 86, 94, 106}, shade);
  ExpectFullOutline(calls[11], {129, 86, 160, 106}, shade);
}

TEST(DrawGlasses, BlackRimmedBarsAndTwoPixelRims) {
  const auto calls = GlassesCalls(SliderFace(5), GlassesBlackRimmed);
  ExpectBars(calls, kBlack, kDarkGrey);
  ExpectRims(calls, kBlack, kDarkGrey);
}

TEST(DrawGlasses, MetalRimmedInSilverWithLighterShade) {
  ASSERT_EQ(LightenColor(kSilver, 25), kSilverShade);
  const auto calls = GlassesCalls(SliderFace(5), GlassesMetalRimmed);
  ExpectBars(calls, kSilver, kSilverShade);
  ExpectRims(calls, kSilver, kSilverShade);
}

TEST(DrawGlasses, SunglassesHaveBlackLensesInsteadOfRims) {
  const auto calls = GlassesCalls(SliderFace(5), Sunglasses);
  ExpectBars(calls, kBlack, kDarkGrey);
  ASSERT_EQ(calls.size(), 8u);
  const Rect lenses[] = {{64, 87, 94, 106}, {130, 87, 160, 106}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(calls[6 + i].op, Op::Ellipse);
    EXPECT_EQ(calls[6 + i].rect, lenses[i]);
    EXPECT_EQ(calls[6 + i].pen, kBlack);
    EXPECT_EQ(calls[6 + i].brush, kBlack);
  }
}

TEST(DrawGlasses, OtherKindsDrawOnlyTheBars) {
  for (const std::int32_t kind : {4, 11, INT32_MAX}) {
    const auto calls = GlassesCalls(SliderFace(5), kind);
    ExpectBars(calls, kBlack, kDarkGrey);
    EXPECT_EQ(calls.size(), 6u) << kind;
  }
}

TEST(DrawGlasses, NarrowEyeSpacingHandsOnAnInvertedBridge) {
  CFace face = SliderFace(5);
  face.eyeWidth = 0;
  const auto calls = GlassesCalls(face, GlassesBlackRimmed);
  ASSERT_EQ(calls.size(), 12u);
  EXPECT_EQ(calls[0].rect, (Rect{114, 95, 110, 97}));  // width -4
  EXPECT_EQ(calls[3].rect, (Rect{114, 95, 110, 96}));
}

TEST(DrawBeard, MustacheIsThreeUpperHalfEllipsesAroundTheMouth) {
  const auto calls = BeardCalls(SliderFace(5), MustacheOnly);
  ASSERT_EQ(calls.size(), 3u);
  const Rect boxes[] = {{90, 129, 133, 145}, {89, 128, 134, 146}, {88, 127, 135, 147}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls[i].op, Op::Arc);
    EXPECT_EQ(calls[i].rect, boxes[i]);
    EXPECT_EQ(calls[i].start, (Point{boxes[i].right, 137}));
    EXPECT_EQ(calls[i].end, (Point{boxes[i].left, 137}));
    EXPECT_EQ(calls[i].pen, DarkenColor(0x00C0C0C0, 27));
  }
}

void ExpectChinArcs(const std::vector<Call>& calls, std::size_t first) {
  ASSERT_EQ(calls.size(), first + 10);
  for (int j = -6; j <= 3; ++j) {
    const Call& call = calls[first + j + 6];
    EXPECT_EQ(call.op, Op::Arc);
    EXPECT_EQ(call.rect, (Rect{51, 29 + j, 173, 163 - j}));
    EXPECT_EQ(call.start, (Point{81, 148}));
    EXPECT_EQ(call.end, (Point{142, 148}));
    EXPECT_EQ(call.pen, DarkenColor(0x00C0C0C0, 27));
  }
}

TEST(DrawBeard, BeardIsTenChinArcs) {
  ExpectChinArcs(BeardCalls(SliderFace(5), BeardOnly), 0);
  ExpectChinArcs(BeardCalls(SliderFace(5), 4), 0);
  ExpectChinArcs(BeardCalls(SliderFace(5), INT32_MAX), 0);
}

TEST(DrawBeard, BothDrawsMustacheFirstThenBeard) {
  const auto calls = BeardCalls(SliderFace(5), MustacheAndBeard);
  ASSERT_EQ(calls.size(), 13u);
  EXPECT_EQ(calls[0].rect, (Rect{90, 129, 133, 145}));
  ExpectChinArcs(calls, 3);
}

TEST(DrawBeard, BlackHairGivesBlackBeard) {
  CFace face = SliderFace(5);
  face.hairColor = 0;
  for (const Call& call : BeardCalls(face, MustacheAndBeard)) EXPECT_EQ(call.pen, kBlack);
}

}  // namespace
}  // namespace pelmoro
