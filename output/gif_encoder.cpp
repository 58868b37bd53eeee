// GIF through giflib: one image with a global palette made for the picture, and a
// transparent entry for the transparent pixels of a picture with alpha.
#include <new>

#include "output/encoders.h"
#include "output/gif_file.h"
#include "output/gif_palette.h"

namespace pelmoro {

int OnGifWrite(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    return 0;  // giflib reports a failed write
  }
  return length;
}

ColorMapObject* MakeColorMap(const std::vector<std::uint32_t>& palette) {
  int bits = 1;
  while ((std::size_t{1} << bits) < palette.size()) ++bits;
  ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
  if (map == nullptr) return nullptr;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    map->Colors[i].Red = static_cast<GifByteType>(palette[i] >> 16);
    map->Colors[i].Green = static_cast<GifByteType>(palette[i] >> 8);
    map->Colors[i].Blue = static_cast<GifByteType>(palette[i]);
  }
  return map;
}

bool PutGraphicsControl(GifFileType* gif, int disposal, int delay, int transparentIndex) {
  GraphicsControlBlock control{};
  control.DisposalMode = disposal;
  control.DelayTime = delay;
  control.TransparentColor = transparentIndex;
  GifByteType bytes[4];
  const std::size_t length = EGifGCBToExtension(&control, bytes);
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), bytes) != GIF_ERROR;
}

Status GifError(int code) { return Status::Error(std::string("GIF encoder: ") + GifErrorString(code)); }

namespace {

bool WriteGifImage(GifFileType* gif, const ColorMapObject* map, const ImageView& picture,
                   const PalettedPicture& paletted) {
  const std::vector<std::uint8_t>& indices = paletted.indices;
  const bool transparent = paletted.transparentIndex >= 0;
  EGifSetGifVersion(gif, transparent);  // transparency needs GIF89a
  if (EGifPutScreenDesc(gif, picture.width, picture.height, map->BitsPerPixel, 0, map) == GIF_ERROR) return false;
  if (transparent && !PutGraphicsControl(gif, DISPOSAL_UNSPECIFIED, 0, paletted.transparentIndex)) return false;
  if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_ERROR) return false;
  for (std::int32_t y = 0; y < picture.height; ++y) {
    auto* line = const_cast<GifPixelType*>(indices.data() + static_cast<std::size_t>(y) * picture.width);
    if (EGifPutLine(gif, line, picture.width) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

Status EncodeGif(const ImageView& picture, std::vector<std::uint8_t>& out) {
  if (picture.width > kMaxGifSide || picture.height > kMaxGifSide) {
    return Status::Error("the picture is too large for a GIF file");
  }
  const PalettedPicture paletted = ReduceTo256Colors(picture);
  ColorMapObject* map = MakeColorMap(paletted.palette);
  if (map == nullptr) return Status::Error("GIF encoder: no memory for the palette");

  int error = 0;
  GifFileType* gif = EGifOpen(&out, OnGifWrite, &error);
  if (gif == nullptr) {
    GifFreeMapObject(map);
    return GifError(error);
  }
  const bool written = WriteGifImage(gif, map, picture, paletted);
  if (!written) error = gif->Error;
  GifFreeMapObject(map);
  // Closing writes the trailer and frees the encoder, also after a failure.
  int closeError = 0;
  const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
  if (!written) return GifError(error);
  if (!closed) return GifError(closeError);
  return Status::Ok();
}

}  // namespace pelmoro
