#include "model/face.h"

#include <gtest/gtest.h>

#include <climits>

#include "model/random.h"

namespace pelmoro {
namespace {

TEST(Random, FollowsTheLinearCongruentialDefinition) {
  // state = state * 214013 + 2531011; value = (state >> 16) & 0x7FFF. From seed 1 the
  // first state is 2745024, whose upper half is 41.
  CRandom random(1);
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
  EXPECT_EQ(random.Next(), 26500);
  random.Seed(1);
  EXPECT_EQ(random.Next(), 41) << "seeding restarts the sequence";
  CRandom wraps(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) {
    const int value = wraps.Next();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, CRandom::kMax);
  }
}

TEST(Random, KnownFaceForSeedOne) {
  // Draws 41, 18467, 6334, ... taken modulo 11 in document order, then faceType from
  // 12382 % 2, glasses from 17421 % 6 - 2 and mustache from 18716 % 8 - 4.
  CRandom random(1);
  CFace face;
  face.Randomize(random);
  EXPECT_EQ(face.faceSize, 8);
  EXPECT_EQ(face.faceShape, 9);
  EXPECT_EQ(face.hairVolume, 9);
  EXPECT_EQ(face.forehead, 1);
  EXPECT_EQ(face.hairThickness, 7);
  EXPECT_EQ(face.eyeSize, 5);
  EXPECT_EQ(face.eyeHeight, 5);
  EXPECT_EQ(face.eyeWidth, 10);
  EXPECT_EQ(face.eyeShape, 1);
  EXPECT_EQ(face.mouthSize, 0);
  EXPECT_EQ(face.mouthHeight, 7);
  EXPECT_EQ(face.hairWidth, 7);
  EXPECT_EQ(face.hairLength, 5);
  EXPECT_EQ(face.browLength, 8);
  EXPECT_EQ(face.browWidth, 6);
  EXPECT_EQ(face.browShape, 7);
  EXPECT_EQ(face.faceColor, 3);
  EXPECT_EQ(face.noseSize, 7);
  EXPECT_EQ(face.noseHeight, 9);
  EXPECT_EQ(face.hairColor, 2);
  EXPECT_EQ(face.earSize, 10);
  EXPECT_EQ(face.hairType, 6);
  EXPECT_EQ(face.faceType, 0);
  EXPECT_EQ(face.glasses, 1);
  EXPECT_EQ(face.mustache, 0);
  EXPECT_EQ(face.formatVersion, 1000) << "Randomize leaves the format word alone";

  // Exactly 28 draws: the next value is the 29th of the sequence.
  CRandom reference(1);
  for (int i = 0; i < 28; ++i) reference.Next();
  EXPECT_EQ(random.Next(), reference.Next());
}

TEST(Random, ListParametersStayInTheirRangesWithTheirOdds) {
  CRandom random(12345);
  CFace face;
  int noGlasses = 0;
  int noFacialHair = 0;
  const int kFaces = 20000;
  for (int i = 0; i < kFaces; ++i) {
    face.Randomize(random);
    ASSERT_GE(face.faceType, 0);
    ASSERT_LE(face.faceType, 1);
    ASSERT_GE(face.glasses, 0);
    ASSERT_LE(face.glasses, 3);
    ASSERT_GE(face.mustache, 0);
    ASSERT_LE(face.mustache, 3);
    for (int p = 0; p < CFace::kSliderCount; ++p) {
      ASSERT_GE(face.SliderParameter(p), 0);
      ASSERT_LE(face.SliderParameter(p), 10);
    }
    noGlasses += face.glasses == 0;
    noFacialHair += face.mustache == 0;
  }
  EXPECT_NEAR(noGlasses / double(kFaces), 0.5, 0.02);
  EXPECT_NEAR(noFacialHair / double(kFaces), 0.625, 0.02);
}

TEST(Face, ColourIndicesAreClampedToTheTables) {
  CFace face;
  face.faceColor = 10;
  face.hairColor = 10;
  EXPECT_EQ(face.GetFaceColor(), 0x00102040u);
  EXPECT_EQ(face.GetHairColor(), 0x0040A0C0u);
  face.faceColor = 11;
  face.hairColor = INT_MAX;
  EXPECT_EQ(face.GetFaceColor(), CFace::faceColors[10]);
  EXPECT_EQ(face.GetHairColor(), CFace::hairColors[10]);
  face.faceColor = -1;
  face.hairColor = INT_MIN;
  EXPECT_EQ(face.GetFaceColor(), CFace::faceColors[0]);
  EXPECT_EQ(face.GetHairColor(), CFace::hairColors[0]);
  // The three darkest skins equal hair colours 1 to 3.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(CFace::faceColors[8 + i], CFace::hairColors[3 - i]);
}

TEST(Face, SlidersMapToParametersInDeclarationOrder) {
  CFace face;
  for (int i = 0; i < CFace::kSliderCount; ++i) face.SliderParameter(i) = 100 + i;
  EXPECT_EQ(face.faceSize, 100);
  EXPECT_EQ(face.faceColor, 102);
  EXPECT_EQ(face.hairType, 106);
  EXPECT_EQ(face.hairColor, 109);
  EXPECT_EQ(face.eyeSize, 110);
  EXPECT_EQ(face.noseHeight, 120);
  EXPECT_EQ(face.earSize, 121);
}

}  // namespace
}  // namespace pelmoro
