// Runs the built pelmoro-render as a user would and checks its files, exit statuses and
// messages, also against targets that must not be replaced, split, half-written or named
// twice.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "model/document.h"
#include "model/random.h"
#include "output/animation_export.h"
#include "output/image_writer.h"
#include "render/face_picture.h"
#include "render/memory_dc.h"
#include "tests/cli/program_run.h"
#include "tests/support/test_files.h"

namespace pelmoro {
namespace {

namespace fs = std::filesystem;
using testing::ExpectOneMessage;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunRenderProgram;
using testing::StartProgram;
using testing::TempDir;
using testing::WaitForProgram;
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

TEST(RenderProgram, AnimatesADocumentFromTheSeedAloneAndRefusesStillFormats) {
  TempDir dir;
  const Face f = RandomFace(5);
  WriteBytes(dir / "face.plm", DocumentBytes(f));
  const ProgramRun run =
      RunRenderProgram(dir, {dir / "face.plm", "--seed", "9", "--animation", "3", "-o", dir / "a.webp"});
  EXPECT_EQ(run.status, 0) << run.err;
  FacePicture picture;
  picture.m_face = f.face;
  picture.m_fill = f.fill;
  ExportOptions options;
  options.format = ImageFormat::Webp;
  std::vector<std::uint8_t> expected;
  ASSERT_TRUE(EncodeAnimation(picture, CRandom(9), options, 3, expected).ok());
  EXPECT_EQ(ReadBytes(dir / "a.webp"), expected) << "the generator starts right after seeding";

  const ProgramRun still = RunRenderProgram(dir, {"--seed", "9", "--animation", "3", "-o", dir / "a.jpg"});
  EXPECT_EQ(still.status, 1);
  ExpectOneMessage(still, "--animation writes a GIF or WebP file");
  EXPECT_FALSE(fs::exists(dir / "a.jpg"));
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

const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

bool Installed(const std::string& program) {
  return std::system(("command -v " + program + ">/dev/null").c_str()) == 0;
}

TEST(RenderTargets, PipesDevicesAndSocketsAreRefusedAndStay) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe.png").c_str(), 0600), 0);
  const int server = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{AF_UNIX, {}};
  std::strncpy(address.sun_path, (dir / "socket.png").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  // A link to a device node: the test's own as root, the system's null device otherwise.
  const bool root = geteuid() == 0;
  ASSERT_TRUE(!root || mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0);
  fs::create_symlink(root ? "null" : "/dev/null", dir / "device.png");
  for (const std::string target : {"pipe.png", "socket.png", "device.png"}) {
    const ProgramRun run = RunRenderProgram(dir, {"--seed", "1", "-o", dir / target});
    EXPECT_EQ(run.status, 3) << target;
    ExpectOneMessage(run, target + "\": not a regular file");
  }
  close(server);
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.png") && fs::is_socket(dir / "socket.png") &&
              fs::is_character_file(dir / "device.png"));
  EXPECT_EQ(dir.Entries().size(), root ? 4u : 3u) << "a temporary file was left behind";
}

TEST(RenderTargets, FilesTheUserMayNotWriteAreRefusedAndRootKeepsOwnerGroupAndMode) {
  const bool root = geteuid() == 0;
  if (root && !Installed("setpriv")) GTEST_SKIP() << "setpriv is needed to run the program as another user";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);  // a folder everyone may write in
  const std::string mine = dir / "mine.png", others = dir / "others.png";
  for (const std::string& path : {mine, others}) WriteBytes(path, kOld);
  ASSERT_TRUE(!root || chown(mine.c_str(), 65534, 65534) == 0);
  ASSERT_EQ(chmod(mine.c_str(), 02440), 0);
  const std::vector<std::string> asUser = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  // A read-only file of one's own, and (as root) another user's file in a shared folder.
  for (const std::string& path : root ? std::vector{mine, others} : std::vector{mine}) {
    const ProgramRun run =
        RunRenderProgram(dir, {"--seed", "1", "-o", path}, root ? asUser : std::vector<std::string>{});
    EXPECT_EQ(run.status, 3);
    ExpectOneMessage(run, "\": Permission denied");
    EXPECT_EQ(ReadBytes(path), kOld);
  }
  if (!root) GTEST_SKIP() << "another user's file and root's rights need root";
  EXPECT_EQ(RunRenderProgram(dir, {"--seed", "1", "-o", mine}).status, 0);
  struct stat info {};
  ASSERT_EQ(stat(mine.c_str(), &info), 0);
  EXPECT_EQ(std::vector<unsigned>({info.st_uid, info.st_gid, info.st_mode & 07777u}),
            std::vector<unsigned>({65534, 65534, 02440}));
}

TEST(RenderTargets, HardLinksStayOneFileAndNamingOneFileTwiceIsAUsageError) {
  TempDir dir;
  for (const char* name : {"a.png", "a.plm"}) WriteBytes(dir / name, kOld);
  fs::create_hard_link(dir / "a.png", dir / "b.png");
  fs::create_hard_link(dir / "a.plm", dir / "b.plm");
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "9", "-o", dir / "a.png", "--save", dir / "a.plm"}).status, 0);
  EXPECT_EQ(ReadBytes(dir / "b.png"), Expected(RandomFace(9), ImageFormat::Png));
  EXPECT_EQ(ReadBytes(dir / "b.plm"), DocumentBytes(RandomFace(9)));
  EXPECT_TRUE(fs::equivalent(dir / "a.png", dir / "b.png") && fs::equivalent(dir / "a.plm", dir / "b.plm"));

  fs::create_symlink("new.png", dir / "link.plm");
  const auto entries = dir.Entries();
  for (const auto& [picture, document] :
       {std::pair{"new.png", "new.png"}, {"new.png", "./new.png"}, {"new.png", "link.plm"}, {"a.png", "b.png"}}) {
    const ProgramRun run = RunRenderProgram(dir, {"--seed", "1", "-o", dir / picture, "--save", dir / document});
    EXPECT_EQ(run.status, 1) << document;
    ExpectOneMessage(run, "name the same file");
  }
  EXPECT_EQ(dir.Entries(), entries);
  EXPECT_EQ(ReadBytes(dir / "a.png"), Expected(RandomFace(9), ImageFormat::Png));
}

TEST(RenderTargets, TerminationDuringAWriteRemovesTheTemporaryFile) {
  if (!Installed("strace")) GTEST_SKIP() << "strace is needed to hold the program in the middle of a write";
  for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    TempDir dir;
    WriteBytes(dir / "face.png", kOld);
    // strace holds the program before it flushes the complete temporary file to disk.
    const pid_t strace =
        StartProgram({"strace", "-f", "-qq", "-o", "/dev/null", "-e", "trace=fsync", "-e",
                      "inject=fsync:delay_enter=1s", PELMORO_RENDER_PROGRAM, "--seed", "1", "-o", dir / "face.png"},
                     "/dev/null", "/dev/null");
    for (int tries = 0; tries < 1000 && dir.Entries().size() < 2; ++tries)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(dir.Entries().size(), 2u) << "no temporary file appeared";
    const std::string tracer = std::to_string(strace);
    ASSERT_EQ(kill(std::stoi(ReadText("/proc/" + tracer + "/task/" + tracer + "/children")), signalNumber), 0);
    EXPECT_EQ(WaitForProgram(strace), 128 + signalNumber);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"face.png"}) << strsignal(signalNumber);
    EXPECT_EQ(ReadBytes(dir / "face.png"), kOld);
  }
}

// A real full disk: a 64 KiB tmpfs in a mount namespace of its own, filled up.
TEST(RenderTargets, FullDiskKeepsTheOldFilesAndLeavesNoTemporaryFile) {
  if (geteuid() != 0 || !Installed("unshare")) GTEST_SKIP() << "mounting a small file system needs root and unshare";
  TempDir dir;
  fs::create_directory(dir.path() / "full");
  const char* script = R"(mount -t tmpfs -o size=64k tmpfs "$1/full" || exit 77
    cd "$1/full" && printf old >face.plm && printf old >a.png && ln a.png b.png && (cat /dev/zero >filler) 2>/dev/null
    "$2" --seed 1 -o "$1/face.png" --save face.plm; echo "save $?"
    "$2" --seed 1 -o a.png; echo "hard link $?"
    ls -A; cat face.plm a.png b.png)";
  const ProgramRun run = RunRenderProgram(dir, {}, {"unshare", "-m", "sh", "-c", script, "sh", dir.path().string()});
  if (run.status == 77) GTEST_SKIP() << "this machine does not let the test mount a file system: " << run.err;
  EXPECT_EQ(run.out, "save 3\nhard link 3\na.png\nb.png\nface.plm\nfiller\noldoldold");
  EXPECT_EQ(run.err,
            "pelmoro-render: Cannot write \"face.plm\": No space left on device\n"
            "pelmoro-render: Cannot write \"a.png\": No space left on device\n");
}

TEST(RenderTargets, ErrorsSayWhatHappened) {
  TempDir dir;
  // Reading the process's own memory from address 0 fails with an input/output error.
  const ProgramRun unreadable = RunRenderProgram(dir, {"/proc/self/mem", "-o", dir / "x.png"});
  EXPECT_EQ(unreadable.status, 2);
  ExpectOneMessage(unreadable, "Cannot read \"/proc/self/mem\": Input/output error");
  for (const char* option : {"--help", "--version"}) {
    const ProgramRun full = RunRenderProgram(dir, {option}, {"sh", "-c", "exec \"$0\" \"$@\" >/dev/full"});
    EXPECT_EQ(full.status, 3) << option;
    ExpectOneMessage(full, "cannot write to standard output: No space left on device");
  }
  const ProgramRun escape = RunRenderProgram(dir, {dir / "\x1b[31mred\x9b.plm", "-o", dir / "x.png"});
  EXPECT_EQ(escape.status, 2);
  ExpectOneMessage(escape, "\\x1b[31mred\\x9b.plm\": No such file or directory");
  EXPECT_EQ(escape.err.find('\x1b'), std::string::npos);
  EXPECT_TRUE(dir.Entries().empty());
}

}  // namespace
}  // namespace pelmoro
