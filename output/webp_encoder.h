#pragma once
// The parts of the WebP still encoder that the animated WebP shares.
#include <webp/encode.h>

#include "model/status.h"
#include "output/image.h"

namespace pelmoro {

// libwebp's lossless effort, 0 (fastest) to 9 (smallest).
inline constexpr int kWebpEffort = 0;

// Lossless at kWebpEffort, keeping the colours of transparent pixels. False when libwebp
// refuses the settings.
bool SetLosslessConfig(WebPConfig& config);

// Copies the picture into an initialised WebP picture (ARGB, with alpha only when the view
// has it). Too large a picture or no memory is an error; `out` must be freed either way.
Status ImportWebpPicture(const ImageView& picture, WebPPicture& out);

}  // namespace pelmoro
