#pragma once
// Runs the built pelmoro-render as a user would and collects what it prints.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/test_files.h"

namespace pelmoro::testing {

struct ProgramRun {
  int status = -1;  // the exit status; 128 + N when signal N ended the program
  std::string out;
  std::string err;
};

inline std::string ReadText(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

// Starts `command` (the program path first) with standard output and error going to files,
// and standard input from `inPath` when one is given.
inline pid_t StartProgram(std::vector<std::string> command, const std::string& outPath, const std::string& errPath,
                          const std::string& inPath = {}) {
  std::vector<char*> argv;
  for (std::string& a : command) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    if (!inPath.empty()) dup2(open(inPath.c_str(), O_RDONLY), 0);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

inline int WaitForProgram(pid_t child) {
  int status = 0;
  if (child <= 0 || waitpid(child, &status, 0) != child) return -1;
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs pelmoro-render with the arguments; `prefix` runs it through another program first
// (setpriv, strace). Output files live in the folder's parent, so `dir` holds only what the
// program wrote.
inline ProgramRun RunRenderProgram(const TempDir& dir, std::vector<std::string> arguments,
                                   std::vector<std::string> prefix = {}, const std::string& inPath = {}) {
  const std::string outPath = dir.path().string() + ".stdout", errPath = dir.path().string() + ".stderr";
  prefix.push_back(PELMORO_RENDER_PROGRAM);
  prefix.insert(prefix.end(), arguments.begin(), arguments.end());
  ProgramRun run;
  run.status = WaitForProgram(StartProgram(prefix, outPath, errPath, inPath));
  run.out = ReadText(outPath);
  run.err = ReadText(errPath);
  unlink(outPath.c_str());
  unlink(errPath.c_str());
  return run;
}

// The program's messages: exactly one line, with its prefix.
inline void ExpectOneMessage(const ProgramRun& run, const std::string& part) {
  EXPECT_EQ(run.err.rfind("pelmoro-render: ", 0), 0u) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
}

}  // namespace pelmoro::testing
