// PNG, TIFF, BMP and WebP keep every pixel: each file is decoded again by an independent
// reader (libpng, libtiff, a BMP reader written here, libwebp's decoder) and compared with
// the picture exactly.
#include <gtest/gtest.h>
#include <png.h>
#include <tiffio.h>
#include <webp/decode.h>

#include <cstring>

#include "encoder_test_pictures.h"
#include "model/random.h"
#include "output/image_writer.h"
#include "render/face_picture.h"
#include "render/memory_dc.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

using testing::DecodedPicture;
using testing::MaxDifference;
using testing::ReadBytes;
using testing::TempDir;
using testing::TestPicture;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

DecodedPicture DecodePng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  DecodedPicture decoded;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return decoded;
  image.format = PNG_FORMAT_RGB;
  decoded.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, decoded.rgb.data(), 0, nullptr)) return decoded;
  decoded.width = static_cast<std::int32_t>(image.width);
  decoded.height = static_cast<std::int32_t>(image.height);
  return decoded;
}

struct TiffLayout {
  std::uint16_t bitsPerSample = 0, samplesPerPixel = 0, compression = 0, photometric = 0;
  std::uint32_t strips = 0;
};

DecodedPicture DecodeTiff(const std::string& path, TiffLayout& layout) {
  DecodedPicture decoded;
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (tiff == nullptr) return decoded;
  std::uint32_t width = 0, height = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &layout.bitsPerSample);
  TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &layout.samplesPerPixel);
  TIFFGetField(tiff, TIFFTAG_COMPRESSION, &layout.compression);
  TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &layout.photometric);
  layout.strips = TIFFNumberOfStrips(tiff);
  if (layout.bitsPerSample == 8 && layout.samplesPerPixel == 3) {
    decoded.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    bool ok = true;
    for (std::uint32_t y = 0; y < height && ok; ++y) ok = TIFFReadScanline(tiff, &decoded.rgb[y * width * 3], y) == 1;
    if (ok) {
      decoded.width = static_cast<std::int32_t>(width);
      decoded.height = static_cast<std::int32_t>(height);
    }
  }
  TIFFClose(tiff);
  return decoded;
}

// Reads a 24-bit uncompressed BMP file; checks as it goes that every header field and every
// row's padding is as a BMP writer must make them.
DecodedPicture DecodeBmp(const std::vector<std::uint8_t>& file) {
  DecodedPicture decoded;
  EXPECT_GE(file.size(), 54u);
  if (file.size() < 54) return decoded;
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32(file, 2), file.size()) << "file size field";
  EXPECT_EQ(U32(file, 6), 0u) << "reserved";
  EXPECT_EQ(U32(file, 10), 54u) << "pixels follow the two headers, no colour table";
  EXPECT_EQ(U32(file, 14), 40u) << "BITMAPINFOHEADER";
  const auto width = static_cast<std::int32_t>(U32(file, 18));
  const auto height = static_cast<std::int32_t>(U32(file, 22));
  EXPECT_GT(height, 0) << "bottom-up rows";
  EXPECT_EQ(U16(file, 26), 1) << "planes";
  EXPECT_EQ(U16(file, 28), 24) << "bits per pixel";
  EXPECT_EQ(U32(file, 30), 0u) << "uncompressed";
  EXPECT_EQ(U32(file, 46), 0u) << "no colour table";
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(U32(file, 34), rowSize * height) << "image size";
  if (file.size() != 54 + rowSize * height) {
    ADD_FAILURE() << "file holds " << file.size() << " bytes, rows need " << 54 + rowSize * height;
    return decoded;
  }
  decoded.width = width;
  decoded.height = height;
  decoded.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::size_t row = 54 + static_cast<std::size_t>(height - 1 - y) * rowSize;
    for (std::int32_t x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c)
        decoded.rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c] = file[row + x * 3 + 2 - c];
    }
    for (std::size_t pad = static_cast<std::size_t>(width) * 3; pad < rowSize; ++pad)
      EXPECT_EQ(file[row + pad], 0) << "row " << y;
  }
  return decoded;
}

TEST(PngEncoder, WritesEightBitRgbThatDecodesToThePicture) {
  TempDir dir;
  const TestPicture picture(224, 192);
  const std::string path = dir / "face.png";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Png, picture.view()).ok());

  const auto bytes = ReadBytes(path);
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(bytes[24], 8) << "bit depth";
  EXPECT_EQ(bytes[25], 2) << "colour type RGB";
  EXPECT_EQ(MaxDifference(picture.view(), DecodePng(path)), 0);
}

TEST(TiffEncoder, WritesLzwRgbInFewStripsThatDecodesToThePicture) {
  TempDir dir;
  const TestPicture picture(224, 192);
  const std::string path = dir / "face.tiff";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Tiff, picture.view()).ok());

  TiffLayout layout;
  const DecodedPicture decoded = DecodeTiff(path, layout);
  EXPECT_EQ(layout.bitsPerSample, 8);
  EXPECT_EQ(layout.samplesPerPixel, 3);
  EXPECT_EQ(layout.compression, COMPRESSION_LZW);
  EXPECT_EQ(layout.photometric, PHOTOMETRIC_RGB);
  EXPECT_GE(layout.strips, 1u);
  EXPECT_LE(layout.strips, 4u);
  EXPECT_EQ(MaxDifference(picture.view(), decoded), 0);
}

TEST(BmpEncoder, WritesHeadersAndPaddedBottomUpRowsForAnOddWidth) {
  TempDir dir;
  const TestPicture picture(223, 191);  // 669 bytes a row: 3 bytes of padding
  const std::string path = dir / "face.bmp";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Bmp, picture.view()).ok());

  const auto bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size(), 54u + 672u * 191u);
  EXPECT_EQ(MaxDifference(picture.view(), DecodeBmp(bytes)), 0);
}

// The file decoded as 0xAARRGGBB words, row after row; empty when it does not decode.
std::vector<std::uint32_t> DecodeWebp(const std::vector<std::uint8_t>& file, int& width, int& height) {
  std::uint8_t* bgra = WebPDecodeBGRA(file.data(), file.size(), &width, &height);
  if (bgra == nullptr) return {};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  std::memcpy(pixels.data(), bgra, pixels.size() * 4);
  WebPFree(bgra);
  return pixels;
}

TEST(WebpEncoder, DecodesToThePictureExactlyWithAndWithoutAlpha) {
  const TestPicture picture(223, 191);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeImage(ImageFormat::Webp, picture.view(), bytes).ok());
  WebPBitstreamFeatures features;
  ASSERT_EQ(WebPGetFeatures(bytes.data(), bytes.size(), &features), VP8_STATUS_OK);
  EXPECT_EQ(features.format, 2) << "lossless";
  EXPECT_FALSE(features.has_alpha);
  int width = 0, height = 0;
  const std::vector<std::uint32_t> opaque = DecodeWebp(bytes, width, height);
  ASSERT_EQ(width, 223);
  ASSERT_EQ(height, 191);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) ASSERT_EQ(opaque[y * width + x], picture.At(x, y)) << x << "," << y;

  // A face over nothing: the transparent pixels come back as they went in, colour and all.
  FacePicture face;
  CRandom random(7);
  face.m_face.Randomize(random);
  CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
  dc.ClearTransparent();
  face.PaintFace(dc);
  const ImageView view{dc.Width(), dc.Height(), dc.Bits(), dc.Width(), true};
  ASSERT_TRUE(EncodeImage(ImageFormat::Webp, view, bytes).ok());
  const std::vector<std::uint32_t> transparent = DecodeWebp(bytes, width, height);
  ASSERT_EQ(transparent.size(), static_cast<std::size_t>(dc.Width()) * dc.Height());
  EXPECT_TRUE(std::equal(transparent.begin(), transparent.end(), dc.Bits()));
  EXPECT_EQ(transparent.front(), 0u) << "the corner shows nothing";
}

}  // namespace
}  // namespace pelmoro
