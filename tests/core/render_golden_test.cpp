// Whole faces over the start-up fill, compared pixel for pixel with tests/golden/*.png.
// PELMORO_UPDATE_GOLDEN=1 rewrites the pictures after a deliberate change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_faces.h"
#include "golden_image.h"
#include "render/memory_dc.h"

namespace pelmoro {
namespace {

struct GoldenCase {
  std::string name;
  CFace face;
  std::int32_t eyePose = 0;
  std::int32_t mouthPose = 1;
  std::int32_t browPose = 1;
};

CFace WithHair(std::int32_t hairType) {
  CFace face = SliderFace(5);
  face.hairType = hairType;
  return face;
}

std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  for (std::int32_t hairType = 0; hairType <= 10; ++hairType) {
    cases.push_back({"sliders5_hair" + std::to_string(hairType), WithHair(hairType)});
  }
  for (std::int32_t glasses = 1; glasses <= 4; ++glasses) {
    cases.push_back({"sliders5_glasses" + std::to_string(glasses), SliderFace(5, FaceOval, glasses)});
  }
  for (std::int32_t mustache = 1; mustache <= 4; ++mustache) {
    cases.push_back({"sliders5_mustache" + std::to_string(mustache), SliderFace(5, FaceOval, 0, mustache)});
  }
  cases.push_back({"sliders5_square", SliderFace(5, FaceSquare)});
  cases.push_back({"all0", UniformFace(0)});
  cases.push_back({"all11", UniformFace(11)});
  cases.push_back({"sliders5_poses_1_0_2", SliderFace(5), 1, 0, 2});
  cases.push_back({"sliders5_poses_2_2_0", SliderFace(5), 2, 2, 0});
  return cases;
}

void PrintTo(const GoldenCase& golden, std::ostream* out) { *out << golden.name; }

class GoldenPicture : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPicture, MatchesThePinnedPicture) {
  const GoldenCase& golden = GetParam();
  FacePicture picture;
  picture.m_face = golden.face;
  picture.m_fill.ApplyStartupFill();
  picture.m_nEyePose = golden.eyePose;
  picture.m_nMouthPose = golden.mouthPose;
  picture.m_nBrowPose = golden.browPose;

  CMemoryDC surface(FacePicture::kWidth, FacePicture::kHeight, picture.m_fill.m_crBackground);
  picture.Paint(surface);
  EXPECT_TRUE(MatchesGolden(surface, golden.name));
}

INSTANTIATE_TEST_SUITE_P(Faces, GoldenPicture, testing::ValuesIn(GoldenCases()),
                         [](const testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

TEST(GoldenImage, PngRoundTripKeepsEveryPixel) {
  RgbPicture picture;
  picture.width = 3;
  picture.height = 2;
  picture.pixels = {0xFF000000, 0xFFFFFFFF, 0xFF123456, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  const std::string path = testing::TempDir() + "pelmoro_golden_roundtrip.png";
  std::string error;
  ASSERT_TRUE(WritePng(path, picture, error)) << error;
  RgbPicture read;
  ASSERT_TRUE(ReadPng(path, read, error)) << error;
  EXPECT_EQ(read.width, 3);
  EXPECT_EQ(read.height, 2);
  EXPECT_EQ(read.pixels, picture.pixels);
}

}  // namespace
}  // namespace pelmoro
