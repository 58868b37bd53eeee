// The whole picture pipeline on any record: the bytes are taken as the 25 face parameters,
// the eight fill words and the three poses, with no range check, as a record can be after
// a failed load followed by Save.
#include <cstdint>
#include <cstring>

#include "render/face_picture.h"
#include "render/memory_dc.h"

using namespace pelmoro;

namespace {

class Words {
 public:
  Words(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::int32_t Next() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i, ++offset_) value |= std::uint32_t(offset_ < size_ ? data_[offset_] : 0) << (8 * i);
    return static_cast<std::int32_t>(value);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Words words(data, size);
  FacePicture picture;
  for (int i = 0; i < CFace::kParameterCount; ++i) picture.m_face.DocumentParameter(i) = words.Next();
  FillSettings& fill = picture.m_fill;
  fill.m_nFillType = words.Next();
  fill.m_crBackground = static_cast<Color>(words.Next());
  fill.m_crGradientFrom = static_cast<Color>(words.Next());
  fill.m_crGradientTo = static_cast<Color>(words.Next());
  fill.m_bVertical = words.Next();
  fill.m_bHorizontal = words.Next();
  fill.m_bForwardDiagonal = words.Next();
  fill.m_bBackwardDiagonal = words.Next();
  picture.m_nEyePose = words.Next();
  picture.m_nMouthPose = words.Next();
  picture.m_nBrowPose = words.Next();

  // One surface for every run: the paint covers it whole, and reusing it keeps the fuzzer
  // measuring the pipeline rather than the allocator.
  static CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
  picture.Paint(dc);
  return 0;
}
