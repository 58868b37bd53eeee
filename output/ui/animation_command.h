#pragma once
// "Export animation...": the window's animation of the face as a GIF or WebP file.
#include <optional>

#include "model/random.h"
#include "output/image.h"

class QString;
class QWidget;

namespace pelmoro {

class FacePicture;
class UserPrompts;

inline constexpr int kDefaultAnimationSeconds = 10;

// The format an animation written to `path` gets: WebP for a name ending in .webp (any
// case), GIF for .gif and for a name that names no picture format; nothing for the other
// picture formats, which cannot hold an animation.
std::optional<ImageFormat> AnimationFormatOf(const QString& path);

// Asks for the length in seconds (10 at first, 1 to 600) and the file (GIF or WebP), then
// writes that long an animation of the picture's face and background, drawing from a copy
// of `generator` as the window's animation would if Animate were switched on now; the
// generator itself is left alone. A progress dialog with Cancel shows when the writing
// takes longer than half a second. A failure is shown as the picture exports show theirs;
// a cancelled writing leaves no file and shows nothing. True when the file was written.
bool ExportAnimation(QWidget* parent, const FacePicture& picture, const CRandom& generator, UserPrompts& prompts);

}  // namespace pelmoro
