#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/face_request.h"
#include "output/image.h"
#include "render/geometry.h"

namespace pelmoro {

// What one run of pelmoro-render does.
enum class RenderCommand { Render, Help, Version };

// The name that stands for standard input (as FACE.plm) or standard output (-o, --save).
inline constexpr const char* kStandardStream = "-";
// What a name of a batch holds where each face's seed goes.
inline constexpr const char* kSeedField = "{seed}";
// At most this many faces are drawn at once.
inline constexpr std::int64_t kMaxJobs = 256;

struct RenderOptions {
  RenderCommand command = RenderCommand::Render;
  std::string documentPath;  // empty: render a random face; "-": read it from standard input
  std::string outputPath;    // may hold {seed}; "-": standard output
  ImageFormat format = ImageFormat::Png;
  std::optional<ImageFormat> namedFormat;  // --format
  std::optional<std::uint32_t> seed;       // none: the current time in seconds
  std::optional<std::string> seedText;     // --seed-text, whose hash is the seed
  std::optional<std::uint64_t> count;      // --count: the faces of seeds seed to seed + count - 1
  unsigned jobs = 0;                       // 0: one per processor
  bool verbose = false;
  std::string savePath;  // empty: no document is written; may hold {seed}; "-": standard output
  std::vector<ParameterSetting> settings;
  std::int32_t eyePose = 0;
  std::int32_t mouthPose = 1;
  std::int32_t browPose = 1;
  std::optional<Rect> selection;  // the selection frame whose inside is written
  std::optional<double> scale;    // none: the exact picture (pixel formats) or scale 1 (SVG, PDF)
  bool transparent = false;       // nothing is painted behind the face
  int animationSeconds = 0;       // --animation: above 0, this long an animated GIF or WebP
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
