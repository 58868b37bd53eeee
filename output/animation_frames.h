#pragma once
// The pictures of an animation as the animated formats' encoders receive them: drawn one
// after another, each different from the one before.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/status.h"
#include "output/image.h"
#include "output/picture_export.h"
#include "render/animation_sequence.h"
#include "render/face_picture.h"

namespace pelmoro {

// The window's sequence as a file can play it: players show a frame of less than two
// hundredths of a second for a tenth, so a last frame that short gives its time to the one
// before it and is left out.
std::vector<AnimationFrame> PlayableSequence(CRandom& random, std::int32_t lengthMs);

// The smallest rectangle that holds every pixel in which two pictures of one size differ;
// nothing when they are the same.
std::optional<Rect> ChangedArea(const ImageView& before, const ImageView& after);

// One picture of the file: `picture` shows from `startMs` for `durationMs`; `previous` is
// the picture shown before it (none for the first) and `changed` the smallest rectangle in
// which they differ (the whole picture for the first).
struct DrawnFrame {
  const ImageView& picture;
  const ImageView* previous;
  Rect changed;
  std::int32_t startMs;
  std::int32_t durationMs;
};

using FrameConsumer = std::function<Status(const DrawnFrame&)>;
// Called after every frame drawn; false stops the drawing.
using FrameDrawn = std::function<bool()>;

// Draws the face in the poses of each frame of the sequence as the options ask and hands
// the pictures to `take`, in order. A picture the same as the one before it is not handed
// on: the one before shows that much longer. Stops at the first failure of `take`.
Status DrawAnimationFrames(const FacePicture& face, const ExportOptions& options,
                           const std::vector<AnimationFrame>& sequence, const FrameConsumer& take,
                           const FrameDrawn& drawn);

}  // namespace pelmoro
