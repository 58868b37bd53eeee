// Head and neck figures for the face with every slider parameter 5:
// face box (51, 29, 173, 163), skin colour 5.
#include <gtest/gtest.h>

#include "golden_faces.h"
#include "render/recording_surface.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

using Op = RecordingSurface::Op;

constexpr Color kSkin5 = 0x00A0B0D0;

std::vector<RecordingSurface::Call> HeadCalls(std::int32_t faceType) {
  const FacePicture picture = LaidOut(SliderFace(5, faceType));
  RecordingSurface surface;
  picture.DrawHead(surface);
  return surface.calls();
}

TEST(DrawHead, OvalIsSkinEllipseWithLightUpperAndDarkLowerRim) {
  const auto calls = HeadCalls(FaceOval);
  ASSERT_EQ(calls.size(), 3u);

  EXPECT_EQ(calls[0].op, Op::Ellipse);
  EXPECT_EQ(calls[0].rect, (Rect{51, 29, 173, 163}));
  EXPECT_EQ(calls[0].pen, kSkin5);
  EXPECT_EQ(calls[0].brush, kSkin5);

  const Rect rim{51, 29, 173, 164};  // one pixel taller than the face
  EXPECT_EQ(calls[1].op, Op::Arc);
  EXPECT_EQ(calls[1].rect, rim);
  EXPECT_EQ(calls[1].start, (Point{155, 52}));
  EXPECT_EQ(calls[1].end, (Point{68, 139}));
  EXPECT_EQ(calls[1].pen, LightenColor(kSkin5, 27));

  EXPECT_EQ(calls[2].op, Op::Arc);
  EXPECT_EQ(calls[2].rect, rim);
  EXPECT_EQ(calls[2].start, (Point{112, 163}));
  EXPECT_EQ(calls[2].end, (Point{173, 96}));
  EXPECT_EQ(calls[2].pen, DarkenColor(kSkin5, 27));
}

TEST(DrawHead, EveryOtherFaceTypeDrawsShadedRoundedSquare) {
  for (const std::int32_t faceType : {1, 4, -3, INT32_MAX}) {
    SCOPED_TRACE(faceType);
    const auto calls = HeadCalls(faceType);
    ASSERT_EQ(calls.size(), 3u);
    const Rect boxes[] = {{50, 28, 172, 162}, {52, 30, 174, 164}, {51, 29, 173, 163}};
    const Color brushes[] = {LightenColor(kSkin5, 27), DarkenColor(kSkin5, 27), kSkin5};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(calls[i].op, Op::RoundRect);
      EXPECT_EQ(calls[i].rect, boxes[i]);
      EXPECT_EQ(calls[i].a, 122);  // as wide as the face
      EXPECT_EQ(calls[i].b, 100);  // three quarters of its 134-pixel height
      EXPECT_EQ(calls[i].pen, kSkin5);
      EXPECT_EQ(calls[i].brush, brushes[i]);
    }
  }
}

struct NeckFill {
  std::int32_t x, y, cx, cy;
  Color color;
};

void ExpectNeck(const FacePicture& picture, const NeckFill (&expected)[3]) {
  RecordingSurface surface;
  picture.DrawNeck(surface);
  ASSERT_EQ(surface.calls().size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const auto& call = surface.calls()[i];
    EXPECT_EQ(call.op, Op::FillSolidRect);
    EXPECT_EQ(call.rect.left, expected[i].x);
    EXPECT_EQ(call.rect.top, expected[i].y);
    EXPECT_EQ(call.a, expected[i].cx);
    EXPECT_EQ(call.b, expected[i].cy);
    EXPECT_EQ(call.color, expected[i].color);
  }
}

TEST(DrawNeck, SkinColumnUnderTheChinWithShadedEdges) {
  const FacePicture picture = LaidOut(SliderFace(5));
  ExpectNeck(picture, {{97, 153, 30, 80, kSkin5},
                       {97, 153, 2, 80, LightenColor(kSkin5, 27)},
                       {125, 153, 2, 80, DarkenColor(kSkin5, 27)}});
}

TEST(DrawNeck, NarrowestFaceLeavesTenSkinPixelsBetweenTheStrips) {
  CFace face = SliderFace(5);
  face.faceSize = 0;
  face.faceShape = 0;
  face.faceColor = 0;
  const FacePicture picture = LaidOut(face);
  ASSERT_EQ(picture.m_layout.m_rcFace.Width(), 57);
  const Color skin = CFace::faceColors[0];
  const std::int32_t y0 = picture.m_layout.m_rcFace.bottom - 10;
  ExpectNeck(
      picture,
      {{105, y0, 14, 80, skin}, {105, y0, 2, 80, LightenColor(skin, 27)}, {117, y0, 2, 80, DarkenColor(skin, 27)}});
}

}  // namespace
}  // namespace pelmoro
