// The command-line renderer's argument parsing on any arguments: the bytes are split at
// NUL bytes into the words of a command line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/options.h"
#include "model/face.h"
#include "output/animation_export.h"

using namespace pelmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  const ParseResult result = ParseArguments(arguments);
  if (!result.ok()) return 0;
  // A successful parse only yields what the renderer can use.
  const RenderOptions& options = result.options;
  if (options.command == RenderCommand::Render && options.outputPath.empty()) std::abort();
  for (const ParameterSetting& setting : options.settings)
    if (setting.index < 0 || setting.index >= CFace::kParameterCount) std::abort();
  const int seconds = options.animationSeconds;
  if (seconds != 0 &&
      (seconds < kMinAnimationSeconds || seconds > kMaxAnimationSeconds || !CanBeAnimated(options.format)))
    std::abort();
  return 0;
}
