// WebP through libwebp: lossless, the colours under transparent pixels kept as they are, so
// that the decoded picture equals the one given pixel for pixel.
#include "output/webp_encoder.h"

#include <webp/encode.h>

#include <new>

#include "output/encoders.h"

namespace pelmoro {

namespace {

// libwebp's own picture limit.
constexpr std::int32_t kMaxWebpSide = WEBP_MAX_DIMENSION;

const char* WebpErrorText(WebPEncodingError error) {
  switch (error) {
    case VP8_ENC_ERROR_OUT_OF_MEMORY:
    case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY:
      return "not enough memory";
    case VP8_ENC_ERROR_BAD_DIMENSION:
      return "the picture is too large for a WebP file";
    case VP8_ENC_ERROR_FILE_TOO_BIG:
      return "the file would be too large";
    default:
      return "the encoder failed";
  }
}

// Collects the encoded bytes; a failed allocation ends the encoding with an error.
int OnWebpWrite(const std::uint8_t* data, std::size_t size, const WebPPicture* picture) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(picture->custom_ptr);
  try {
    out->insert(out->end(), data, data + size);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

}  // namespace

bool SetLosslessConfig(WebPConfig& config) {
  if (!WebPConfigInit(&config)) return false;
  // The fastest effort: on the flat colours of a face the slowest level saves a fifth of
  // the bytes for fifteen times the time.
  if (!WebPConfigLosslessPreset(&config, kWebpEffort)) return false;
  config.exact = 1;
  return WebPValidateConfig(&config) != 0;
}

Status ImportWebpPicture(const ImageView& picture, WebPPicture& out) {
  if (picture.width > kMaxWebpSide || picture.height > kMaxWebpSide) {
    return Status::Error("the picture is too large for a WebP file");
  }
  out.use_argb = 1;
  out.width = picture.width;
  out.height = picture.height;
  // The pixels are 0xAARRGGBB words, in memory B, G, R, A on this machine's byte order.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(picture.pixels);
  const int strideBytes = picture.stride * 4;
  const int imported =
      picture.alpha ? WebPPictureImportBGRA(&out, bytes, strideBytes) : WebPPictureImportBGRX(&out, bytes, strideBytes);
  if (!imported) return Status::Error("WebP encoder: not enough memory for the picture");
  return Status::Ok();
}

Status EncodeWebp(const ImageView& picture, std::vector<std::uint8_t>& out) {
  WebPConfig config;
  if (!SetLosslessConfig(config)) return Status::Error("the WebP encoder could not start");
  WebPPicture webp;
  if (!WebPPictureInit(&webp)) return Status::Error("the WebP encoder could not start");
  if (Status imported = ImportWebpPicture(picture, webp); !imported) {
    WebPPictureFree(&webp);
    return imported;
  }
  webp.writer = OnWebpWrite;
  webp.custom_ptr = &out;
  const bool encoded = WebPEncode(&config, &webp) != 0;
  const WebPEncodingError error = webp.error_code;
  WebPPictureFree(&webp);
  if (!encoded) {
    out.clear();
    return Status::Error(std::string("WebP encoder: ") + WebpErrorText(error));
  }
  return Status::Ok();
}

}  // namespace pelmoro
