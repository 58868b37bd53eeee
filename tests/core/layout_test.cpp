#include "render/layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace pelmoro {
namespace {

CFace UniformFace(std::int32_t v) {
  CFace face;
  for (int i = 0; i < CFace::kParameterCount; ++i) face.DocumentParameter(i) = v;
  return face;
}

FaceLayout LayoutFor(const CFace& face) {
  FaceLayout layout;
  layout.CalcLayout(face, 224, 192);
  return layout;
}

struct Expected {
  std::int32_t v;
  Rect face, hair, backHair, eye;
  Point eyePoint;
  Rect mouth, brow, nose, ear;
  Point earPoint;
};

TEST(Layout, MatchesTheWorkedTable) {
  const Expected table[] = {
      {0,
       {83, 38, 140, 153},
       {83, 28, 140, 85},
       {98, 42, 126, 99},
       {5, 0, 16, 1},
       {7, 81},
       {104, 122, 120, 127},
       {7, 81, 29, 81},
       {109, 117, 114, 122},
       {5, 5, 16, 16},
       {28, 83}},
      {5,
       {51, 29, 173, 163},
       {42, 5, 182, 120},
       {51, 33, 173, 167},
       {11, 5, 33, 16},
       {33, 96},
       {95, 132, 128, 142},
       {33, 91, 66, 96},
       {104, 102, 120, 118},
       {11, 11, 33, 33},
       {61, 101}},
      {9,
       {19, 21, 205, 170},
       {-6, -28, 230, 151},
       {-18, 16, 242, 224},
       {15, 13, 46, 39},
       {73, 110},
       {88, 142, 135, 156},
       {73, 97, 115, 106},
       {99, 99, 124, 124},
       {15, 15, 46, 46},
       {93, 117}},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.v);
    const FaceLayout layout = LayoutFor(UniformFace(e.v));
    EXPECT_EQ(layout.m_rcFace, e.face);
    EXPECT_EQ(layout.m_rcHair, e.hair);
    EXPECT_EQ(layout.m_rcBackHair, e.backHair);
    EXPECT_EQ(layout.m_rcEye, e.eye);
    EXPECT_EQ(layout.m_ptEye, e.eyePoint);
    EXPECT_EQ(layout.m_rcMouth, e.mouth);
    EXPECT_EQ(layout.m_rcBrow, e.brow);
    EXPECT_EQ(layout.m_rcNose, e.nose);
    EXPECT_EQ(layout.m_rcEar, e.ear);
    EXPECT_EQ(layout.m_ptEar, e.earPoint);
  }
}

TEST(Layout, SingleParameterEffects) {
  CFace face = UniformFace(5);
  face.browWidth = 0;
  EXPECT_EQ(LayoutFor(face).m_rcBrow.Height(), 0);

  face = UniformFace(5);
  face.eyeSize = 0;
  face.eyeShape = 0;
  EXPECT_EQ(LayoutFor(face).m_rcEye.Width(), 11);
  EXPECT_EQ(LayoutFor(face).m_rcEye.Height(), 1);

  face = UniformFace(5);
  face.forehead = 0;
  const FaceLayout flat = LayoutFor(face);
  EXPECT_EQ(flat.m_rcHair.top, flat.m_rcFace.top - 10);

  // eyeShape changes the eye's height only.
  face = UniformFace(5);
  face.eyeShape = 9;
  const FaceLayout tall = LayoutFor(face);
  const FaceLayout normal = LayoutFor(UniformFace(5));
  EXPECT_EQ(tall.m_rcEye.Width(), normal.m_rcEye.Width());
  EXPECT_EQ(tall.m_ptEye, normal.m_ptEye);
  EXPECT_GT(tall.m_rcEye.Height(), normal.m_rcEye.Height());

  // hairVolume 0 and hairThickness 0: the hair is as wide as the face and half as high.
  face = UniformFace(5);
  face.hairVolume = 0;
  face.hairThickness = 0;
  const FaceLayout thin = LayoutFor(face);
  EXPECT_EQ(thin.m_rcHair.Width(), thin.m_rcFace.Width());
  EXPECT_EQ(thin.m_rcHair.Height(), thin.m_rcFace.Height() / 2);
}

TEST(Layout, RecomputingResetsEverything) {
  FaceLayout layout = LayoutFor(UniformFace(9));
  layout.ResetLayout();
  EXPECT_EQ(layout.m_rcFace, Rect());
  EXPECT_EQ(layout.m_ptEar, Point());
  layout.CalcLayout(UniformFace(5), 224, 192);
  EXPECT_EQ(layout.m_rcHair, (Rect{42, 5, 182, 120}));
}

TEST(Layout, AnyParameterValuesStayDefined) {
  // Run under the sanitizers: extreme values must neither overflow undefinedly nor crash.
  const std::int32_t extremes[] = {INT_MIN, INT_MIN + 1, -1000000, -7, 12, 65536, 1000000007, INT_MAX};
  for (std::int32_t v : extremes) {
    FaceLayout layout = LayoutFor(UniformFace(v));
    (void)layout;
    for (int p = 0; p < CFace::kParameterCount; ++p) {
      CFace face = UniformFace(5);
      face.DocumentParameter(p) = v;
      layout = LayoutFor(face);
    }
  }
  SUCCEED();
}

}  // namespace
}  // namespace pelmoro
