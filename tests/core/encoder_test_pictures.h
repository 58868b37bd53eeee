#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "output/image.h"

namespace pelmoro::testing {

// A picture like the program's: a diagonal gradient from dark blue (21, 1, 116) to white
// with solid shapes over it. The pixels sit inside a wider buffer so that the view's
// stride differs from its width, as it does for a selection.
class TestPicture {
 public:
  static constexpr std::int32_t kMargin = 5;

  TestPicture(std::int32_t width, std::int32_t height, bool withShapes = true)
      : stride_(width + 2 * kMargin), buffer_(static_cast<std::size_t>(stride_) * (height + 2), 0xFFFF00FFu) {
    view_ = {width, height, buffer_.data() + stride_ + kMargin, stride_};
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) Set(x, y, GradientAt(x, y));
    }
    if (withShapes) DrawShapes();
  }

  const ImageView& view() const { return view_; }
  std::uint32_t At(std::int32_t x, std::int32_t y) const { return view_.Row(y)[x]; }
  void Set(std::int32_t x, std::int32_t y, std::uint32_t pixel) {
    buffer_[static_cast<std::size_t>(y + 1) * stride_ + kMargin + x] = pixel;
  }
  // Whether (x, y) shows the gradient rather than a shape.
  bool OnGradient(std::int32_t x, std::int32_t y) const { return At(x, y) == GradientAt(x, y); }

 private:
  std::uint32_t GradientAt(std::int32_t x, std::int32_t y) const {
    const double t = (static_cast<double>(x) / view_.width + static_cast<double>(y) / view_.height) / 2;
    auto mix = [t](int from) { return static_cast<std::uint32_t>(from + (255 - from) * t + 0.5); };
    return 0xFF000000u | mix(21) << 16 | mix(1) << 8 | mix(116);
  }
  void FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::uint32_t pixel) {
    for (std::int32_t y = top; y < bottom && y < view_.height; ++y)
      for (std::int32_t x = left; x < right && x < view_.width; ++x) Set(x, y, pixel);
  }
  void FillDisc(std::int32_t cx, std::int32_t cy, std::int32_t r, std::uint32_t pixel) {
    for (std::int32_t y = 0; y < view_.height; ++y)
      for (std::int32_t x = 0; x < view_.width; ++x)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) Set(x, y, pixel);
  }
  void DrawShapes() {
    const std::int32_t w = view_.width;
    const std::int32_t h = view_.height;
    FillDisc(w / 2, h / 2, h / 3, 0xFFF0C8A0u);                   // skin
    FillRect(w / 2 - 30, h / 6, w / 2 + 30, h / 4, 0xFF5A3214u);  // hair
    FillDisc(w / 2 - 15, h / 2 - 8, 6, 0xFFFFFFFFu);              // eyes
    FillDisc(w / 2 + 15, h / 2 - 8, 6, 0xFFFFFFFFu);
    FillDisc(w / 2 - 15, h / 2 - 8, 2, 0xFF000000u);
    FillDisc(w / 2 + 15, h / 2 - 8, 2, 0xFF000000u);
    FillRect(w / 2 - 12, h / 2 + 20, w / 2 + 12, h / 2 + 24, 0xFFC81E1Eu);  // mouth
  }

  std::int32_t stride_;
  std::vector<std::uint32_t> buffer_;
  ImageView view_;
};

// An RGB byte picture as a decoder gives it back.
struct DecodedPicture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> rgb;

  int Channel(std::int32_t x, std::int32_t y, int c) const {
    return rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c];
  }
};

inline int ChannelOf(std::uint32_t pixel, int c) { return static_cast<int>((pixel >> (16 - 8 * c)) & 0xFF); }

// The largest difference of any channel of any pixel; -1 when the sizes differ.
inline int MaxDifference(const ImageView& picture, const DecodedPicture& decoded) {
  if (decoded.width != picture.width || decoded.height != picture.height) return -1;
  int largest = 0;
  for (std::int32_t y = 0; y < picture.height; ++y)
    for (std::int32_t x = 0; x < picture.width; ++x)
      for (int c = 0; c < 3; ++c)
        largest = std::max(largest, std::abs(decoded.Channel(x, y, c) - ChannelOf(picture.Row(y)[x], c)));
  return largest;
}

// The mean absolute difference over all channels of all pixels.
inline double MeanDifference(const ImageView& picture, const DecodedPicture& decoded) {
  double total = 0;
  for (std::int32_t y = 0; y < picture.height; ++y)
    for (std::int32_t x = 0; x < picture.width; ++x)
      for (int c = 0; c < 3; ++c) total += std::abs(decoded.Channel(x, y, c) - ChannelOf(picture.Row(y)[x], c));
  return total / (3.0 * picture.width * picture.height);
}

}  // namespace pelmoro::testing
