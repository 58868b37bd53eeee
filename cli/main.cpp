// pelmoro-render: draws a face from a document, or a random one, into a picture file.
#include <iostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/render_command.h"

int main(int argc, char** argv) {
  using namespace pelmoro;
  const ParseResult parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok()) {
    ReportError(std::cerr, parsed.error + " (see --help)");
    return kExitUsage;
  }
  switch (parsed.options.command) {
    case RenderCommand::Help:
      std::cout << UsageText();
      return kExitSuccess;
    case RenderCommand::Version:
      std::cout << "pelmoro-render 1.0\n";
      return kExitSuccess;
    case RenderCommand::Render:
      break;
  }
  return RunRender(parsed.options, std::cerr);
}
