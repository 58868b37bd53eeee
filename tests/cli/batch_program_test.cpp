// pelmoro-render in bulk, from names and through pipes, run as a user would run it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "tests/cli/program_run.h"

namespace pelmoro::testing {
namespace {

// Options that every face of a batch must get, as a single run gets them.
const std::vector<std::string> kFaceOptions = {"--set", "glasses=2", "--pose", "1,0,2", "--transparent"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(BatchProgram, EachFileIsTheOneASingleRunWritesForItsSeed) {
  TempDir dir;
  const ProgramRun batch = RunRenderProgram(
      dir, With({"--seed", "4294967293", "--count", "3", "-o", dir / "f-{seed}.gif", "--save", dir / "f-{seed}.plm"},
                kFaceOptions));
  ASSERT_EQ(batch.status, 0) << batch.err;
  EXPECT_EQ(batch.err, "");  // no progress bar when standard error is no terminal
  for (const std::string seed : {"4294967293", "4294967294", "4294967295"}) {
    const ProgramRun single =
        RunRenderProgram(dir, With({"--seed", seed, "-o", dir / "one.gif", "--save", dir / "one.plm"}, kFaceOptions));
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_EQ(ReadBytes(dir / ("f-" + seed + ".gif")), ReadBytes(dir / "one.gif")) << seed;
    EXPECT_EQ(ReadBytes(dir / ("f-" + seed + ".plm")), ReadBytes(dir / "one.plm")) << seed;
  }
  EXPECT_EQ(dir.Entries().size(), 8u);
}

TEST(BatchProgram, TheFilesDoNotDependOnTheNumberOfJobs) {
  TempDir dir;
  ASSERT_EQ(mkdir((dir / "one").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((dir / "four").c_str(), 0755), 0);
  const ProgramRun one =
      RunRenderProgram(dir, {"--seed", "7", "--count", "24", "--jobs", "1", "-o", dir / "one/{seed}.png"});
  const ProgramRun four = RunRenderProgram(
      dir, {"--seed", "7", "--count", "24", "--jobs", "4", "-o", dir / "four/{seed}.png", "--verbose"});
  ASSERT_EQ(one.status, 0) << one.err;
  ASSERT_EQ(four.status, 0) << four.err;
  ExpectOneMessage(four, "24 of 24 faces written");
  for (int seed = 7; seed < 31; ++seed) {
    const std::string name = "/" + std::to_string(seed) + ".png";
    EXPECT_EQ(ReadBytes(dir / ("one" + name)), ReadBytes(dir / ("four" + name))) << seed;
  }
}

TEST(BatchProgram, AFaceThatCannotBeWrittenIsReportedAndTheOthersAreWritten) {
  TempDir dir;
  ASSERT_EQ(mkdir((dir / "face-11.png").c_str(), 0755), 0);
  const ProgramRun run = RunRenderProgram(dir, {"--seed", "10", "--count", "3", "-o", dir / "face-{seed}.png"});
  EXPECT_EQ(run.status, 3);
  ExpectOneMessage(run, "face-11.png");
  ExpectOneMessage(run, "Is a directory");
  EXPECT_FALSE(ReadBytes(dir / "face-10.png").empty());
  EXPECT_FALSE(ReadBytes(dir / "face-12.png").empty());
}

TEST(BatchProgram, PatternsAndSeedsThatCannotNameEveryFaceAreUsageErrors) {
  TempDir dir;
  const std::vector<std::vector<std::string>> refused = {
      {"--seed", "1", "--count", "2", "-o", dir / "face.png"},
      {"--seed", "1", "--count", "2", "-o", dir / "{seed}.png", "--save", dir / "face.plm"},
      {"--seed", "4294967295", "--count", "2", "-o", dir / "{seed}.png"},
      {"--seed", "1", "--count", "0", "-o", dir / "{seed}.png"},
      {"--seed-text", "x", "--seed", "1", "-o", dir / "{seed}.png"},
      {"--seed-text", "x", "--count", "2", "-o", dir / "{seed}.png"},
      {"--count", "2", "-o", dir / "{seed}.png", dir / "face.plm"},
      {"--seed", "1", "--count", "2", "-o", "-", "--format", "png"},
      {"--seed", "1", "--jobs", "0", "-o", dir / "{seed}.png"},
  };
  for (const auto& arguments : refused) {
    const ProgramRun run = RunRenderProgram(dir, arguments);
    EXPECT_EQ(run.status, 1) << arguments[arguments.size() - 1];
    ExpectOneMessage(run, "(see --help)");
  }
  EXPECT_TRUE(dir.Entries().empty());
  // Every {seed} of a name is replaced.
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "5", "-o", dir / "{seed}-{seed}.bmp"}).status, 0);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"5-5.bmp"});
}

TEST(BatchProgram, ATextGivesTheFaceOfItsHash) {
  TempDir dir;
  // FNV-1a of "a": (2166136261 XOR 97) * 16777619 = 36342608335481132, modulo 2^32 3826002220.
  ASSERT_EQ(RunRenderProgram(dir, {"--seed-text", "a", "-o", dir / "text.png"}).status, 0);
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "3826002220", "-o", dir / "seed.png"}).status, 0);
  EXPECT_EQ(ReadBytes(dir / "text.png"), ReadBytes(dir / "seed.png"));
}

TEST(BatchProgram, AnInterruptedBatchLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string out = dir.path().string() + ".out", err = dir.path().string() + ".err";
  for (const int signalNumber : {SIGINT, SIGTERM}) {
    const pid_t child = StartProgram(
        {PELMORO_RENDER_PROGRAM, "--seed", "0", "--count", "1000000", "--jobs", "8", "-o", dir / "{seed}.png"}, out,
        err);
    // Stop it in the middle, once its threads are writing.
    while (dir.Entries().size() < 50) usleep(1000);
    kill(child, signalNumber);
    EXPECT_EQ(WaitForProgram(child), 128 + signalNumber);
    for (const std::string& name : dir.Entries()) EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
  }
  unlink(out.c_str());
  unlink(err.c_str());
}

TEST(PipeProgram, DocumentsComeFromStandardInputAndPicturesGoToStandardOutput) {
  TempDir dir;
  ASSERT_EQ(RunRenderProgram(dir, {"--seed", "3", "-o", dir / "face.tif", "--save", dir / "face.plm"}).status, 0);
  const ProgramRun piped = RunRenderProgram(dir, {"-", "--format", "TIFF", "-o", "-"}, {}, dir / "face.plm");
  ASSERT_EQ(piped.status, 0) << piped.err;
  const auto picture = ReadBytes(dir / "face.tif");
  EXPECT_EQ(std::vector<std::uint8_t>(piped.out.begin(), piped.out.end()), picture);
  const ProgramRun document = RunRenderProgram(dir, {"--seed", "3", "-o", dir / "x.png", "--save", "-"});
  EXPECT_EQ(std::string(document.out), ReadText(dir / "face.plm"));

  // A stream that ends early is the short document it is; -o - needs a format.
  auto shortDocument = ReadBytes(dir / "face.plm");
  shortDocument.resize(100);
  WriteBytes(dir / "short.plm", shortDocument);
  const ProgramRun cut = RunRenderProgram(dir, {"-", "-o", dir / "cut.png"}, {}, dir / "short.plm");
  EXPECT_EQ(cut.status, 2);
  ExpectOneMessage(cut, "standard input: the file ends after 100 of 136 bytes");
  const ProgramRun unnamed = RunRenderProgram(dir, {"--seed", "3", "-o", "-"});
  EXPECT_EQ(unnamed.status, 1);
  ExpectOneMessage(unnamed, "--format");
}

}  // namespace
}  // namespace pelmoro::testing
