// The animated WebP through libwebp's animation encoder: lossless frames, each stored as
// the smallest rectangle that changed when that is smaller, looping forever.
#include <webp/mux.h>

#include "output/animation_encoders.h"
#include "output/webp_encoder.h"

namespace pelmoro {

namespace {

class WebpAnimationWriter {
 public:
  ~WebpAnimationWriter() {
    if (encoder_ != nullptr) WebPAnimEncoderDelete(encoder_);
  }

  Status Open(std::int32_t width, std::int32_t height) {
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options) || !SetLosslessConfig(config_))
      return Status::Error("the WebP encoder could not start");
    options.anim_params.loop_count = 0;  // forever
    options.anim_params.bgcolor = 0;     // transparent
    options.minimize_size = 1;
    encoder_ = WebPAnimEncoderNew(width, height, &options);
    if (encoder_ == nullptr) return Status::Error("the WebP encoder could not start");
    return Status::Ok();
  }

  Status Add(const DrawnFrame& frame) {
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) return Status::Error("the WebP encoder could not start");
    Status status = ImportWebpPicture(frame.picture, picture);
    if (status && !WebPAnimEncoderAdd(encoder_, &picture, frame.startMs, &config_)) status = Failure();
    WebPPictureFree(&picture);
    return status;
  }

  Status Finish(std::int32_t endMs, std::vector<std::uint8_t>& out) {
    if (!WebPAnimEncoderAdd(encoder_, nullptr, endMs, nullptr)) return Failure();
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder_, &data)) return Failure();
    out.assign(data.bytes, data.bytes + data.size);
    WebPDataClear(&data);
    return Status::Ok();
  }

 private:
  Status Failure() const {
    const char* error = WebPAnimEncoderGetError(encoder_);
    return Status::Error(std::string("WebP encoder: ") + (error != nullptr && *error != '\0' ? error : "failed"));
  }

  WebPConfig config_;
  WebPAnimEncoder* encoder_ = nullptr;
};

}  // namespace

Status EncodeWebpAnimation(const FacePicture& face, const ExportOptions& options,
                           const std::vector<AnimationFrame>& sequence, const FrameDrawn& drawn,
                           std::vector<std::uint8_t>& out) {
  WebpAnimationWriter writer;
  std::int32_t endMs = 0;
  const Status added = DrawAnimationFrames(
      face, options, sequence,
      [&](const DrawnFrame& frame) {
        if (frame.previous == nullptr) {
          if (Status opened = writer.Open(frame.picture.width, frame.picture.height); !opened) return opened;
        }
        endMs = frame.startMs + frame.durationMs;
        return writer.Add(frame);
      },
      drawn);
  if (!added) return added;
  return writer.Finish(endMs, out);
}

}  // namespace pelmoro
