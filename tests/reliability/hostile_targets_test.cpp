// The desktop program's Save and exports against targets that must not be replaced, split
// or half-written: pipes and devices, read-only files, hard links, and termination signals
// in the middle of a write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImageReader>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "hostile_files.h"
#include "model/safe_file.h"
#include "model/termination_cleanup.h"

namespace pelmoro {
namespace {

namespace fs = std::filesystem;
const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

void ExpectMessages(const std::vector<QString>& errors, const std::vector<QString>& paths, const char* reason) {
  ASSERT_EQ(errors.size(), paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i)
    EXPECT_TRUE(errors[i].contains(paths[i]) && errors[i].contains(reason)) << errors[i].toStdString();
}

TEST_F(HostileFiles, PipesAndDevicesAreRefusedWithTheUsualMessage) {
  const fs::path dir = NativePath(folder.path());
  ASSERT_EQ(mkfifo((dir / "pipe.plm").c_str(), 0600), 0);
  if (geteuid() == 0) {
    ASSERT_EQ(mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  }
  fs::create_symlink(geteuid() == 0 ? "null" : "/dev/null", dir / "device.gif");
  const ProgramState before = State();
  Save(Path("pipe.plm"));
  Export(ImageFormat::Gif, Path("device.gif"));
  ExpectMessages(errors(), {Path("pipe.plm"), Path("device.gif")}, "not a regular file");
  EXPECT_EQ(State(), before);
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.plm") && fs::is_character_file(dir / "device.gif"));
  EXPECT_EQ(FolderEntries(folder.path()).size(), geteuid() == 0 ? 3u : 2u) << "a temporary file was left behind";
}

TEST_F(HostileFiles, ReadOnlyFilesAreRefusedExceptToRootWhichKeepsOwnerGroupAndMode) {
  const QString document = Path("face.plm"), picture = Path("face.bmp");
  PutFileBytes(document, kOld);
  PutFileBytes(picture, kOld);
  ASSERT_EQ(chmod(NativePath(document).c_str(), 02440), 0);
  ASSERT_EQ(chmod(NativePath(picture).c_str(), 0444), 0);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(NativePath(document).c_str(), 65534, 65534), 0);
  }
  Save(document);
  Export(ImageFormat::Bmp, picture);
  if (geteuid() != 0) {
    ExpectMessages(errors(), {document, picture}, "Permission denied");
    EXPECT_TRUE(FileBytes(document) == kOld && FileBytes(picture) == kOld);
    return;
  }
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(FileBytes(document).size(), kDocumentSize);
  EXPECT_EQ(QImageReader(picture).size(), QSize(224, 192));
  struct stat info {};
  ASSERT_EQ(stat(NativePath(document).c_str(), &info), 0);
  EXPECT_EQ(std::vector<unsigned>({info.st_uid, info.st_gid, info.st_mode & 07777u}),
            std::vector<unsigned>({65534, 65534, 02440}));
}

TEST_F(HostileFiles, HardLinksStayOneFileAndARewriteFailingHalfwayPutsTheOldBytesBack) {
  const QString document = Path("a.plm"), picture = Path("a.png");
  PutFileBytes(document, kOld);
  PutFileBytes(picture, kOld);
  fs::create_hard_link(NativePath(document), NativePath(Path("b.plm")));
  fs::create_hard_link(NativePath(picture), NativePath(Path("b.png")));
  const auto expected = EncodeDocument(preview().Face(), preview().Fill());
  Save(document);
  Export(ImageFormat::Png, picture);
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(FileBytes(Path("b.plm")), std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_EQ(QImageReader(Path("b.png")).size(), QSize(224, 192));

  // The disk takes 50 bytes of the next rewrite of each, then fails.
  const auto savedDocument = FileBytes(document), savedPicture = FileBytes(picture);
  dialog().OnNew();
  SimulateDiskFullForTesting(true, 50);
  Save(document);
  SimulateDiskFullForTesting(true, 50);
  Export(ImageFormat::Png, picture);
  SimulateDiskFullForTesting(false);
  ExpectMessages(errors(), {document, picture}, "No space left on device");
  EXPECT_TRUE(FileBytes(Path("b.plm")) == savedDocument && FileBytes(Path("b.png")) == savedPicture);
  EXPECT_TRUE(fs::equivalent(NativePath(document), NativePath(Path("b.plm"))));
  EXPECT_TRUE(fs::equivalent(NativePath(picture), NativePath(Path("b.png"))));
  EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"a.plm", "a.png", "b.plm", "b.png"}));
}

int g_signalDuringWrite = 0;
void RaiseSignalDuringWrite() { raise(g_signalDuringWrite); }

TEST_F(HostileFiles, TerminationSignalDuringASaveRemovesTheTemporaryFile) {
  PutFileBytes(Path("face.plm"), kOld);
  for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    g_signalDuringWrite = signalNumber;
    EXPECT_EXIT(
        {
          RemoveTemporaryFilesOnTermination();
          SetWriteHookForTesting(RaiseSignalDuringWrite);
          Save(Path("face.plm"));
        },
        ::testing::KilledBySignal(signalNumber), "");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"face.plm"});
    EXPECT_EQ(FileBytes(Path("face.plm")), kOld);
  }
}

// The signals a process catches, from /proc/PID/status.
std::uint64_t CaughtSignals(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("SigCgt:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
  return 0;
}

TEST(DesktopProgram, CatchesTerminationSignalsToCleanUpAndStillEndsByThem) {
  const pid_t program = fork();
  if (program == 0) {
    execl(PELMORO_DESKTOP_PROGRAM, PELMORO_DESKTOP_PROGRAM, nullptr);
    _exit(127);
  }
  const std::uint64_t wanted = 1u << (SIGINT - 1) | 1u << (SIGTERM - 1) | 1u << (SIGHUP - 1);
  for (int tries = 0; tries < 1000 && (CaughtSignals(program) & wanted) != wanted; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(CaughtSignals(program) & wanted, wanted);
  kill(program, SIGHUP);
  int status = 0;
  ASSERT_EQ(waitpid(program, &status, 0), program);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGHUP) << status;
}

}  // namespace
}  // namespace pelmoro
