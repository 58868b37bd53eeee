// pelmoro-render's smooth, vector and transparent pictures, opened by other programs
// (librsvg's rsvg-convert, poppler's pdftoppm, libpng) and compared with the exact picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "model/random.h"
#include "render/face_picture.h"
#include "render/memory_dc.h"
#include "tests/cli/program_run.h"
#include "tests/core/golden_image.h"
#include "tests/core/smooth_compare.h"

namespace pelmoro {
namespace {

using testing::DiffersOnlyAlongEdges;
using testing::ExpectOneMessage;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::RunRenderProgram;
using testing::TempDir;

constexpr int kW = FacePicture::kWidth;
constexpr int kH = FacePicture::kHeight;

// The exact picture of the random face of a seed, as pelmoro-render draws it.
RgbPicture ExactPicture(std::uint32_t seed) {
  FacePicture picture;
  CRandom random(seed);
  picture.m_face.Randomize(random);
  picture.m_fill.ApplyStartupFill();
  CMemoryDC dc(kW, kH, picture.m_fill.m_crBackground);
  picture.Paint(dc);
  return {kW, kH, std::vector<std::uint32_t>(dc.Bits(), dc.Bits() + kW * kH)};
}

ImageView ViewOf(const RgbPicture& p) { return {p.width, p.height, p.pixels.data(), p.width, true}; }

RgbPicture ReadPicture(const std::string& path) {
  RgbPicture picture;
  std::string error;
  EXPECT_TRUE(ReadPng(path, picture, error)) << path << ": " << error;
  return picture;
}

// Runs a command line; true when it exits with 0.
bool RunCommand(const std::string& command) { return std::system((command + " 2>&1").c_str()) == 0; }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Writes the face twice; both files must hold the same bytes.
void RenderTwice(const TempDir& dir, const std::vector<std::string>& arguments, const std::string& name) {
  for (const std::string& file : {name, "again-" + name}) {
    std::vector<std::string> all = arguments;
    all.insert(all.end(), {"-o", dir / file});
    const ProgramRun run = RunRenderProgram(dir, all);
    ASSERT_EQ(run.status, 0) << run.err;
  }
  EXPECT_EQ(ReadBytes(dir / name), ReadBytes(dir / ("again-" + name))) << name << " differs from run to run";
}

TEST(ScaledPictures, SvgPdfAndLargePngLookLikeTheExactPicture) {
  for (const char* seed : {"7", "42"}) {
    TempDir dir;
    const RgbPicture exact = ExactPicture(static_cast<std::uint32_t>(std::atoi(seed)));
    RenderTwice(dir, {"--seed", seed}, "face.svg");
    RenderTwice(dir, {"--seed", seed}, "face.pdf");
    ASSERT_TRUE(RunCommand("rsvg-convert " + Quoted(dir / "face.svg") + " -o " + Quoted(dir / "svg.png")));
    ASSERT_TRUE(RunCommand("pdftoppm -r 72 -png -singlefile " + Quoted(dir / "face.pdf") + " " + Quoted(dir / "pdf")));
    EXPECT_TRUE(DiffersOnlyAlongEdges(ViewOf(exact), ViewOf(ReadPicture(dir / "svg.png")), 0.05)) << seed;
    EXPECT_TRUE(DiffersOnlyAlongEdges(ViewOf(exact), ViewOf(ReadPicture(dir / "pdf.png")), 0.05)) << seed;

    RenderTwice(dir, {"--seed", seed, "--scale", "8"}, "big.png");
    const RgbPicture big = ReadPicture(dir / "big.png");
    ASSERT_EQ(big.width, 1792);
    ASSERT_EQ(big.height, 1536);
    const std::vector<std::uint32_t> shrunk = testing::Shrunk(ViewOf(big), 8);
    EXPECT_TRUE(DiffersOnlyAlongEdges(ViewOf(exact), {kW, kH, shrunk.data(), kW, true}, 0.05)) << seed;
  }
}

TEST(ScaledPictures, TransparentPicturesShowNothingBehindTheFace) {
  TempDir dir;
  const RgbPicture exact = ExactPicture(7);
  for (const char* scale : {"1", "2.5"}) {
    const ProgramRun png =
        RunRenderProgram(dir, {"--seed", "7", "--transparent", "--scale", scale, "-o", dir / "t.png"});
    ASSERT_EQ(png.status, 0) << png.err;
    const RgbPicture picture = ReadPicture(dir / "t.png");
    EXPECT_EQ(picture.pixels.front() >> 24, 0u) << "the top-left corner is background";
    EXPECT_EQ(picture.pixels.back() >> 24, 0u) << "so is the bottom-right one";
    const std::size_t middle = static_cast<std::size_t>(picture.height / 2) * picture.width + picture.width / 2;
    EXPECT_EQ(picture.pixels[middle], exact.pixels[kH / 2 * kW + kW / 2]) << "the face's middle is opaque";
  }
  const ProgramRun svg = RunRenderProgram(dir, {"--seed", "7", "--transparent", "-o", dir / "t.svg"});
  ASSERT_EQ(svg.status, 0) << svg.err;
  ASSERT_TRUE(RunCommand("rsvg-convert " + Quoted(dir / "t.svg") + " -o " + Quoted(dir / "svg.png")));
  const RgbPicture picture = ReadPicture(dir / "svg.png");
  EXPECT_EQ(picture.pixels.front() >> 24, 0u);
  EXPECT_EQ(picture.pixels[kH / 2 * kW + kW / 2], exact.pixels[kH / 2 * kW + kW / 2]);
}

TEST(ScaledPictures, UsageErrorsWriteNothing) {
  TempDir dir;
  const ProgramRun jpeg = RunRenderProgram(dir, {"--transparent", "-o", dir / "face.jpg"});
  EXPECT_EQ(jpeg.status, 1);
  ExpectOneMessage(jpeg, "JPEG files cannot have a transparent background");
  const ProgramRun scale = RunRenderProgram(dir, {"--scale", "20", "-o", dir / "face.png"});
  EXPECT_EQ(scale.status, 1);
  ExpectOneMessage(scale, "--scale \"20\" is not a number from 0.25 to 16");
  EXPECT_TRUE(dir.Entries().empty());

  const ProgramRun help = RunRenderProgram(dir, {"--help"});
  for (const char* text : {"--scale K", "--transparent", ".svg and .pdf"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text << " missing from\n" << help.out;
  }
}

}  // namespace
}  // namespace pelmoro
