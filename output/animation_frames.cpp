#include "output/animation_frames.h"

#include <algorithm>
#include <cstring>

namespace pelmoro {

namespace {

// Players show shorter frames for a tenth of a second.
constexpr std::int32_t kShortestLastFrameMs = 20;

bool SameRow(const std::uint32_t* a, const std::uint32_t* b, std::int32_t width) {
  return std::memcmp(a, b, static_cast<std::size_t>(width) * sizeof(std::uint32_t)) == 0;
}

// The frame drawn last, held until the next different one says how long it shows.
struct PendingFrame {
  PicturePixels pixels;
  Rect changed;
  std::int32_t startMs = 0;
};

}  // namespace

std::vector<AnimationFrame> PlayableSequence(CRandom& random, std::int32_t lengthMs) {
  std::vector<AnimationFrame> frames = AnimationSequence(random, lengthMs);
  if (frames.size() > 1 && frames.back().durationMs < kShortestLastFrameMs) {
    const std::int32_t rest = frames.back().durationMs;
    frames.pop_back();
    frames.back().durationMs += rest;
  }
  return frames;
}

std::optional<Rect> ChangedArea(const ImageView& before, const ImageView& after) {
  std::int32_t top = 0;
  while (top < after.height && SameRow(before.Row(top), after.Row(top), after.width)) ++top;
  if (top == after.height) return std::nullopt;
  std::int32_t bottom = after.height;
  while (SameRow(before.Row(bottom - 1), after.Row(bottom - 1), after.width)) --bottom;
  std::int32_t left = after.width;
  std::int32_t right = 0;
  for (std::int32_t y = top; y < bottom; ++y) {
    const std::uint32_t* a = before.Row(y);
    const std::uint32_t* b = after.Row(y);
    for (std::int32_t x = 0; x < left; ++x) {
      if (a[x] != b[x]) {
        left = x;
        break;
      }
    }
    for (std::int32_t x = after.width; x > right; --x) {
      if (a[x - 1] != b[x - 1]) {
        right = x;
        break;
      }
    }
  }
  return Rect{left, top, right, bottom};
}

Status DrawAnimationFrames(const FacePicture& face, const ExportOptions& options,
                           const std::vector<AnimationFrame>& sequence, const FrameConsumer& take,
                           const FrameDrawn& drawn) {
  PendingFrame before;
  PendingFrame pending;
  PicturePixels current;
  bool hasBefore = false;
  auto handOn = [&](std::int32_t endMs) {
    const ImageView previous = before.pixels.View();
    const ImageView picture = pending.pixels.View();
    return take({picture, hasBefore ? &previous : nullptr, pending.changed, pending.startMs, endMs - pending.startMs});
  };
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    const AnimationFrame& frame = sequence[i];
    FacePicture posed = face;
    posed.m_nEyePose = frame.eyePose;
    posed.m_nMouthPose = frame.mouthPose;
    posed.m_nBrowPose = frame.browPose;
    if (Status status = DrawPicturePixels(posed, options, current); !status) return status;
    if (drawn && !drawn()) return Status::Error("stopped");
    if (i == 0) {
      std::swap(pending.pixels, current);
      pending.changed = Rect{0, 0, pending.pixels.width, pending.pixels.height};
      continue;
    }
    const std::optional<Rect> changed = ChangedArea(pending.pixels.View(), current.View());
    if (!changed) continue;
    if (Status status = handOn(frame.startMs); !status) return status;
    std::swap(before, pending);
    hasBefore = true;
    std::swap(pending.pixels, current);
    pending.changed = *changed;
    pending.startMs = frame.startMs;
  }
  if (sequence.empty()) return Status::Ok();
  return handOn(sequence.back().startMs + sequence.back().durationMs);
}

}  // namespace pelmoro
