#include "output/animation_export.h"

#include <new>

#include "model/message_text.h"
#include "model/safe_file.h"
#include "output/animation_encoders.h"

namespace pelmoro {

bool CanBeAnimated(ImageFormat format) { return format == ImageFormat::Gif || format == ImageFormat::Webp; }

std::string AnimationProblem(const ExportOptions& options, int seconds) {
  if (!CanBeAnimated(options.format)) return "an animation is written as a GIF or WebP file";
  if (seconds < kMinAnimationSeconds || seconds > kMaxAnimationSeconds)
    return "an animation lasts from 1 to 600 seconds";
  return ExportOptionsProblem(options);
}

Status EncodeAnimation(const FacePicture& picture, CRandom random, const ExportOptions& options, int seconds,
                       std::vector<std::uint8_t>& out, const AnimationProgress& progress) {
  out.clear();
  if (const std::string problem = AnimationProblem(options, seconds); !problem.empty()) return Status::Error(problem);
  if (!ExportArea(picture, options)) return Status::Error("the selection holds no pixel of the picture");
  const std::vector<AnimationFrame> sequence = PlayableSequence(random, seconds * 1000);
  const bool gif = options.format == ImageFormat::Gif;
  const std::size_t total = sequence.size() * (gif ? kGifDrawingPasses : kWebpDrawingPasses);
  std::size_t done = 0;
  const FrameDrawn drawn = [&]() { return !progress || progress(++done, total); };
  try {
    Status status = gif ? EncodeGifAnimation(picture, options, sequence, drawn, out)
                        : EncodeWebpAnimation(picture, options, sequence, drawn, out);
    if (!status) out.clear();
    return status;
  } catch (const std::bad_alloc&) {
    out.clear();
    return Status::Error("not enough memory to encode the animation");
  }
}

Status WriteAnimation(const std::string& path, const FacePicture& picture, CRandom random, const ExportOptions& options,
                      int seconds, const AnimationProgress& progress) {
  std::vector<std::uint8_t> bytes;
  if (Status encoded = EncodeAnimation(picture, random, options, seconds, bytes, progress); !encoded) {
    return Status::Error("Cannot write " + QuotedName(path) + ": " + encoded.message());
  }
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace pelmoro
