// pelmoro-render against targets that must not be replaced, split, half-written or named
// twice, and errors that must say what happened.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "program_run.h"

namespace pelmoro {
namespace {

namespace fs = std::filesystem;
using testing::ExpectOneMessage;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::RunRenderProgram;
using testing::TempDir;
using testing::WriteBytes;

const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

bool Installed(const std::string& program) {
  return std::system(("command -v " + program + ">/dev/null").c_str()) == 0;
}

void Wait(const std::function<bool()>& done) {
  for (int tries = 0; tries < 1000 && !done(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TEST(RenderTargets, PipesDevicesAndSocketsAreRefusedAndStay) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe.png").c_str(), 0600), 0);
  const int server = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{AF_UNIX, {}};
  std::strncpy(address.sun_path, (dir / "socket.png").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  // A device node of the test's own as root, the system's null device otherwise; through a link.
  if (geteuid() == 0) {
    ASSERT_EQ(mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  }
  fs::create_symlink(geteuid() == 0 ? "null" : "/dev/null", dir / "device.png");
  fs::create_symlink("pipe.png", dir / "link.plm");
  for (const std::string target : {"pipe.png", "socket.png", "device.png", "link.plm"}) {
    const bool document = target.ends_with(".plm");
    const ProgramRun run = RunRenderProgram(dir, {"--seed", "1", "-o", dir / (document ? "face.png" : target), "--save",
                                                  document ? dir / target : dir / "face.plm"});
    EXPECT_EQ(run.status, 3) << target;
    ExpectOneMessage(run, target + "\": not a regular file");
  }
  close(server);
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.png") && fs::is_socket(dir / "socket.png"));
  EXPECT_TRUE(fs::is_character_file(dir / "device.png") && fs::is_symlink(dir / "link.plm"));
  EXPECT_EQ(dir.Entries().size(), geteuid() == 0 ? 6u : 5u) << "a temporary file or document was left behind";
}

TEST(RenderTargets, FilesTheUserMayNotWriteAreRefusedAndRootKeepsOwnerGroupAndMode) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);  // a folder everyone may write in
  const std::string mine = dir / "mine.png", others = dir / "others.plm";
  WriteBytes(mine, kOld);
  WriteBytes(others, kOld);
  std::vector<std::string> asUser;
  if (geteuid() == 0) {
    if (!Installed("setpriv")) GTEST_SKIP() << "setpriv is needed to run the program as another user";
    asUser = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    ASSERT_EQ(chown(mine.c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(chmod(mine.c_str(), 0444), 0);
  const ProgramRun readOnly = RunRenderProgram(dir, {"--seed", "1", "-o", mine}, asUser);
  EXPECT_EQ(readOnly.status, 3);
  ExpectOneMessage(readOnly, "mine.png\": Permission denied");
  if (geteuid() != 0) GTEST_SKIP() << "another user's file and root's rights need root";
  const ProgramRun notMine = RunRenderProgram(dir, {"--seed", "1", "-o", dir / "x.png", "--save", others}, asUser);
  EXPECT_EQ(notMine.status, 3);
  ExpectOneMessage(notMine, "others.plm\": Permission denied");
  EXPECT_EQ(ReadBytes(mine), kOld);
  EXPECT_EQ(ReadBytes(others), kOld);

  ASSERT_EQ(chown(others.c_str(), 65534, 65534), 0);
  ASSERT_EQ(chmod(others.c_str(), 02640), 0);
  EXPECT_EQ(RunRenderProgram(dir, {"--seed", "1", "-o", mine, "--save", others}).status, 0);
  for (const auto& [path, mode] : {std::pair{mine, 0444u}, std::pair{others, 02640u}}) {
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(std::vector<unsigned>({info.st_uid, info.st_gid, info.st_mode & 07777u}),
              std::vector<unsigned>({65534, 65534, mode}));
    EXPECT_NE(ReadBytes(path), kOld) << path;
  }
}

TEST(RenderTargets, HardLinksStayOneFileAndNamingOneFileTwiceIsAUsageError) {
  TempDir dir;
  for (const char* name : {"a.png", "a.plm"}) WriteBytes(dir / name, kOld);
  fs::create_hard_link(dir / "a.png", dir / "b.png");
  fs::create_hard_link(dir / "a.plm", dir / "b.plm");
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "9", "-o", dir / "a.png", "--save", dir / "a.plm"}).status, 0);
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "9", "-o", dir / "ref.png", "--save", dir / "ref.plm"}).status, 0);
  EXPECT_EQ(ReadBytes(dir / "b.png"), ReadBytes(dir / "ref.png"));
  EXPECT_EQ(ReadBytes(dir / "b.plm"), ReadBytes(dir / "ref.plm"));
  EXPECT_TRUE(fs::equivalent(dir / "a.png", dir / "b.png") && fs::equivalent(dir / "a.plm", dir / "b.plm"));

  fs::create_symlink("new.png", dir / "link.plm");
  const auto entries = dir.Entries();
  const auto before = ReadBytes(dir / "a.png");
  for (const auto& [picture, document] :
       {std::pair{"new.png", "new.png"}, {"new.png", "./new.png"}, {"new.png", "link.plm"}, {"a.png", "b.png"}}) {
    const ProgramRun run = RunRenderProgram(dir, {"--seed", "1", "-o", dir / picture, "--save", dir / document});
    EXPECT_EQ(run.status, 1) << document;
    ExpectOneMessage(run, "name the same file");
  }
  EXPECT_EQ(dir.Entries(), entries);
  EXPECT_EQ(ReadBytes(dir / "a.png"), before);
}

TEST(RenderTargets, TerminationDuringAWriteRemovesTheTemporaryFile) {
  if (!Installed("strace")) GTEST_SKIP() << "strace is needed to hold the program in the middle of a write";
  for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    TempDir dir;
    WriteBytes(dir / "face.png", kOld);
    // strace holds the program before it flushes the complete temporary file to disk.
    const pid_t strace = testing::StartProgram(
        {"strace", "-f", "-qq", "-o", "/dev/null", "-e", "trace=fsync", "-e", "inject=fsync:delay_enter=1s",
         PELMORO_RENDER_PROGRAM, "--seed", "1", "-o", dir / "face.png"},
        "/dev/null", "/dev/null");
    const std::string children = "/proc/" + std::to_string(strace) + "/task/" + std::to_string(strace) + "/children";
    Wait([&] { return dir.Entries().size() == 2; });
    ASSERT_EQ(dir.Entries().size(), 2u) << "no temporary file appeared";
    ASSERT_EQ(kill(std::stoi(testing::ReadText(children)), signalNumber), 0);
    EXPECT_EQ(testing::WaitForProgram(strace), 128 + signalNumber);
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
