#pragma once
#include <cstdint>
#include <vector>

namespace pelmoro {

class CRandom;

// One picture of the animation: the poses it shows, from `startMs` for `durationMs`
// milliseconds after the animation began.
struct AnimationFrame {
  std::int32_t eyePose = 0;
  std::int32_t mouthPose = 1;
  std::int32_t browPose = 1;
  std::int32_t startMs = 0;
  std::int32_t durationMs = 0;
};

// The frames the window shows in the first `lengthMs` milliseconds (at least 1) after
// Animate is switched on, drawing from `random` as the window would: the rest poses for the
// first interval, then per frame one AnimateStep followed by the next interval. Frames are
// added while they start before `lengthMs`; the last one is cut so that they add up to
// exactly `lengthMs`.
std::vector<AnimationFrame> AnimationSequence(CRandom& random, std::int32_t lengthMs);

}  // namespace pelmoro
