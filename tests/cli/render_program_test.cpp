// Runs the built pelmoro-render as a user would and checks its files, exit statuses and
// messages.
#include <gtest/gtest.h>

#include "model/document.h"
#include "model/random.h"
#include "output/image_writer.h"
#include "program_run.h"
#include "render/face_picture.h"
#include "render/memory_dc.h"

namespace pelmoro {
namespace {

using testing::ExpectOneMessage;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::RunRenderProgram;
using testing::TempDir;
using testing::WriteBytes;

struct Face {
  CFace face;
  FillSettings fill;
};

Face RandomFace(std::uint32_t seed) {
  Face f;
  CRandom random(seed);
  f.face.Randomize(random);
  f.fill.ApplyStartupFill();
  return f;
}

// The bytes the program should write for the face, rendered here in the test.
std::vector<std::uint8_t> Expected(const Face& f, ImageFormat format, int eye = 0, int mouth = 1, int brow = 1,
                                   const Rect* selection = nullptr) {
  FacePicture picture;
  picture.m_face = f.face;
  picture.m_fill = f.fill;
  picture.m_nEyePose = eye;
  picture.m_nMouthPose = mouth;
  picture.m_nBrowPose = brow;
  CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight, picture.m_fill.m_crBackground);
  picture.Paint(dc);
  ImageView view{dc.Width(), dc.Height(), dc.Bits(), dc.Width()};
  if (selection != nullptr) view = *SelectionArea(view, *selection);
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(EncodeImage(format, view, bytes).ok());
  return bytes;
}

std::vector<std::uint8_t> DocumentBytes(const Face& f) {
  const auto bytes = EncodeDocument(f.face, f.fill);
  return {bytes.begin(), bytes.end()};
}

TEST(RenderProgram, DrawsTheFaceAndFillOfADocument) {
  TempDir dir;
  Face f = RandomFace(1234);
  f.fill.m_nFillType = FillSolid;
  f.fill.m_crBackground = 0x0000C000;
  WriteBytes(dir / "face.plm", DocumentBytes(f));
  const ProgramRun run = RunRenderProgram(dir, {dir / "face.plm", "-o", dir / "face.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadBytes(dir / "face.png"), Expected(f, ImageFormat::Png));
}

TEST(RenderProgram, AppliesSettingsPosesAndSelection) {
  TempDir dir;
  Face f = RandomFace(77);
  WriteBytes(dir / "face.plm", DocumentBytes(f));
  const ProgramRun run = RunRenderProgram(dir, {dir / "face.plm", "-o", dir / "part.bmp", "--set", "glasses=2", "--set",
                                                "faceSize=3", "--pose", "2,0,2", "--selection", "20,30,120,150"});
  EXPECT_EQ(run.status, 0) << run.err;
  f.face.glasses = 2;
  f.face.faceSize = 3;
  const Rect frame{20, 30, 120, 150};
  const auto expected = Expected(f, ImageFormat::Bmp, 2, 0, 2, &frame);
  EXPECT_EQ(ReadBytes(dir / "part.bmp"), expected);
  ASSERT_GE(expected.size(), 26u);
  EXPECT_EQ(expected[18], 98) << "2 pixels narrower than the frame";
}

TEST(RenderProgram, SameSeedSameBytesAndTheSavedDocumentHoldsThatFace) {
  TempDir dir;
  const ProgramRun first = RunRenderProgram(dir, {"--seed", "42", "-o", dir / "a.gif", "--save", dir / "a.plm"});
  const ProgramRun second = RunRenderProgram(dir, {"--seed", "42", "-o", dir / "b.gif"});
  const ProgramRun other = RunRenderProgram(dir, {"--seed", "43", "-o", dir / "c.gif"});
  ASSERT_EQ(first.status, 0) << first.err;
  ASSERT_EQ(second.status, 0) << second.err;
  ASSERT_EQ(other.status, 0) << other.err;
  EXPECT_EQ(ReadBytes(dir / "a.gif"), ReadBytes(dir / "b.gif"));
  EXPECT_NE(ReadBytes(dir / "a.gif"), ReadBytes(dir / "c.gif"));
  EXPECT_EQ(ReadBytes(dir / "a.gif"), Expected(RandomFace(42), ImageFormat::Gif));

  const auto saved = ReadBytes(dir / "a.plm");
  ASSERT_EQ(saved.size(), 136u);
  EXPECT_EQ(std::vector<std::uint8_t>(saved.begin(), saved.begin() + 4), (std::vector<std::uint8_t>{0xE8, 0x03, 0, 0}));
  EXPECT_EQ(saved, DocumentBytes(RandomFace(42)));
}

TEST(RenderProgram, ReportsDocumentsThatCannotBeReadWithStatusTwo) {
  TempDir dir;
  const ProgramRun missing = RunRenderProgram(dir, {dir / "none.plm", "-o", dir / "x.png"});
  EXPECT_EQ(missing.status, 2);
  ExpectOneMessage(missing, "none.plm\": No such file or directory");

  std::filesystem::create_directory(dir / "folder.plm");
  const ProgramRun folder = RunRenderProgram(dir, {dir / "folder.plm", "-o", dir / "x.png"});
  EXPECT_EQ(folder.status, 2);
  ExpectOneMessage(folder, "folder.plm\": Is a directory");
  EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

TEST(RenderProgram, ReportsDocumentsThatFailToLoadWithStatusTwo) {
  TempDir dir;
  auto bytes = DocumentBytes(RandomFace(5));
  WriteBytes(dir / "short.plm", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 104));
  const ProgramRun truncated = RunRenderProgram(dir, {dir / "short.plm", "-o", dir / "x.png"});
  EXPECT_EQ(truncated.status, 2);
  ExpectOneMessage(truncated, "short.plm\": the file ends after 104 of 136 bytes");

  bytes[4] = 12;  // faceSize
  WriteBytes(dir / "bad.plm", bytes);
  const ProgramRun outOfRange = RunRenderProgram(dir, {dir / "bad.plm", "-o", dir / "x.png"});
  EXPECT_EQ(outOfRange.status, 2);
  ExpectOneMessage(outOfRange, "bad.plm\": faceSize is 12, outside 0 to 11");
  EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

TEST(RenderProgram, ReportsFilesThatCannotBeWrittenWithStatusThree) {
  TempDir dir;
  const ProgramRun picture = RunRenderProgram(dir, {"--seed", "1", "-o", dir / "missing/x.png"});
  EXPECT_EQ(picture.status, 3);
  ExpectOneMessage(picture, "missing/x.png\": No such file or directory");

  const ProgramRun document =
      RunRenderProgram(dir, {"--seed", "1", "-o", dir / "x.png", "--save", dir / "missing/x.plm"});
  EXPECT_EQ(document.status, 3);
  ExpectOneMessage(document, "missing/x.plm\": No such file or directory");
}

TEST(RenderProgram, KeepsEveryMessageOnOneLine) {
  TempDir dir;
  const ProgramRun run = RunRenderProgram(dir, {dir / "two\nlines.plm", "-o", dir / "x.png"});
  EXPECT_EQ(run.status, 2);
  ExpectOneMessage(run, "two\\nlines.plm");
}

TEST(RenderProgram, RejectsBadOptionsWithStatusOne) {
  TempDir dir;
  const ProgramRun unknown = RunRenderProgram(dir, {"--bogus", "-o", dir / "x.png"});
  EXPECT_EQ(unknown.status, 1);
  ExpectOneMessage(unknown, "unknown option \"--bogus\"");
  const ProgramRun noOutput = RunRenderProgram(dir, {"--seed", "3"});
  EXPECT_EQ(noOutput.status, 1);
  ExpectOneMessage(noOutput, "-o PICTURE");
  const ProgramRun outside = RunRenderProgram(dir, {"-o", dir / "x.png", "--selection", "300,300,400,400"});
  EXPECT_EQ(outside.status, 1);
  ExpectOneMessage(outside, "selection");
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(RenderProgram, PrintsHelpAndVersion) {
  TempDir dir;
  const ProgramRun help = RunRenderProgram(dir, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: pelmoro-render", 0), 0u) << help.out;
  const ProgramRun version = RunRenderProgram(dir, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "pelmoro-render 1.0\n");
  EXPECT_EQ(version.err, "");
}

}  // namespace
}  // namespace pelmoro
