// The animation's pose changes: each step picks one of the three poses at random and
// moves it to one of its two other values, so every step shows.
#include "model/random.h"
#include "render/animation_sequence.h"
#include "render/face_picture.h"

namespace pelmoro {
namespace {

constexpr int kPoseCount = 3;
constexpr double kEyeShare = 0.4;          // x below this: the eyes change
constexpr double kEyeAndMouthShare = 0.8;  // x below this (and not eyes): the mouth changes
constexpr int kMinInterval = 50;
constexpr int kIntervalSpread = 500;

}  // namespace

void FacePicture::RestPoses() {
  m_nEyePose = 0;
  m_nMouthPose = 1;
  m_nBrowPose = 1;
}

void FacePicture::AnimateStep(CRandom& random) {
  const double x = random.Next() / static_cast<double>(CRandom::kMax);
  std::int32_t& pose = x < kEyeShare ? m_nEyePose : x < kEyeAndMouthShare ? m_nMouthPose : m_nBrowPose;
  std::int32_t next = 0;
  do {
    next = random.Next() % kPoseCount;
  } while (next == pose);
  pose = next;
}

int NextAnimationInterval(CRandom& random) { return kMinInterval + random.Next() % kIntervalSpread; }

std::vector<AnimationFrame> AnimationSequence(CRandom& random, std::int32_t lengthMs) {
  std::vector<AnimationFrame> frames;
  FacePicture poses;  // starts at rest
  std::int32_t start = 0;
  for (;;) {
    const std::int32_t interval = NextAnimationInterval(random);
    frames.push_back({poses.m_nEyePose, poses.m_nMouthPose, poses.m_nBrowPose, start, interval});
    if (interval >= lengthMs - start) break;
    start += interval;
    poses.AnimateStep(random);
  }
  frames.back().durationMs = lengthMs - frames.back().startMs;
  return frames;
}

}  // namespace pelmoro
