#include "model/document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "model/random.h"
#include "model/safe_file.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

CFace RandomFace(std::uint32_t seed) {
  CRandom random(seed);
  CFace face;
  face.Randomize(random);
  return face;
}

FillSettings StartupFill() {
  FillSettings fill;
  fill.ApplyStartupFill();
  return fill;
}

void SetWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(DocumentFormat, WritesThirtyFourLittleEndianWordsInDocumentOrder) {
  CFace face = RandomFace(7);
  face.formatVersion = 4242;  // the written format word is always 1000
  face.faceSize = 3;
  face.hairType = 9;
  const auto bytes = EncodeDocument(face, StartupFill());
  ASSERT_EQ(bytes.size(), 136u);
  const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + 8);
  EXPECT_EQ(head, (std::vector<std::uint8_t>{0xE8, 0x03, 0, 0, 3, 0, 0, 0}));
  EXPECT_EQ(bytes[100], 9) << "hairType is the last face word";
  const std::vector<std::uint8_t> fill(bytes.begin() + 104, bytes.end());
  EXPECT_EQ(fill,
            (std::vector<std::uint8_t>{1, 0, 0, 0, 0x15, 0x01, 0x74, 0, 0x15, 0x01, 0x74, 0, 0xFF, 0xFF, 0xFF, 0,
                                       0, 0, 0, 0, 0,    0,    0,    0, 1,    0,    0,    0, 0,    0,    0,    0}));
}

TEST(DocumentFormat, RoundTripsFaceAndFill) {
  const CFace face = RandomFace(99);
  FillSettings fill;
  fill.m_nFillType = 7;  // any non-zero fill type is stored as 1
  fill.m_crBackground = 0x00123456;
  fill.m_bBackwardDiagonal = -5;
  const auto bytes = EncodeDocument(face, fill);

  CFace loaded;
  FillSettings loadedFill;
  const LoadReport report = DecodeDocument(bytes.data(), bytes.size(), loaded, loadedFill);
  EXPECT_FALSE(report.LoadError());
  EXPECT_EQ(loaded, face);
  EXPECT_EQ(loadedFill.m_nFillType, 1);
  EXPECT_EQ(loadedFill.m_crBackground, 0x00123456u);
  EXPECT_EQ(loadedFill.m_bBackwardDiagonal, -5);
}

TEST(DocumentFormat, RangeChecksKeepTheValueAndFailTheLoad) {
  const auto encoded = EncodeDocument(RandomFace(3), StartupFill());
  // The format word is stored, never checked.
  std::vector<std::uint8_t> bytes(encoded.begin(), encoded.end());
  SetWord(bytes, 0, 12345);
  struct Case {
    std::size_t offset;
    std::uint32_t value;
    bool fails;
  } cases[] = {
      {4, 11, false}, {4, 12, true}, {4, 0xFFFFFFFF, true}, {84, 1, false}, {84, 2, true},
      {88, 4, false}, {88, 5, true}, {92, 4, false},        {92, 5, true},  {100, 11, false},
  };
  for (const Case& c : cases) {
    auto data = bytes;
    SetWord(data, c.offset, c.value);
    CFace face;
    FillSettings fill;
    const LoadReport report = DecodeDocument(data.data(), data.size(), face, fill);
    EXPECT_EQ(face.loadFailed, c.fails) << "offset " << c.offset << " value " << c.value;
    EXPECT_EQ(report.LoadError(), c.fails);
    EXPECT_EQ(face.formatVersion, 12345);
    EXPECT_EQ(static_cast<std::uint32_t>(face.DocumentParameter(static_cast<int>(c.offset / 4 - 1))), c.value)
        << "the value out of range stays in the record";
    EXPECT_EQ(fill, StartupFill()) << "the fill part is still read after a bad face value";
  }
  auto data = bytes;
  SetWord(data, 88, 5);
  SetWord(data, 96, 0xFFFFFFFF);
  CFace face;
  FillSettings fill;
  EXPECT_EQ(DecodeDocument(data.data(), data.size(), face, fill).Describe(), "glasses is 5, outside 0 to 4");
}

TEST(DocumentFormat, ShortDocumentsKeepTheFieldsNotReached) {
  const CFace before = RandomFace(11);
  FillSettings beforeFill;  // construction values, unlike the document's start-up fill
  const auto bytes = EncodeDocument(RandomFace(12), StartupFill());

  // Truncated after the face part: the face loads, the fill keeps its values, the load fails.
  CFace face = before;
  FillSettings fill = beforeFill;
  LoadReport report = DecodeDocument(bytes.data(), 104, face, fill);
  EXPECT_EQ(face, [&] {
    CFace f = RandomFace(12);
    return f;
  }());
  EXPECT_FALSE(face.loadFailed);
  EXPECT_TRUE(report.LoadError());
  EXPECT_EQ(fill, beforeFill);
  EXPECT_EQ(report.Describe(), "the file ends after 104 of 136 bytes");

  // Empty: nothing changes but the load fails.
  face = before;
  fill = beforeFill;
  report = DecodeDocument(bytes.data(), 0, face, fill);
  EXPECT_TRUE(face.loadFailed);
  face.loadFailed = false;
  EXPECT_EQ(face, before);
  EXPECT_EQ(fill, beforeFill);

  // Cut inside the fill part, mid-word: the whole words before it are taken.
  face = before;
  fill = beforeFill;
  report = DecodeDocument(bytes.data(), 119, face, fill);
  EXPECT_TRUE(report.fillFailed);
  EXPECT_EQ(fill.m_nFillType, 1);
  EXPECT_EQ(fill.m_crGradientTo, 0x00FFFFFFu);
  EXPECT_EQ(fill.m_bHorizontal, beforeFill.m_bHorizontal);

  // Cut in the middle of the face part: the first fields are new, the rest old.
  face = before;
  fill = beforeFill;
  DecodeDocument(bytes.data(), 10, face, fill);
  EXPECT_TRUE(face.loadFailed);
  EXPECT_EQ(face.faceSize, RandomFace(12).faceSize);
  EXPECT_EQ(face.faceShape, before.faceShape);
}

TEST(DocumentFile, SavesAndLoadsThroughTheFileSystem) {
  TempDir dir;
  const std::string path = dir / "my face ü\nnew line.plm";
  const CFace face = RandomFace(5);
  ASSERT_TRUE(SaveDocument(path, face, StartupFill()));
  EXPECT_EQ(ReadBytes(path).size(), 136u);

  // Extra bytes after the document are ignored.
  auto bytes = ReadBytes(path);
  bytes.resize(5000, 0xAB);
  WriteBytes(path, bytes);
  CFace loaded;
  FillSettings fill;
  LoadReport report;
  ASSERT_TRUE(LoadDocument(path, loaded, fill, report));
  EXPECT_FALSE(report.LoadError());
  EXPECT_EQ(loaded, face);
  EXPECT_EQ(fill, StartupFill());
  EXPECT_EQ(dir.Entries().size(), 1u) << "no temporary file is left behind";
}

TEST(DocumentFile, FilesThatCannotBeOpenedChangeNothing) {
  TempDir dir;
  const CFace before = RandomFace(8);
  CFace face = before;
  FillSettings fill;
  LoadReport report;
  Status missing = LoadDocument(dir / "missing.plm", face, fill, report);
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.message().find("No such file or directory"), std::string::npos) << missing.message();
  Status directory = LoadDocument(dir.path().string(), face, fill, report);
  EXPECT_FALSE(directory);
  EXPECT_NE(directory.message().find("Is a directory"), std::string::npos) << directory.message();
  const std::string fifo = dir / "pipe.plm";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(LoadDocument(fifo, face, fill, report)) << "a pipe is refused without waiting for a writer";
  EXPECT_EQ(face, before);
  EXPECT_EQ(fill, FillSettings());
}

TEST(DocumentFile, FailedSaveKeepsTheOldDocument) {
  TempDir dir;
  const std::string path = dir / "face.plm";
  ASSERT_TRUE(SaveDocument(path, RandomFace(1), StartupFill()));
  const auto old = ReadBytes(path);

  SimulateDiskFullForTesting(true);
  const Status full = SaveDocument(path, RandomFace(2), StartupFill());
  SimulateDiskFullForTesting(false);
  EXPECT_FALSE(full);
  EXPECT_NE(full.message().find("No space left on device"), std::string::npos) << full.message();
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(dir.Entries().size(), 1u);

  // A folder that does not exist, and a "folder" that is a file.
  EXPECT_FALSE(SaveDocument(dir / "no/such/folder/face.plm", RandomFace(2), StartupFill()));
  EXPECT_FALSE(SaveDocument(path + "/face.plm", RandomFace(2), StartupFill()));
  EXPECT_EQ(ReadBytes(path), old);

  // A read-only folder refuses the temporary file (root ignores permission bits).
  if (geteuid() != 0) {
    chmod(dir.path().c_str(), 0500);
    EXPECT_FALSE(SaveDocument(path, RandomFace(2), StartupFill()));
    chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(ReadBytes(path), old);
  }
}

TEST(DocumentFile, SavingThroughALinkReplacesTheTargetAndKeepsTheLink) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "real");
  const std::string target = dir / "real/face.plm";
  const std::string link = dir / "link.plm";
  ASSERT_TRUE(SaveDocument(target, RandomFace(1), StartupFill()));
  std::filesystem::create_symlink("real/face.plm", link);
  ASSERT_TRUE(SaveDocument(link, RandomFace(2), StartupFill()));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  const auto expected = EncodeDocument(RandomFace(2), StartupFill());
  EXPECT_EQ(ReadBytes(target), std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(DocumentFile, PathsLongerThanTheSystemLimitWork) {
  TempDir dir;
  std::filesystem::path deep = dir.path();
  for (int i = 0; i < 24; ++i) deep /= std::string(200, static_cast<char>('a' + i % 26));
  // Create the nested folders one step at a time: the full path is too long for one call.
  std::string relative;
  const std::filesystem::path original = std::filesystem::current_path();
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  for (int i = 0; i < 24; ++i) {
    const std::string name(200, static_cast<char>('a' + i % 26));
    ASSERT_EQ(mkdir(name.c_str(), 0700), 0);
    ASSERT_EQ(chdir(name.c_str()), 0);
  }
  std::filesystem::current_path(original);
  const std::string path = (deep / "face.plm").string();
  ASSERT_GT(path.size(), 4096u);
  const CFace face = RandomFace(21);
  ASSERT_TRUE(SaveDocument(path, face, StartupFill()));
  CFace loaded;
  FillSettings fill;
  LoadReport report;
  ASSERT_TRUE(LoadDocument(path, loaded, fill, report));
  EXPECT_EQ(loaded, face);
}

}  // namespace
}  // namespace pelmoro
