// JPEG through TurboJPEG: quality 100, full-resolution chroma (4:4:4), accurate DCT.
#include <turbojpeg.h>

#include <bit>
#include <cstdint>
#include <memory>

#include "output/encoders.h"

namespace pelmoro {

namespace {

constexpr int kQuality = 100;

// The byte order of a 0xFFRRGGBB word in memory.
constexpr int kPixelFormat = std::endian::native == std::endian::little ? TJPF_BGRX : TJPF_XRGB;

struct EncoderCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};
struct BufferFreer {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

}  // namespace

Status EncodeJpeg(const ImageView& picture, std::vector<std::uint8_t>& out) {
  if (static_cast<std::int64_t>(picture.stride) * 4 > INT32_MAX) {
    return Status::Error("the picture is too large for the JPEG encoder");
  }
  std::unique_ptr<void, EncoderCloser> encoder(tjInitCompress());
  if (!encoder) return Status::Error(std::string("JPEG encoder: ") + tjGetErrorStr2(nullptr));

  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const int result = tjCompress2(encoder.get(), reinterpret_cast<const unsigned char*>(picture.pixels), picture.width,
                                 picture.stride * 4, picture.height, kPixelFormat, &jpeg, &size, TJSAMP_444, kQuality,
                                 TJFLAG_ACCURATEDCT);
  std::unique_ptr<unsigned char, BufferFreer> buffer(jpeg);
  if (result != 0) return Status::Error(std::string("JPEG encoder: ") + tjGetErrorStr2(encoder.get()));
  out.assign(buffer.get(), buffer.get() + size);
  return Status::Ok();
}

}  // namespace pelmoro
