#pragma once
// The pieces of a GIF file through giflib that the still picture and the animation share.
#include <gif_lib.h>

#include <cstdint>
#include <vector>

#include "model/status.h"

namespace pelmoro {

inline constexpr std::int32_t kMaxGifSide = 65535;

// giflib's output function: appends to the std::vector<std::uint8_t> in the file's UserData.
int OnGifWrite(GifFileType* gif, const GifByteType* data, int length);

// The palette (0x00RRGGBB entries, at most 256) as a GIF colour map of a power of two
// entries, at least 2, the spare ones black; nothing when memory runs out.
ColorMapObject* MakeColorMap(const std::vector<std::uint32_t>& palette);

// The graphic control extension before an image: how it is disposed of, how long it shows
// (hundredths of a second) and its transparent palette entry (-1: none).
bool PutGraphicsControl(GifFileType* gif, int disposal, int delay, int transparentIndex);

// giflib's error code said for the user.
Status GifError(int code);

}  // namespace pelmoro
