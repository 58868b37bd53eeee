// A face record can hold any 32-bit values after a failed load. Painting such a face must
// stay defined (the sanitizer build checks that) and finish, whatever the values.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "golden_faces.h"
#include "model/random.h"
#include "render/memory_dc.h"
#include "render/recording_surface.h"

namespace pelmoro {
namespace {

constexpr std::array<std::int32_t, 8> kOddValues = {INT32_MIN, INT32_MIN + 1, -1000000,      -1,
                                                    12,        1000000,       INT32_MAX - 1, INT32_MAX};

// Paints the picture over the start-up gradient and checks the surface came back intact.
std::vector<std::uint32_t> PaintChecked(FacePicture& picture) {
  picture.m_fill.ApplyStartupFill();
  CMemoryDC surface(FacePicture::kWidth, FacePicture::kHeight, picture.m_fill.m_crBackground);
  picture.Paint(surface);
  EXPECT_TRUE(surface.IsValid());
  EXPECT_EQ(surface.Pen(), 0x00000000u);
  EXPECT_EQ(surface.Brush(), 0x00FFFFFFu);
  const std::uint32_t* bits = surface.Bits();
  return std::vector<std::uint32_t>(bits, bits + FacePicture::kWidth * FacePicture::kHeight);
}

TEST(ExtremeValues, RecordedFiguresKeepTheirShape) {
  // The same number of figures whatever the values; polygons keep their fixed point counts.
  FacePicture ordinary;
  ordinary.m_face = SliderFace(5, FaceSquare, GlassesBlackRimmed, MustacheAndBeard);
  ordinary.m_face.hairType = 2;  // the style with the fringe polygon
  RecordingSurface reference;
  ordinary.Paint(reference);

  for (const std::int32_t value : kOddValues) {
    SCOPED_TRACE(value);
    FacePicture picture = ordinary;
    for (int i = 0; i < CFace::kSliderCount; ++i) picture.m_face.SliderParameter(i) = value;
    picture.m_face.hairType = 2;
    RecordingSurface surface;
    picture.Paint(surface);
    ASSERT_EQ(surface.calls().size(), reference.calls().size());
    for (std::size_t i = 0; i < surface.calls().size(); ++i) {
      EXPECT_EQ(surface.calls()[i].op, reference.calls()[i].op);
      EXPECT_EQ(surface.calls()[i].points.size(), reference.calls()[i].points.size());
    }
  }
}

TEST(ExtremeValues, EachParameterAloneAtTheEndsOfItsRange) {
  // Hair types that draw something different, with every optional renderer switched on.
  for (const std::int32_t hairType : {2, 4, 5, 7, 8, 9}) {
    for (int parameter = 0; parameter < CFace::kParameterCount; ++parameter) {
      for (const std::int32_t value : {INT32_MIN, INT32_MAX}) {
        FacePicture picture;
        picture.m_face = SliderFace(5, FaceSquare, GlassesBlackRimmed, MustacheAndBeard);
        picture.m_face.hairType = hairType;
        picture.m_face.DocumentParameter(parameter) = value;
        SCOPED_TRACE(testing::Message() << CFace::DocumentParameterName(parameter) << " = " << value << ", hair type "
                                        << hairType);
        PaintChecked(picture);
      }
    }
  }
}

TEST(ExtremeValues, EveryParameterAndPoseAtOnce) {
  for (const std::int32_t value : kOddValues) {
    SCOPED_TRACE(value);
    FacePicture picture;
    picture.m_face = UniformFace(value);
    picture.m_nEyePose = value;
    picture.m_nMouthPose = value;
    picture.m_nBrowPose = value;
    PaintChecked(picture);
  }
}

TEST(ExtremeValues, MixedOddValuesPaintTheSamePictureTwice) {
  CRandom random(99);
  for (int round = 0; round < 150; ++round) {
    FacePicture picture;
    for (int parameter = 0; parameter < CFace::kParameterCount; ++parameter) {
      // Half the parameters odd, half ordinary, so the features still overlap the frame.
      const int r = random.Next();
      picture.m_face.DocumentParameter(parameter) = r % 2 == 0 ? kOddValues[r / 2 % kOddValues.size()] : r % 12;
    }
    picture.m_nEyePose = random.Next() % 3;
    picture.m_nMouthPose = random.Next() % 3;
    picture.m_nBrowPose = random.Next() % 3;
    SCOPED_TRACE(round);
    EXPECT_EQ(PaintChecked(picture), PaintChecked(picture));
  }
}

}  // namespace
}  // namespace pelmoro
