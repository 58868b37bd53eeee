// The animation files read back by giflib and libwebp's own decoders: frame count, loop,
// times and every frame's pixels against the pipeline's picture of the poses that the
// generator's definition predicts.
#include "output/animation_export.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <array>
#include <cstring>
#include <vector>

#include "output/face_request.h"
#include "render/memory_dc.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kW = FacePicture::kWidth;
constexpr std::int32_t kH = FacePicture::kHeight;

// The generator as defined: state * 214013 + 2531011 modulo 2^32, outputs bits 16 to 30.
struct Lcg {
  std::uint32_t state;
  int Next() { return static_cast<int>(((state = state * 214013u + 2531011u) >> 16) & 0x7FFF); }
};

struct Expected {
  std::array<int, 3> poses;
  int start;
  int end;
};

// The window's frames: rest poses for the first interval (50 + r % 500), then a step and an
// interval per frame; the last cut at the length and, under 20 ms, given to the one before.
std::vector<Expected> Predict(Lcg random, int lengthMs) {
  std::vector<Expected> frames;
  std::array<int, 3> poses{0, 1, 1};
  for (int start = 0;;) {
    const int interval = 50 + random.Next() % 500;
    frames.push_back({poses, start, std::min(start + interval, lengthMs)});
    if ((start += interval) >= lengthMs) break;
    const double x = random.Next() / 32767.0;
    int& pose = poses[x < 0.4 ? 0 : x < 0.8 ? 1 : 2];
    int next = 0;
    while ((next = random.Next() % 3) == pose) {
    }
    pose = next;
  }
  if (frames.back().end - frames.back().start < 20) {
    frames.pop_back();
    frames.back().end = lengthMs;
  }
  return frames;
}

// The pipeline's picture of the face in the poses, 0xAARRGGBB.
std::vector<std::uint32_t> Picture(FacePicture face, const std::array<int, 3>& poses, bool transparent) {
  face.m_nEyePose = poses[0];
  face.m_nMouthPose = poses[1];
  face.m_nBrowPose = poses[2];
  CMemoryDC dc(kW, kH, transparent ? CMemoryDC::kNoClear : face.m_fill.m_crBackground);
  if (transparent) dc.ClearTransparent();
  transparent ? face.PaintFace(dc) : face.Paint(dc);
  return {dc.Bits(), dc.Bits() + kW * kH};
}

struct Decoded {
  std::vector<std::vector<std::uint32_t>> frames;  // whole canvases, 0xAARRGGBB
  std::vector<int> ends;                           // ms (WebP) or hundredths (GIF)
  int loops = -1;
};

Decoded DecodeWebp(const std::vector<std::uint8_t>& bytes) {
  Decoded decoded;
  const WebPData data{bytes.data(), bytes.size()};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_BGRA;
  WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
  if (decoder == nullptr) return decoded;
  WebPAnimInfo info;
  WebPAnimDecoderGetInfo(decoder, &info);
  decoded.loops = static_cast<int>(info.loop_count);
  std::uint8_t* canvas = nullptr;
  int end = 0;
  while (WebPAnimDecoderGetNext(decoder, &canvas, &end)) {
    decoded.frames.emplace_back(kW * kH);
    std::memcpy(decoded.frames.back().data(), canvas, kW * kH * 4);
    decoded.ends.push_back(end);
  }
  WebPAnimDecoderDelete(decoder);
  return decoded;
}

// Lays each frame over the canvas as a player does: transparent indices keep what is
// there, and a frame disposed of to the background is cleared after it shows.
Decoded DecodeGif(const std::vector<std::uint8_t>& bytes) {
  testing::TempDir dir;
  testing::WriteBytes(dir / "a.gif", bytes);
  Decoded decoded;
  int error = 0;
  GifFileType* gif = DGifOpenFileName((dir / "a.gif").c_str(), &error);
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return decoded;
  std::vector<std::uint32_t> canvas(kW * kH, 0);
  int end = 0;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == CONTINUE_EXT_FUNC_CODE && block.ByteCount == 3) decoded.loops = block.Bytes[1];
    }
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(gif, i, &control);
    const GifImageDesc& at = image.ImageDesc;
    for (int y = 0; y < at.Height; ++y)
      for (int x = 0; x < at.Width; ++x) {
        const int index = image.RasterBits[y * at.Width + x];
        const GifColorType c = gif->SColorMap->Colors[index];
        if (index != control.TransparentColor)
          canvas[(at.Top + y) * kW + at.Left + x] = 0xFF000000u | c.Red << 16 | c.Green << 8 | c.Blue;
      }
    decoded.frames.push_back(canvas);
    decoded.ends.push_back(end += control.DelayTime);
    if (control.DisposalMode == DISPOSE_BACKGROUND)
      for (int y = 0; y < at.Height; ++y) std::fill_n(&canvas[(at.Top + y) * kW + at.Left], at.Width, 0);
  }
  DGifCloseFile(gif, &error);
  return decoded;
}

// Checks every frame and its end time; GIF frames have no partial alpha and hundredths.
void ExpectFrames(const Decoded& file, const FacePicture& face, const std::vector<Expected>& expected, bool transparent,
                  bool gif) {
  EXPECT_EQ(file.loops, 0) << "loops forever";
  ASSERT_EQ(file.frames.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(file.ends[i], gif ? (expected[i].end + 5) / 10 : expected[i].end) << "frame " << i;
    std::vector<std::uint32_t> picture = Picture(face, expected[i].poses, transparent);
    if (gif)
      for (std::uint32_t& pixel : picture) pixel = pixel >> 24 >= 128 ? pixel | 0xFF000000u : 0;
    EXPECT_TRUE(file.frames[i] == picture) << "frame " << i;
  }
}

FaceRequest Request(ImageFormat format, bool transparent, int seconds) {
  FaceRequest request;
  request.seed = 2;
  request.settings.emplace_back();  // no glasses, so that every eye pose shows
  EXPECT_EQ(ParseParameterSetting("glasses", "0", request.settings.back()), "");
  request.exportOptions.format = format;
  request.exportOptions.transparent = transparent;
  request.animationSeconds = seconds;
  return request;
}

TEST(AnimationFile, FramesAndTimesAreTheGeneratorsAfterTheRandomFace) {
  Lcg afterFace{2};
  for (int i = 0; i < 28; ++i) afterFace.Next();
  for (const bool transparent : {false, true}) {
    for (const ImageFormat format : {ImageFormat::Webp, ImageFormat::Gif}) {
      SCOPED_TRACE(std::string(DefaultExtension(format)) + (transparent ? " transparent" : ""));
      const FaceRequest request = Request(format, transparent, 10);
      std::vector<std::uint8_t> bytes;
      ASSERT_TRUE(RenderFaceRequest(request, bytes).ok());
      FacePicture face = FacePictureFor(request);
      // Over nothing, the face holds few enough colours for the GIF to keep them exactly.
      const bool gif = format == ImageFormat::Gif;
      if (gif && !transparent) continue;
      ExpectFrames(gif ? DecodeGif(bytes) : DecodeWebp(bytes), face, Predict(afterFace, 10000), transparent, gif);
    }
  }
}

TEST(AnimationFile, GifOfAGradientStaysCloseWithOnePaletteForAllFrames) {
  const FacePicture face = FacePictureFor(Request(ImageFormat::Gif, false, 0));
  ExportOptions options;
  options.format = ImageFormat::Gif;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeAnimation(face, CRandom(99), options, 7, bytes).ok());
  const Decoded file = DecodeGif(bytes);
  const std::vector<Expected> expected = Predict(Lcg{99}, 7000);
  ASSERT_EQ(file.frames.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::vector<std::uint32_t> picture = Picture(face, expected[i].poses, false);
    int far = 0;  // dithering moves a channel by a few steps, never far
    for (std::size_t p = 0; p < picture.size(); ++p)
      for (int shift : {0, 8, 16})
        far += std::abs(static_cast<int>((picture[p] >> shift & 0xFF) - (file.frames[i][p] >> shift & 0xFF))) > 24;
    EXPECT_EQ(far, 0) << "frame " << i;
  }
  EXPECT_LT(bytes.size(), 100'000u);
}

TEST(AnimationFile, RefusesWhatItCannotWriteAndStopsWhenAsked) {
  const FacePicture face;
  ExportOptions options;
  std::vector<std::uint8_t> bytes;
  options.format = ImageFormat::Png;
  EXPECT_EQ(EncodeAnimation(face, CRandom(1), options, 10, bytes).message(),
            "an animation is written as a GIF or WebP file");
  options.format = ImageFormat::Webp;
  for (int seconds : {0, 601})
    EXPECT_EQ(EncodeAnimation(face, CRandom(1), options, seconds, bytes).message(),
              "an animation lasts from 1 to 600 seconds");
  options.selection = Rect{300, 0, 400, 100};
  EXPECT_FALSE(EncodeAnimation(face, CRandom(1), options, 1, bytes).ok());
  options.selection.reset();
  std::size_t calls = 0;
  const Status stopped = EncodeAnimation(face, CRandom(1), options, 60, bytes,
                                         [&](std::size_t done, std::size_t) { return ++calls < 3 && done < 3; });
  EXPECT_FALSE(stopped.ok());
  EXPECT_EQ(calls, 3u);
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace pelmoro
