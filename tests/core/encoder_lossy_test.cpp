// JPEG and GIF change pixels by design; their files are decoded again with TurboJPEG and
// giflib and compared with the picture within stated bounds.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <climits>
#include <random>

#include "encoder_test_pictures.h"
#include "output/image_writer.h"
#include "output/nearest_color.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

using testing::ChannelOf;
using testing::DecodedPicture;
using testing::MaxDifference;
using testing::MeanDifference;
using testing::ReadBytes;
using testing::TempDir;
using testing::TestPicture;

DecodedPicture DecodeJpeg(const std::vector<std::uint8_t>& file, int& subsampling) {
  DecodedPicture decoded;
  tjhandle decoder = tjInitDecompress();
  int width = 0, height = 0, colorspace = 0;
  auto* data = const_cast<unsigned char*>(file.data());
  if (tjDecompressHeader3(decoder, data, file.size(), &width, &height, &subsampling, &colorspace) == 0) {
    decoded.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    if (tjDecompress2(decoder, data, file.size(), decoded.rgb.data(), width, 0, height, TJPF_RGB, TJFLAG_ACCURATEDCT) ==
        0) {
      decoded.width = width;
      decoded.height = height;
    }
  }
  tjDestroy(decoder);
  return decoded;
}

// The entries of every quantisation table in the file; quality 100 makes them all 1.
std::vector<int> QuantisationEntries(const std::vector<std::uint8_t>& file) {
  std::vector<int> entries;
  std::size_t at = 2;  // after the start-of-image marker
  while (at + 4 <= file.size() && file[at] == 0xFF && file[at + 1] != 0xDA) {
    const std::size_t length = static_cast<std::size_t>(file[at + 2]) << 8 | file[at + 3];
    if (file[at + 1] == 0xDB) {
      for (std::size_t t = at + 4; t < at + 2 + length && t < file.size();) {
        const bool sixteenBit = file[t] >> 4;
        ++t;
        for (int i = 0; i < 64 && t < file.size(); ++i, t += sixteenBit ? 2 : 1)
          entries.push_back(sixteenBit ? file[t] << 8 | file[t + 1] : file[t]);
      }
    }
    at += 2 + length;
  }
  return entries;
}

DecodedPicture DecodeGif(const std::string& path, int& imageCount) {
  DecodedPicture decoded;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return decoded;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1) {
    imageCount = gif->ImageCount;
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const int width = image.ImageDesc.Width, height = image.ImageDesc.Height;
    for (int i = 0; map != nullptr && i < width * height; ++i) {
      const GifColorType& c = map->Colors[image.RasterBits[i]];
      decoded.rgb.insert(decoded.rgb.end(), {c.Red, c.Green, c.Blue});
    }
    if (map != nullptr && gif->SWidth == width && gif->SHeight == height) {
      decoded.width = width;
      decoded.height = height;
    }
  }
  DGifCloseFile(gif, &error);
  return decoded;
}

// The largest difference between the mean colours of the picture and the decoded file
// over 8 x 8 blocks that `use` accepts. Dithering keeps these means; bands do not.
template <typename Use>
double MaxBlockMeanDifference(const ImageView& picture, const DecodedPicture& decoded, Use use) {
  double largest = 0;
  for (std::int32_t by = 0; by + 8 <= picture.height; by += 8) {
    for (std::int32_t bx = 0; bx + 8 <= picture.width; bx += 8) {
      if (!use(bx, by)) continue;
      for (int c = 0; c < 3; ++c) {
        double difference = 0;
        for (std::int32_t y = by; y < by + 8; ++y)
          for (std::int32_t x = bx; x < bx + 8; ++x)
            difference += decoded.Channel(x, y, c) - ChannelOf(picture.Row(y)[x], c);
        largest = std::max(largest, std::abs(difference) / 64);
      }
    }
  }
  return largest;
}

TEST(JpegEncoder, WritesQualityHundredWithFullChromaCloseToThePicture) {
  TempDir dir;
  const TestPicture picture(224, 192);
  const std::string path = dir / "face.jpg";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Jpeg, picture.view()).ok());

  const auto file = ReadBytes(path);
  int subsampling = -1;
  const DecodedPicture decoded = DecodeJpeg(file, subsampling);
  EXPECT_EQ(subsampling, TJSAMP_444);
  const std::vector<int> entries = QuantisationEntries(file);
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(std::count(entries.begin(), entries.end(), 1), static_cast<long>(entries.size()));
  // Quality 100 leaves only rounding in the colour conversion and the transform; sharp
  // edges between saturated colours see the most of it.
  EXPECT_LE(MaxDifference(picture.view(), decoded), 6);
  EXPECT_LT(MeanDifference(picture.view(), decoded), 1.0);
}

TEST(GifEncoder, KeepsAPictureOfAtMost256ColoursExactly) {
  TestPicture picture(224, 192);
  // 16 x 12 blocks of different colours plus the shapes' few: fewer than 256 in all.
  for (std::int32_t y = 0; y < 192; ++y)
    for (std::int32_t x = 0; x < 224; ++x)
      if (picture.OnGradient(x, y)) picture.Set(x, y, 0xFF000000u | (x / 14 * 16) << 16 | (y / 16 * 20) << 8 | 77);
  TempDir dir;
  const std::string path = dir / "blocks.gif";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Gif, picture.view()).ok());
  int images = 0;
  EXPECT_EQ(MaxDifference(picture.view(), DecodeGif(path, images)), 0);
  EXPECT_EQ(images, 1);
}

TEST(GifEncoder, KeepsTheDefaultGradientSmoothAndTheShapesSolid) {
  const TestPicture picture(224, 192);
  TempDir dir;
  const std::string path = dir / "face.gif";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Gif, picture.view()).ok());
  int images = 0;
  const DecodedPicture decoded = DecodeGif(path, images);
  ASSERT_EQ(decoded.width, 224);
  ASSERT_EQ(decoded.height, 192);

  auto gradientOnly = [&](std::int32_t bx, std::int32_t by) {
    for (std::int32_t y = by; y < by + 8; ++y)
      for (std::int32_t x = bx; x < bx + 8; ++x)
        if (!picture.OnGradient(x, y)) return false;
    return true;
  };
  EXPECT_LT(MaxBlockMeanDifference(picture.view(), decoded, gradientOnly), 1.0);
  EXPECT_LT(MeanDifference(picture.view(), decoded), 1.5);
  // The middle of the face, between eyes and mouth, is one colour the palette holds.
  for (std::int32_t y = 100; y < 110; ++y)
    for (std::int32_t x = 105; x < 119; ++x)
      EXPECT_EQ(std::vector<int>({decoded.Channel(x, y, 0), decoded.Channel(x, y, 1), decoded.Channel(x, y, 2)}),
                std::vector<int>({0xF0, 0xC8, 0xA0}))
          << x << "," << y;
}

TEST(GifEncoder, DiffusesTheErrorOfAPictureWithFarMoreThan256Colours) {
  TestPicture picture(224, 192, false);
  for (std::int32_t y = 0; y < 192; ++y)
    for (std::int32_t x = 0; x < 224; ++x) picture.Set(x, y, 0xFF000000u | (x + 16) << 16 | (y + 30) << 8 | 128);
  TempDir dir;
  const std::string path = dir / "field.gif";
  ASSERT_TRUE(WriteImage(path, ImageFormat::Gif, picture.view()).ok());
  int images = 0;
  const DecodedPicture decoded = DecodeGif(path, images);
  ASSERT_EQ(decoded.width, 224);
  // Without error diffusion each 8 x 8 block takes the colours of its nearest palette
  // entries and its mean drifts by up to 3.5 levels. The colours at the edge of the
  // picture's range lie beyond the palette's means, so the two outer rings of blocks may
  // drift a little more.
  auto inner = [](std::int32_t bx, std::int32_t by) { return bx >= 16 && by >= 16 && bx < 200 && by < 176; };
  EXPECT_LT(MaxBlockMeanDifference(picture.view(), decoded, inner), 1.0);
  EXPECT_LT(MaxBlockMeanDifference(picture.view(), decoded, [](auto, auto) { return true; }), 4.0);
  EXPECT_LE(MaxDifference(picture.view(), decoded), 24);
}

TEST(GifEncoder, TheColourMapFindsWhatAScanOfThePaletteFinds) {
  // Clustered, repeated and spread-out entries; every colour of a few cells and random ones.
  std::mt19937 random(16);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::uint32_t> palette;
    const std::uint32_t base = random() & 0xF0F0F0u;
    for (int i = 0; i < 256; ++i) {
      const std::uint32_t near = base + (random() & 0x070707u);
      palette.push_back(i % 3 == 0 ? random() & 0xFFFFFFu : i % 3 == 1 ? near : palette[random() % palette.size()]);
    }
    palette.resize(1 + random() % 256);
    NearestColor map(palette);
    auto scan = [&](int r, int g, int b) {
      int best = 0, bestDistance = INT_MAX;
      for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = r - ChannelOf(palette[i], 0), dg = g - ChannelOf(palette[i], 1),
                  db = b - ChannelOf(palette[i], 2);
        if (dr * dr + dg * dg + db * db < bestDistance) {
          bestDistance = dr * dr + dg * dg + db * db;
          best = static_cast<int>(i);
        }
      }
      return best;
    };
    for (int i = 0; i < 20000; ++i) {
      const std::uint32_t c = i < 4096 ? base + ((i & 0xF) | (i >> 4 & 0xF) << 8 | (i >> 8) << 16) : random();
      const int r = ChannelOf(c, 0), g = ChannelOf(c, 1), b = ChannelOf(c, 2);
      ASSERT_EQ(map.Find(r, g, b), scan(r, g, b)) << "round " << round << " colour " << r << "," << g << "," << b;
    }
  }
}

}  // namespace
}  // namespace pelmoro
