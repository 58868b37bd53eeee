// Writing pictures to files: whole or not at all, errors reported, any path; and the two
// helpers around it, the format from a file name and the selection crop.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "encoder_test_pictures.h"
#include "model/safe_file.h"
#include "output/image_writer.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TestPicture;
using testing::WriteBytes;

const std::vector<std::uint8_t> kOldContent = {'o', 'l', 'd'};

class DiskFull {
 public:
  DiskFull() { SimulateDiskFullForTesting(true); }
  ~DiskFull() { SimulateDiskFullForTesting(false); }
};

std::vector<std::uint8_t> Encoded(ImageFormat format, const ImageView& picture) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(EncodeImage(format, picture, bytes).ok());
  return bytes;
}

TEST(WriteImage, WritesEveryFormatWithoutLeavingATemporaryFile) {
  TempDir dir;
  const TestPicture picture(224, 192);
  for (ImageFormat format :
       {ImageFormat::Bmp, ImageFormat::Gif, ImageFormat::Jpeg, ImageFormat::Png, ImageFormat::Tiff}) {
    const std::string name = std::string("face") + DefaultExtension(format);
    ASSERT_TRUE(WriteImage(dir / name, format, picture.view()).ok()) << name;
    EXPECT_EQ(ReadBytes(dir / name), Encoded(format, picture.view())) << name;
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{name});
    std::filesystem::remove(dir / name);
  }
}

TEST(WriteImage, ReportsAMissingOrInvalidFolderNamingThePath) {
  TempDir dir;
  const TestPicture picture(224, 192);
  const Status missing = WriteImage(dir / "no folder/face.png", ImageFormat::Png, picture.view());
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("no folder/face.png"), std::string::npos) << missing.message();
  EXPECT_NE(missing.message().find("No such file or directory"), std::string::npos) << missing.message();

  WriteBytes(dir / "plain file", kOldContent);
  const Status underFile = WriteImage(dir / "plain file/face.png", ImageFormat::Png, picture.view());
  EXPECT_FALSE(underFile.ok());
  EXPECT_NE(underFile.message().find("Not a directory"), std::string::npos) << underFile.message();
  EXPECT_EQ(ReadBytes(dir / "plain file"), kOldContent);
}

TEST(WriteImage, ReportsAFolderWithoutWritePermission) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  TempDir dir;
  std::filesystem::create_directory(dir / "locked");
  chmod((dir / "locked").c_str(), 0555);
  const Status status = WriteImage(dir / "locked/face.png", ImageFormat::Png, TestPicture(224, 192).view());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Permission denied"), std::string::npos) << status.message();
}

TEST(WriteImage, KeepsTheOldFileWhenTheWriteFails) {
  TempDir dir;
  const std::string path = dir / "face.gif";
  WriteBytes(path, kOldContent);
  {
    DiskFull full;
    const Status status = WriteImage(path, ImageFormat::Gif, TestPicture(224, 192).view());
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("No space left on device"), std::string::npos) << status.message();
  }
  EXPECT_EQ(ReadBytes(path), kOldContent);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"face.gif"});
}

TEST(WriteImage, RefusesAnEmptyOrMalformedPictureAndTouchesNoFile) {
  TempDir dir;
  const std::string path = dir / "face.png";
  WriteBytes(path, kOldContent);
  const TestPicture picture(224, 192);
  for (ImageView empty : {ImageView{0, 192, picture.view().pixels, 224}, ImageView{224, -1, picture.view().pixels, 224},
                          ImageView{0, 0, nullptr, 0}}) {
    const Status status = WriteImage(path, ImageFormat::Png, empty);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("nothing to write"), std::string::npos) << status.message();
  }
  EXPECT_FALSE(WriteImage(path, ImageFormat::Png, ImageView{224, 192, nullptr, 224}).ok());
  EXPECT_FALSE(WriteImage(path, ImageFormat::Png, ImageView{224, 192, picture.view().pixels, 200}).ok());
  EXPECT_EQ(ReadBytes(path), kOldContent);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"face.png"});
}

TEST(WriteImage, ReportsWhatAnEncoderCannotDo) {
  TempDir dir;
  const std::vector<std::uint32_t> row(70000, 0xFF336699u);  // wider than GIF and JPEG allow
  const ImageView wide{70000, 1, row.data(), 70000};
  const Status gif = WriteImage(dir / "wide.gif", ImageFormat::Gif, wide);
  EXPECT_FALSE(gif.ok());
  EXPECT_NE(gif.message().find("too large"), std::string::npos) << gif.message();
  const Status jpeg = WriteImage(dir / "wide.jpg", ImageFormat::Jpeg, wide);
  EXPECT_FALSE(jpeg.ok());
  EXPECT_NE(jpeg.message().find("JPEG"), std::string::npos) << jpeg.message();
  EXPECT_TRUE(dir.Entries().empty());
  EXPECT_TRUE(WriteImage(dir / "wide.png", ImageFormat::Png, wide).ok());
}

TEST(WriteImage, AcceptsNamesWithSpacesNonAsciiLettersAndNewlines) {
  TempDir dir;
  const TestPicture picture(224, 192);
  const std::string name = "my face \xC3\xBC\xE2\x82\xAC\nsecond line.tiff";
  ASSERT_TRUE(WriteImage(dir / name, ImageFormat::Tiff, picture.view()).ok());
  EXPECT_EQ(ReadBytes(dir / name), Encoded(ImageFormat::Tiff, picture.view()));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{name});
}

// Builds folders one below the other until their path is longer than the system allows a
// path to be, and returns that path; `deepest` is left open on the last folder.
std::string BuildTreeBeyondPathMax(const std::string& root, int& deepest) {
  const std::string folder(200, 'x');
  std::string path = root;
  int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
  while (fd >= 0 && path.size() <= PATH_MAX + 100) {
    mkdirat(fd, folder.c_str(), 0755);
    const int next = openat(fd, folder.c_str(), O_RDONLY | O_DIRECTORY);
    close(fd);
    fd = next;
    path += "/" + folder;
  }
  deepest = fd;
  return path;
}

TEST(WriteImage, WritesBelowAPathLongerThanTheSystemLimit) {
  TempDir dir;
  int deepest = -1;
  const std::string folder = BuildTreeBeyondPathMax(dir.path().string(), deepest);
  ASSERT_GE(deepest, 0);
  const TestPicture picture(224, 192);
  const Status status = WriteImage(folder + "/face.bmp", ImageFormat::Bmp, picture.view());
  EXPECT_TRUE(status.ok()) << status.message();
  struct stat written {};
  EXPECT_EQ(fstatat(deepest, "face.bmp", &written, 0), 0);
  EXPECT_EQ(static_cast<std::size_t>(written.st_size), Encoded(ImageFormat::Bmp, picture.view()).size());
  close(deepest);
}

TEST(ImageFormatNames, TellTheFormatFromTheExtensionInAnyCase) {
  EXPECT_EQ(FormatFromPath("face.png"), ImageFormat::Png);
  EXPECT_EQ(FormatFromPath("/tmp/Face.PNG"), ImageFormat::Png);
  EXPECT_EQ(FormatFromPath("face.jpg"), ImageFormat::Jpeg);
  EXPECT_EQ(FormatFromPath("face.JPeG"), ImageFormat::Jpeg);
  EXPECT_EQ(FormatFromPath("face.bmp"), ImageFormat::Bmp);
  EXPECT_EQ(FormatFromPath("face.Gif"), ImageFormat::Gif);
  EXPECT_EQ(FormatFromPath("face.tif"), ImageFormat::Tiff);
  EXPECT_EQ(FormatFromPath("a.b.TIFF"), ImageFormat::Tiff);
  EXPECT_EQ(FormatFromPath("face.WebP"), ImageFormat::Webp);
  EXPECT_EQ(FormatFromPath("face"), std::nullopt);
  EXPECT_EQ(FormatFromPath("face."), std::nullopt);
  EXPECT_EQ(FormatFromPath("face.png.txt"), std::nullopt);
  EXPECT_EQ(FormatFromPath("face.pngx"), std::nullopt);
  EXPECT_EQ(FormatFromPath("pictures.png/face"), std::nullopt);
  EXPECT_EQ(FormatFromPath(""), std::nullopt);
}

TEST(ImageFormatNames, DefaultExtensionsNameTheirOwnFormat) {
  EXPECT_STREQ(DefaultExtension(ImageFormat::Jpeg), ".jpg");
  EXPECT_STREQ(DefaultExtension(ImageFormat::Tiff), ".tiff");
  for (ImageFormat format :
       {ImageFormat::Bmp, ImageFormat::Gif, ImageFormat::Jpeg, ImageFormat::Png, ImageFormat::Tiff, ImageFormat::Webp})
    EXPECT_EQ(FormatFromPath(std::string("face") + DefaultExtension(format)), format);
}

TEST(SelectionArea, LeavesOutTheFrameLine) {
  const TestPicture picture(224, 192);
  const auto area = SelectionArea(picture.view(), Rect{10, 20, 50, 60});
  ASSERT_TRUE(area.has_value());
  EXPECT_EQ(area->width, 38);
  EXPECT_EQ(area->height, 38);
  EXPECT_EQ(area->stride, picture.view().stride);
  EXPECT_EQ(area->pixels, &picture.view().Row(21)[11]);

  const auto whole = SelectionArea(picture.view(), Rect{0, 0, 224, 192});
  ASSERT_TRUE(whole.has_value());
  EXPECT_EQ(whole->width, 222);
  EXPECT_EQ(whole->height, 190);
  EXPECT_EQ(whole->pixels, &picture.view().Row(1)[1]);
}

TEST(SelectionArea, ClipsAFrameReachingOutOfThePicture) {
  const TestPicture picture(224, 192);
  const auto corner = SelectionArea(picture.view(), Rect{-5, -5, 30, 300});
  ASSERT_TRUE(corner.has_value());
  EXPECT_EQ(corner->width, 29);
  EXPECT_EQ(corner->height, 192);
  EXPECT_EQ(corner->pixels, picture.view().pixels);

  const auto huge = SelectionArea(picture.view(), Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  ASSERT_TRUE(huge.has_value());
  EXPECT_EQ(huge->width, 224);
  EXPECT_EQ(huge->height, 192);
}

TEST(SelectionArea, IsNothingWhenNoPixelIsLeft) {
  const TestPicture picture(224, 192);
  EXPECT_FALSE(SelectionArea(picture.view(), Rect{100, 100, 102, 140}).has_value()) << "only the frame line";
  EXPECT_FALSE(SelectionArea(picture.view(), Rect{100, 100, 140, 101}).has_value());
  EXPECT_TRUE(SelectionArea(picture.view(), Rect{100, 100, 103, 103}).has_value()) << "one pixel inside";
  EXPECT_FALSE(SelectionArea(picture.view(), Rect{50, 50, 10, 10}).has_value()) << "inverted";
  EXPECT_FALSE(SelectionArea(picture.view(), Rect{300, 10, 400, 100}).has_value()) << "beside the picture";
  EXPECT_FALSE(SelectionArea(picture.view(), Rect{-10, -10, 1, 1}).has_value()) << "inside ends at the edge";
  EXPECT_FALSE(SelectionArea(ImageView{}, Rect{0, 0, 50, 50}).has_value()) << "empty picture";
}

}  // namespace
}  // namespace pelmoro
