#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/image.h"
#include "render/geometry.h"

namespace pelmoro {

// What one run of pelmoro-render does.
enum class RenderCommand { Render, Help, Version };

// One --set NAME=VALUE: the parameter's index in document order and its new value.
struct ParameterSetting {
  int index = 0;
  std::int32_t value = 0;
};

struct RenderOptions {
  RenderCommand command = RenderCommand::Render;
  std::string documentPath;  // empty: render a random face
  std::string outputPath;
  ImageFormat format = ImageFormat::Png;
  std::optional<std::uint32_t> seed;  // none: the current time in seconds
  std::string savePath;               // empty: no document is written
  std::vector<ParameterSetting> settings;
  std::int32_t eyePose = 0;
  std::int32_t mouthPose = 1;
  std::int32_t browPose = 1;
  std::optional<Rect> selection;  // the selection frame whose inside is written
  std::optional<double> scale;    // none: the exact picture (pixel formats) or scale 1 (SVG, PDF)
  bool transparent = false;       // nothing is painted behind the face
};

// The options, or a message saying what is wrong with the command line.
struct ParseResult {
  RenderOptions options;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Parses the arguments that follow the program name.
ParseResult ParseArguments(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace pelmoro
