// The vector surface and the pictures drawn with it: every figure and whole faces agree
// with the exact picture away from edges, at the picture's own size and shrunk back from
// larger ones; sizes, selections, transparency and repeatable vector files.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <tiffio.h>

#include <string>
#include <vector>

#include "golden_faces.h"
#include "golden_image.h"
#include "model/random.h"
#include "output/image_writer.h"
#include "output/picture_export.h"
#include "output/scaled_picture.h"
#include "render/memory_dc.h"
#include "smooth_compare.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

using testing::DiffersOnlyAlongEdges;
using testing::Shrunk;
using testing::TempDir;

constexpr int kW = FacePicture::kWidth;
constexpr int kH = FacePicture::kHeight;

// Every call of the surface: the four gradient directions (the diagonals over rectangles
// that are not square), even and odd ellipses, a rounded rectangle, arcs that cross the
// axes, a chord, pies (one of them whole), an even-odd star and a polyline.
void PaintFigures(Surface& s) {
  s.GradientFill(0, 0, 112, 40, 0x000000FF, 0x00FF0000, GradientHorizontal);
  s.GradientFill(112, 0, 112, 40, 0x0000FF00, 0x00FF00FF, GradientVertical);
  s.GradientFill(0, 40, 112, 60, 0x00200000, 0x0000FFFF, GradientForwardDiagonal);
  s.GradientFill(112, 40, 112, 60, 0x00FFFF00, 0x00000080, GradientBackwardDiagonal);
  s.FillSolidRect(0, 100, kW, kH - 100, 0x00E0E0E0);
  CSolidPen pen(s, 0x00101080);
  CSolidBrush brush(s, 0x0060C0F0);
  s.Ellipse({4, 104, 40, 130});
  s.Ellipse({75, 135, 44, 104});  // inverted, odd
  s.RoundRect({80, 104, 120, 140}, 16, 12);
  s.Arc({124, 104, 160, 140}, {160, 110}, {124, 140});
  s.Arc({164, 104, 220, 140}, {164, 104}, {220, 104});
  s.Chord({4, 145, 44, 185}, {44, 145}, {4, 150});
  s.Pie({50, 145, 80, 175}, {80, 145}, {50, 160});
  s.Pie({84, 145, 110, 175}, {110, 160}, {120, 160});
  const Point star[] = {{135, 146}, {147, 188}, {115, 160}, {155, 160}, {123, 188}};
  s.Polygon(star, 5);
  s.MoveTo(160, 150);
  s.LineTo(220, 160);
  s.LineTo(170, 188);
  s.LineTo(160, 150);
  s.MoveTo(200, 150);
  s.LineTo(200, 185);
}

CMemoryDC ExactOf(const std::function<void(Surface&)>& paint) {
  CMemoryDC dc(kW, kH, 0x00FFFFFF);
  paint(dc);
  return dc;
}

ImageView ViewOf(const CMemoryDC& dc) { return {dc.Width(), dc.Height(), dc.Bits(), dc.Width()}; }

// Draws smooth at `factor` times the size and shrinks back to the exact size.
std::vector<std::uint32_t> SmoothShrunk(const std::function<void(Surface&)>& paint, int factor) {
  PictureScene scene{paint, {0, 0, kW, kH}, false};
  SmoothPicture smooth;
  EXPECT_TRUE(DrawSmooth(scene, kW * factor, kH * factor, smooth).ok());
  return Shrunk(smooth.View(), factor);
}

::testing::AssertionResult AgreesAwayFromEdges(const std::function<void(Surface&)>& paint, double maxShare) {
  const CMemoryDC exact = ExactOf(paint);
  for (int factor : {1, 4}) {
    const std::vector<std::uint32_t> smooth = SmoothShrunk(paint, factor);
    auto result = DiffersOnlyAlongEdges(ViewOf(exact), {kW, kH, smooth.data(), kW}, maxShare);
    if (!result) return result << " (drawn at " << factor << " times the size)";
  }
  return ::testing::AssertionSuccess();
}

FacePicture PictureOf(const CFace& face) {
  FacePicture picture;
  picture.m_face = face;
  picture.m_fill.ApplyStartupFill();
  return picture;
}

FacePicture RandomPicture(std::uint32_t seed) {
  FacePicture picture;
  CRandom random(seed);
  picture.m_face.Randomize(random);
  picture.m_fill.ApplyStartupFill();
  return picture;
}

TEST(VectorSurface, EveryFigureAgreesWithTheRasterSurfaceAwayFromEdges) {
  EXPECT_TRUE(AgreesAwayFromEdges(PaintFigures, 0.06));
}

TEST(VectorSurface, WholeFacesAgreeWithTheExactPictureAwayFromEdges) {
  CFace busiest = UniformFace(5);
  busiest.faceType = FaceOval;
  busiest.hairType = 2;
  busiest.glasses = GlassesBlackRimmed;
  busiest.mustache = MustacheAndBeard;
  CFace square = SliderFace(9, FaceSquare, Sunglasses, BeardOnly);
  square.hairType = 9;
  for (FacePicture picture :
       {PictureOf(busiest), PictureOf(square), PictureOf(SliderFace(0)), RandomPicture(7), RandomPicture(42)}) {
    EXPECT_TRUE(AgreesAwayFromEdges([&](Surface& s) { picture.Paint(s); }, 0.04)) << picture.m_face.faceSize;
  }
}

}  // namespace
}  // namespace pelmoro

namespace pelmoro {
namespace {

using testing::TempDir;

// Encodes the picture as the options ask into a file in `dir` and reads it back as PNG.
RgbPicture ExportedPng(const TempDir& dir, const FacePicture& picture, const ExportOptions& options) {
  std::vector<std::uint8_t> bytes;
  const Status encoded = EncodePicture(picture, options, bytes);
  EXPECT_TRUE(encoded.ok()) << encoded.message();
  testing::WriteBytes(dir / "picture.png", bytes);
  RgbPicture read;
  std::string error;
  EXPECT_TRUE(ReadPng(dir / "picture.png", read, error)) << error;
  return read;
}

ExportOptions Options(ImageFormat format, std::optional<double> scale = std::nullopt, bool transparent = false,
                      std::optional<Rect> selection = std::nullopt) {
  ExportOptions options;
  options.format = format;
  options.scale = scale;
  options.transparent = transparent;
  options.selection = selection;
  return options;
}

std::string Encoded(const FacePicture& picture, const ExportOptions& options) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(EncodePicture(picture, options, bytes).ok());
  return {bytes.begin(), bytes.end()};
}

std::uint32_t At(const RgbPicture& p, int x, int y) { return p.pixels[static_cast<std::size_t>(y) * p.width + x]; }

TEST(PictureExport, SizesFollowTheScaleAndTheSelection) {
  TempDir dir;
  const FacePicture face = RandomPicture(7);
  auto png = [&](std::optional<double> scale, std::optional<Rect> selection) {
    return ExportedPng(dir, face, Options(ImageFormat::Png, scale, false, selection));
  };
  const RgbPicture big = png(8, std::nullopt);
  EXPECT_EQ(big.width, 1792);
  EXPECT_EQ(big.height, 1536);
  const RgbPicture small = png(0.25, std::nullopt);
  EXPECT_EQ(small.width, 56);
  EXPECT_EQ(small.height, 48);
  const RgbPicture part = png(2, Rect{20, 30, 120, 150});
  EXPECT_EQ(part.width, 196);
  EXPECT_EQ(part.height, 236);

  // Without a scale the exact picture, byte for byte.
  FacePicture painted = face;
  CMemoryDC dc(kW, kH, painted.m_fill.m_crBackground);
  painted.Paint(dc);
  std::vector<std::uint8_t> exact;
  ASSERT_TRUE(EncodeImage(ImageFormat::Png, ViewOf(dc), exact).ok());
  EXPECT_EQ(Encoded(face, Options(ImageFormat::Png)), std::string(exact.begin(), exact.end()));

  const std::string svg = Encoded(face, Options(ImageFormat::Svg, 2));
  EXPECT_NE(svg.find("width=\"448\" height=\"384\" viewBox=\"0 0 448 384\" version=\"1.1\""), std::string::npos);
  EXPECT_EQ(svg, Encoded(face, Options(ImageFormat::Svg, 2))) << "the same face gives the same bytes";
  const std::string pdf = Encoded(face, Options(ImageFormat::Pdf, std::nullopt, false, Rect{20, 30, 120, 150}));
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 98 118 ]"), std::string::npos);
  EXPECT_EQ(pdf, Encoded(face, Options(ImageFormat::Pdf, std::nullopt, false, Rect{20, 30, 120, 150})));
}

TEST(PictureExport, TransparentBackgroundsKeepTheFaceAndClearTheRest) {
  TempDir dir;
  const FacePicture face = RandomPicture(42);
  const RgbPicture opaque = ExportedPng(dir, face, Options(ImageFormat::Png));
  const RgbPicture exact = ExportedPng(dir, face, Options(ImageFormat::Png, std::nullopt, true));
  int faceCount = 0;
  for (std::size_t i = 0; i < exact.pixels.size(); ++i) {
    const std::uint32_t alpha = exact.pixels[i] >> 24;
    ASSERT_TRUE(alpha == 0 || alpha == 255) << i;
    if (alpha == 255) {
      EXPECT_EQ(exact.pixels[i], opaque.pixels[i]) << i;
    }
    faceCount += alpha == 255;
  }
  EXPECT_EQ(At(exact, 0, kH - 1) >> 24, 0u);
  EXPECT_GT(faceCount, kW * kH / 3);
  EXPECT_LT(faceCount, kW * kH);

  const RgbPicture smooth = ExportedPng(dir, face, Options(ImageFormat::Png, 2, true));
  EXPECT_EQ(At(smooth, 0, 2 * kH - 1) >> 24, 0u);
  EXPECT_EQ(At(smooth, kW, kH), 0xFF000000u | At(opaque, kW / 2, kH / 2)) << "the face's middle is opaque";

  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodePicture(face, Options(ImageFormat::Gif, 2, true), bytes).ok());
  testing::WriteBytes(dir / "t.gif", bytes);
  int error = 0;
  GifFileType* gif = DGifOpenFileName((dir / "t.gif").c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  GraphicsControlBlock control{};
  ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
  const GifByteType* indices = gif->SavedImages[0].RasterBits;
  EXPECT_GE(control.TransparentColor, 0);
  EXPECT_EQ(indices[2 * kW * (2 * kH - 1)], control.TransparentColor) << "bottom-left corner";
  EXPECT_NE(indices[2 * kW * kH + kW], control.TransparentColor) << "middle";
  DGifCloseFile(gif, &error);

  ASSERT_TRUE(EncodePicture(face, Options(ImageFormat::Tiff, std::nullopt, true), bytes).ok());
  testing::WriteBytes(dir / "t.tiff", bytes);
  TIFF* tiff = TIFFOpen((dir / "t.tiff").c_str(), "r");
  ASSERT_NE(tiff, nullptr);
  std::vector<std::uint32_t> rgba(kW * kH);
  ASSERT_TRUE(TIFFReadRGBAImageOriented(tiff, kW, kH, rgba.data(), ORIENTATION_TOPLEFT, 0));
  TIFFClose(tiff);
  EXPECT_EQ(TIFFGetA(rgba[(kH - 1) * kW]), 0u);
  EXPECT_EQ(TIFFGetA(rgba[kH / 2 * kW + kW / 2]), 255u);
}

TEST(PictureExport, RefusesWhatTheFormatOrScaleCannotDo) {
  const FacePicture face = RandomPicture(1);
  std::vector<std::uint8_t> bytes;
  const Status jpeg = EncodePicture(face, Options(ImageFormat::Jpeg, std::nullopt, true), bytes);
  EXPECT_EQ(jpeg.message(), "JPEG files cannot have a transparent background; PNG, GIF, TIFF, WebP, SVG and PDF can");
  EXPECT_FALSE(EncodePicture(face, Options(ImageFormat::Bmp, 2, true), bytes).ok());
  EXPECT_TRUE(bytes.empty());
  for (double scale : {0.2, 16.5}) {
    EXPECT_EQ(EncodePicture(face, Options(ImageFormat::Png, scale), bytes).message(),
              "the scale must be a number from 0.25 to 16");
  }
  EXPECT_EQ(EncodePicture(face, Options(ImageFormat::Svg, 1, false, Rect{300, 0, 400, 100}), bytes).message(),
            "the selection holds no pixel of the picture");
}

}  // namespace
}  // namespace pelmoro
