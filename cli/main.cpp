// pelmoro-render: draws a face from a document, or a random one, into a picture file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/render_command.h"
#include "model/memory_reuse.h"
#include "model/termination_cleanup.h"

namespace {

// Prints the help or version text; a standard output that cannot take it (a full disk,
// /dev/full, a closed pipe) is an error, not a silent success.
int PrintText(const std::string& text) {
  using namespace pelmoro;
  errno = 0;
  std::cout << text << std::flush;
  if (std::cout && std::fflush(stdout) == 0) return kExitSuccess;
  const int error = errno != 0 ? errno : EIO;
  ReportError(std::cerr, std::string("cannot write to standard output: ") + std::strerror(error));
  return kExitWrite;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pelmoro;
  RemoveTemporaryFilesOnTermination();
  KeepMemoryForReuse();
  const ParseResult parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok()) {
    ReportError(std::cerr, parsed.error + " (see --help)");
    return kExitUsage;
  }
  switch (parsed.options.command) {
    case RenderCommand::Help:
      return PrintText(UsageText());
    case RenderCommand::Version:
      return PrintText("pelmoro-render 1.0\n");
    case RenderCommand::Render:
      break;
  }
  return RunRender(parsed.options, std::cerr);
}
