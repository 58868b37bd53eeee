#pragma once
// The animated formats behind EncodeAnimation. Each draws the frames of the sequence with
// DrawAnimationFrames and calls `drawn` after each frame it draws.
#include <cstdint>
#include <vector>

#include "output/animation_frames.h"

namespace pelmoro {

Status EncodeGifAnimation(const FacePicture& face, const ExportOptions& options,
                          const std::vector<AnimationFrame>& sequence, const FrameDrawn& drawn,
                          std::vector<std::uint8_t>& out);
Status EncodeWebpAnimation(const FacePicture& face, const ExportOptions& options,
                           const std::vector<AnimationFrame>& sequence, const FrameDrawn& drawn,
                           std::vector<std::uint8_t>& out);

// How many times each encoder draws every frame: the GIF counts the colours of all
// frames before it writes any.
inline constexpr std::size_t kGifDrawingPasses = 2;
inline constexpr std::size_t kWebpDrawingPasses = 1;

}  // namespace pelmoro
