#include "cli/standard_streams.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace pelmoro {

namespace {

Status TerminalRefused(const char* stream, const char* what) {
  return Status::Error(std::string(stream) + " is a terminal; " + what);
}

}  // namespace

Status ReadDocumentFromStandardInput(CFace& face, FillSettings& fill, LoadReport& report) {
  if (isatty(STDIN_FILENO))
    return TerminalRefused(kStandardInputName, "pipe or redirect the face document into it (FACE.plm given as -)");
  return ReadDocument(STDIN_FILENO, kStandardInputName, face, fill, report);
}

Status WriteToStandardOutput(const std::uint8_t* data, std::size_t size) {
  if (isatty(STDOUT_FILENO))
    return TerminalRefused(kStandardOutputName, "send the file to a pipe or redirect it into a file");
  // A reader that went away is a write error to report, not a signal that ends the program.
  std::signal(SIGPIPE, SIG_IGN);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t wrote = write(STDOUT_FILENO, data + done, size - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0)
      return Status::Error("Cannot write " + std::string(kStandardOutputName) + ": " + std::strerror(errno));
    done += static_cast<std::size_t>(wrote);
  }
  return Status::Ok();
}

}  // namespace pelmoro
