#pragma once
// The window's animation of a face as a file: an animated GIF or WebP that loops forever,
// its frames drawn by the one paint pipeline and its poses and times drawn from the
// program's generator exactly as the window's animation draws them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/random.h"
#include "model/status.h"
#include "output/picture_export.h"
#include "render/face_picture.h"

namespace pelmoro {

inline constexpr int kMinAnimationSeconds = 1;
inline constexpr int kMaxAnimationSeconds = 600;

// GIF and WebP files can hold an animation.
bool CanBeAnimated(ImageFormat format);

// What is wrong with an animation of `seconds` in the options' format for the user, or an
// empty text: a format other than GIF and WebP, a length outside 1 to 600 seconds, or
// what ExportOptionsProblem finds.
std::string AnimationProblem(const ExportOptions& options, int seconds);

// Told after every frame drawn how many of how many are done; returning false stops the
// encoding, which then fails.
using AnimationProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Encodes `seconds` of the animation into `out`: `random` is the generator as the window's
// animation would find it when Animate is switched on. The first frame shows the rest
// poses; every frame is the picture the options ask for (scale, transparency, selection).
// GIF: one palette for all frames, dithered as the still GIF when the frames hold more
// than 255 colours, each frame only the rectangle that changed, delays in hundredths taken
// from the rounded start times. WebP: lossless, milliseconds. The same face, generator
// state and options give the same bytes.
Status EncodeAnimation(const FacePicture& picture, CRandom random, const ExportOptions& options, int seconds,
                       std::vector<std::uint8_t>& out, const AnimationProgress& progress = {});

// Encodes the animation and writes it to `path` whole or not at all.
Status WriteAnimation(const std::string& path, const FacePicture& picture, CRandom random, const ExportOptions& options,
                      int seconds, const AnimationProgress& progress = {});

}  // namespace pelmoro
