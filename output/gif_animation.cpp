// The animated GIF: one palette for all frames, each frame the rectangle that changed with
// its unchanged pixels transparent, left in place for the next one. A frame in which a
// pixel turns transparent cannot be laid over the one before: that one is written whole
// and cleared to the background after it shows, and the frame itself is written whole.
#include <set>

#include "output/animation_encoders.h"
#include "output/gif_file.h"
#include "output/gif_palette.h"

namespace pelmoro {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint8_t kLoopForever[] = {1, 0, 0};

// Start times rounded to hundredths, so that the rounding of the delays never drifts.
int Hundredths(std::int32_t ms) { return (ms + 5) / 10; }

bool Visible(const ImageView& picture, std::uint32_t pixel) { return !IsTransparentPixel(picture, pixel); }

// Whether a pixel that showed in the previous frame is transparent in this one.
bool TurnsTransparent(const DrawnFrame& frame) {
  if (!frame.picture.alpha || frame.previous == nullptr) return false;
  for (std::int32_t y = frame.changed.top; y < frame.changed.bottom; ++y) {
    const std::uint32_t* before = frame.previous->Row(y);
    const std::uint32_t* after = frame.picture.Row(y);
    for (std::int32_t x = frame.changed.left; x < frame.changed.right; ++x)
      if (Visible(*frame.previous, before[x]) && !Visible(frame.picture, after[x])) return true;
  }
  return false;
}

// The pixels a frame writes, with alpha: the whole picture, or the changed rectangle with
// the pixels that stay as they were made transparent.
PicturePixels WrittenPixels(const ImageView& picture, const ImageView* previous, const Rect& area) {
  PicturePixels out;
  out.width = area.Width();
  out.height = area.Height();
  out.alpha = true;
  out.pixels.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  const std::uint32_t opaque = picture.alpha ? 0 : kOpaque;
  for (std::int32_t y = area.top; y < area.bottom; ++y) {
    const std::uint32_t* row = picture.Row(y);
    for (std::int32_t x = area.left; x < area.right; ++x) {
      const bool unchanged = previous != nullptr && previous->Row(y)[x] == row[x];
      out.pixels.push_back(unchanged ? 0 : row[x] | opaque);
    }
  }
  return out;
}

// What the first drawing of the frames finds out: the colours, which frames turn pixels
// transparent, and when each frame shows.
struct GifPlan {
  ColorCounter colors;
  std::set<std::size_t> clearing;
  std::vector<std::int32_t> startMs;
  std::int32_t endMs = 0;
};

class GifAnimationWriter {
 public:
  GifAnimationWriter(const GifPlan& plan, const std::vector<std::uint32_t>& palette, bool exact)
      : plan_(plan), palette_(palette), exact_(exact), transparentIndex_(static_cast<int>(palette.size())) {}
  ~GifAnimationWriter() {
    if (map_ != nullptr) GifFreeMapObject(map_);
  }

  Status Open(std::vector<std::uint8_t>& out, std::int32_t width, std::int32_t height) {
    std::vector<std::uint32_t> entries = palette_;
    entries.push_back(0);  // the transparent entry
    map_ = MakeColorMap(entries);
    if (map_ == nullptr) return Status::Error("GIF encoder: no memory for the palette");
    int error = 0;
    gif_ = EGifOpen(&out, OnGifWrite, &error);
    if (gif_ == nullptr) return GifError(error);
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, width, height, map_->BitsPerPixel, transparentIndex_, map_) == GIF_ERROR ||
        !PutLoop()) {
      return GifError(gif_->Error);
    }
    return Status::Ok();
  }

  Status Add(const DrawnFrame& frame) {
    const std::size_t index = next_++;
    const bool clearAfter = plan_.clearing.count(index + 1) > 0;
    const bool whole = index == 0 || clearAfter || plan_.clearing.count(index) > 0;
    const Rect area = whole ? Rect{0, 0, frame.picture.width, frame.picture.height} : frame.changed;
    const PicturePixels written = WrittenPixels(frame.picture, whole ? nullptr : frame.previous, area);
    std::vector<std::uint8_t> indices =
        MapToPalette(written.View(), palette_, static_cast<std::uint8_t>(transparentIndex_), exact_);
    const std::int32_t end = index + 1 < plan_.startMs.size() ? plan_.startMs[index + 1] : plan_.endMs;
    const int delay = Hundredths(end) - Hundredths(plan_.startMs[index]);
    if (!PutGraphicsControl(gif_, clearAfter ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT, delay, transparentIndex_) ||
        EGifPutImageDesc(gif_, area.left, area.top, area.Width(), area.Height(), false, nullptr) == GIF_ERROR) {
      return GifError(gif_->Error);
    }
    for (std::int32_t y = 0; y < written.height; ++y) {
      if (EGifPutLine(gif_, indices.data() + static_cast<std::size_t>(y) * written.width, written.width) == GIF_ERROR)
        return GifError(gif_->Error);
    }
    return Status::Ok();
  }

  // Writes the trailer and frees the encoder, also after a failure.
  Status Close(Status status) {
    if (gif_ == nullptr) return status;
    int error = 0;
    const bool closed = EGifCloseFile(gif_, &error) == GIF_OK;
    gif_ = nullptr;
    if (!status) return status;
    return closed ? Status::Ok() : GifError(error);
  }

 private:
  // The application extension that makes players repeat the frames forever.
  bool PutLoop() {
    static const char kNetscape[] = "NETSCAPE2.0";
    return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif_, 11, kNetscape) != GIF_ERROR &&
           EGifPutExtensionBlock(gif_, sizeof kLoopForever, kLoopForever) != GIF_ERROR &&
           EGifPutExtensionTrailer(gif_) != GIF_ERROR;
  }

  const GifPlan& plan_;
  const std::vector<std::uint32_t>& palette_;
  const bool exact_;
  const int transparentIndex_;
  ColorMapObject* map_ = nullptr;
  GifFileType* gif_ = nullptr;
  std::size_t next_ = 0;
};

}  // namespace

Status EncodeGifAnimation(const FacePicture& face, const ExportOptions& options,
                          const std::vector<AnimationFrame>& sequence, const FrameDrawn& drawn,
                          std::vector<std::uint8_t>& out) {
  GifPlan plan;
  std::int32_t width = 0;
  std::int32_t height = 0;
  const Status planned = DrawAnimationFrames(
      face, options, sequence,
      [&](const DrawnFrame& frame) {
        if (frame.picture.width > kMaxGifSide || frame.picture.height > kMaxGifSide)
          return Status::Error("the picture is too large for a GIF file");
        width = frame.picture.width;
        height = frame.picture.height;
        const bool clears = TurnsTransparent(frame);
        if (clears) plan.clearing.insert(plan.startMs.size());
        const ImageView* previous = clears ? nullptr : frame.previous;
        const Rect area = previous == nullptr ? Rect{0, 0, width, height} : frame.changed;
        plan.colors.Add(WrittenPixels(frame.picture, previous, area).View());
        plan.startMs.push_back(frame.startMs);
        plan.endMs = frame.startMs + frame.durationMs;
        return Status::Ok();
      },
      drawn);
  if (!planned) return planned;

  // One entry stays free for the transparent pixels.
  std::vector<ColorCount> colors = plan.colors.Sorted();
  const bool exact = colors.size() < 256;
  const std::vector<std::uint32_t> palette = PaletteFor(std::move(colors), 255);
  GifAnimationWriter writer(plan, palette, exact);
  Status status = writer.Open(out, width, height);
  if (status) {
    status = DrawAnimationFrames(
        face, options, sequence, [&writer](const DrawnFrame& frame) { return writer.Add(frame); }, drawn);
  }
  return writer.Close(status);
}

}  // namespace pelmoro
