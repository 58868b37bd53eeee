// Animation poses: the rest poses, the one-pose-per-step rule, the 40/40/20 split of
// which pose changes and the interval range.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/random.h"
#include "render/face_picture.h"

namespace pelmoro {
namespace {

// A seed whose first random number is r: the generator's state after one step is
// (r << 16), and the step seed * 214013 + 2531011 is inverted modulo 2^32.
std::uint32_t SeedGivingFirst(int r) {
  constexpr std::uint32_t kMultiplier = 214013u;
  std::uint32_t inverse = kMultiplier;  // Newton's iteration for the inverse of an odd number
  for (int i = 0; i < 5; ++i) inverse *= 2u - kMultiplier * inverse;
  const std::uint32_t state = static_cast<std::uint32_t>(r) << 16;
  return (state - 2531011u) * inverse;
}

std::array<std::int32_t, 3> Poses(const FacePicture& picture) {
  return {picture.m_nEyePose, picture.m_nMouthPose, picture.m_nBrowPose};
}

// Index of the one pose that differs (0 eyes, 1 mouth, 2 brows), or -1 when not exactly one.
int ChangedPose(const std::array<std::int32_t, 3>& before, const std::array<std::int32_t, 3>& after) {
  int changed = -1;
  for (int i = 0; i < 3; ++i) {
    if (before[i] == after[i]) continue;
    if (changed != -1) return -1;
    changed = i;
  }
  return changed;
}

TEST(Animation, RestPosesAreCentredEyesLaughingMouthRaisedBrows) {
  FacePicture picture;
  EXPECT_EQ(Poses(picture), (std::array<std::int32_t, 3>{0, 1, 1}));
  picture.m_nEyePose = 2;
  picture.m_nMouthPose = 0;
  picture.m_nBrowPose = 2;
  picture.RestPoses();
  EXPECT_EQ(Poses(picture), (std::array<std::int32_t, 3>{0, 1, 1}));
}

TEST(Animation, FirstNumberPicksThePoseAtTheThresholds) {
  ASSERT_EQ(CRandom(SeedGivingFirst(12345)).Next(), 12345);
  struct Case {
    int r;
    int pose;
  };
  // 13106 / 32767 < 0.4 <= 13107 / 32767; 26213 / 32767 < 0.8 <= 26214 / 32767.
  for (const Case c : {Case{0, 0}, Case{13106, 0}, Case{13107, 1}, Case{26213, 1}, Case{26214, 2}, Case{32767, 2}}) {
    FacePicture picture;
    CRandom random(SeedGivingFirst(c.r));
    const auto before = Poses(picture);
    picture.AnimateStep(random);
    EXPECT_EQ(ChangedPose(before, Poses(picture)), c.pose) << "r = " << c.r;
  }
}

TEST(Animation, EveryStepChangesExactlyOnePoseWithTheExpectedShares) {
  constexpr int kSteps = 30000;
  FacePicture picture;
  CRandom random(20240607);
  std::array<int, 3> changes{};
  // moves[pose][from][to]
  std::array<std::array<std::array<int, 3>, 3>, 3> moves{};
  for (int step = 0; step < kSteps; ++step) {
    const auto before = Poses(picture);
    picture.AnimateStep(random);
    const auto after = Poses(picture);
    const int changed = ChangedPose(before, after);
    ASSERT_NE(changed, -1) << "step " << step;
    ASSERT_GE(after[changed], 0);
    ASSERT_LE(after[changed], 2);
    ++changes[changed];
    ++moves[changed][before[changed]][after[changed]];
  }
  EXPECT_NEAR(changes[0] / double(kSteps), 0.4, 0.015);
  EXPECT_NEAR(changes[1] / double(kSteps), 0.4, 0.015);
  EXPECT_NEAR(changes[2] / double(kSteps), 0.2, 0.015);

  // From any value, each of the two other values is about equally likely.
  for (int pose = 0; pose < 3; ++pose) {
    for (int from = 0; from < 3; ++from) {
      const int a = moves[pose][from][(from + 1) % 3];
      const int b = moves[pose][from][(from + 2) % 3];
      ASSERT_GT(a + b, 500) << "pose " << pose << " from " << from;
      EXPECT_NEAR(a / double(a + b), 0.5, 0.06) << "pose " << pose << " from " << from;
    }
  }
}

TEST(Animation, IntervalsRunFrom50To549) {
  struct Case {
    int r, interval;
  };
  for (const Case c : {Case{0, 50}, Case{499, 549}, Case{500, 50}, Case{32767, 317}}) {
    CRandom random(SeedGivingFirst(c.r));
    EXPECT_EQ(NextAnimationInterval(random), c.interval) << "r = " << c.r;
  }
  CRandom random(7);
  int lowest = 1000, highest = 0;
  for (int i = 0; i < 20000; ++i) {
    const int interval = NextAnimationInterval(random);
    lowest = std::min(lowest, interval);
    highest = std::max(highest, interval);
  }
  EXPECT_EQ(lowest, 50);
  EXPECT_EQ(highest, 549);
}

}  // namespace
}  // namespace pelmoro
