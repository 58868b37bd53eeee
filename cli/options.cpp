#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <string_view>
#include <thread>

#include "model/face.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "model/text_seed.h"
#include "output/animation_export.h"
#include "output/picture_export.h"

namespace pelmoro {

namespace {

constexpr std::int32_t kMaxPose = 2;
constexpr std::int64_t kMaxCount = std::int64_t{UINT32_MAX} + 1;
constexpr const char* kFormatNames = "png, jpg, bmp, gif, tif, webp, svg or pdf";

std::string FormatNames() { return kFormatNames; }

std::string Quoted(std::string_view text) { return QuotedName(text); }

// Exactly `count` comma-separated integers in [min, max].
std::optional<std::vector<std::int64_t>> ParseList(std::string_view text, std::size_t count, std::int64_t min,
                                                   std::int64_t max) {
  std::vector<std::int64_t> values;
  for (;;) {
    const std::size_t comma = text.find(',');
    const auto value = ParseInteger(text.substr(0, comma), min, max);
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (values.size() != count) return std::nullopt;
  return values;
}

// A decimal number such as 2, 0.5 or 1.75 written without sign, spaces or extra characters.
std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Each option's meaning: takes one value the command line gave it and stores it in the
// options; returns what is wrong with the value, or nothing.
using OptionHandler = std::string (*)(const std::string& value, RenderOptions& options);

std::string SetOutput(const std::string& value, RenderOptions& options) {
  if (value.empty()) return "-o needs a file name";
  options.outputPath = value;
  return {};
}

std::string SetSave(const std::string& value, RenderOptions& options) {
  if (value.empty()) return "--save needs a file name";
  options.savePath = value;
  return {};
}

std::string SetSeed(const std::string& value, RenderOptions& options) {
  const auto seed = ParseInteger(value, 0, UINT32_MAX);
  if (!seed) return "--seed " + Quoted(value) + " is not a number from 0 to 4294967295";
  options.seed = static_cast<std::uint32_t>(*seed);
  return {};
}

std::string SetSeedText(const std::string& value, RenderOptions& options) {
  options.seedText = value;
  return {};
}

std::string SetCount(const std::string& value, RenderOptions& options) {
  const auto count = ParseInteger(value, 1, kMaxCount);
  if (!count) return "--count " + Quoted(value) + " is not a number from 1 to 4294967296";
  options.count = static_cast<std::uint64_t>(*count);
  return {};
}

std::string SetJobs(const std::string& value, RenderOptions& options) {
  const auto jobs = ParseInteger(value, 1, kMaxJobs);
  if (!jobs) return "--jobs " + Quoted(value) + " is not a number from 1 to " + std::to_string(kMaxJobs);
  options.jobs = static_cast<unsigned>(*jobs);
  return {};
}

// A format by the name its files' extension has (png, jpg, tiff, ...), in any case.
std::string SetFormat(const std::string& value, RenderOptions& options) {
  const bool plainName =
      !value.empty() && std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isalnum(c); });
  const auto format = plainName ? FormatFromPath("picture." + value) : std::nullopt;
  if (!format) return "--format " + Quoted(value) + " is not one of " + FormatNames();
  options.namedFormat = *format;
  return {};
}

std::string AddSetting(const std::string& value, RenderOptions& options) {
  const std::size_t equals = value.find('=');
  if (equals == std::string::npos) return "--set " + Quoted(value) + " is not NAME=VALUE";
  ParameterSetting setting;
  const std::string problem = ParseParameterSetting(std::string_view(value).substr(0, equals),
                                                    std::string_view(value).substr(equals + 1), setting);
  if (!problem.empty()) return "--set: " + problem;
  options.settings.push_back(setting);
  return {};
}

std::string SetPose(const std::string& value, RenderOptions& options) {
  const auto poses = ParseList(value, 3, 0, kMaxPose);
  if (!poses) return "--pose " + Quoted(value) + " is not EYE,MOUTH,BROW with each 0, 1 or 2";
  options.eyePose = static_cast<std::int32_t>((*poses)[0]);
  options.mouthPose = static_cast<std::int32_t>((*poses)[1]);
  options.browPose = static_cast<std::int32_t>((*poses)[2]);
  return {};
}

std::string SetSelection(const std::string& value, RenderOptions& options) {
  const auto edges = ParseList(value, 4, INT32_MIN, INT32_MAX);
  if (!edges) return "--selection " + Quoted(value) + " is not LEFT,TOP,RIGHT,BOTTOM";
  // The frame line is not part of the selection: at least one pixel must lie inside it.
  if ((*edges)[2] - (*edges)[0] < 3 || (*edges)[3] - (*edges)[1] < 3)
    return "--selection " + Quoted(value) + " has no pixel inside its frame";
  options.selection = Rect{static_cast<std::int32_t>((*edges)[0]), static_cast<std::int32_t>((*edges)[1]),
                           static_cast<std::int32_t>((*edges)[2]), static_cast<std::int32_t>((*edges)[3])};
  return {};
}

std::string SetScale(const std::string& value, RenderOptions& options) {
  const auto scale = ParseDecimal(value);
  if (!scale || !(*scale >= kMinScale && *scale <= kMaxScale))
    return "--scale " + Quoted(value) + " is not a number from 0.25 to 16";
  options.scale = *scale;
  return {};
}

std::string SetAnimation(const std::string& value, RenderOptions& options) {
  const auto seconds = ParseInteger(value, kMinAnimationSeconds, kMaxAnimationSeconds);
  if (!seconds) return "--animation " + Quoted(value) + " is not a whole number of seconds from 1 to 600";
  options.animationSeconds = static_cast<int>(*seconds);
  return {};
}

// The options that take a value, in the order --help lists them. Adding an option is one
// line here and its handler.
struct ValueOption {
  const char* names;        // short and long names, e.g. "-o,--output"
  const char* valueName;    // the value's name in --help
  const char* description;  // for --help; a line break continues in the same column
  bool repeatable;          // may be given more than once; otherwise that is a usage error
  OptionHandler handler;
};

constexpr ValueOption kValueOptions[] = {
    {"-o,--output", "PICTURE",
     "the picture to write; - writes it to standard output\n(--format then says which); with --count, a name\n"
     "holding {seed}, e.g. faces/face-{seed}.png",
     false, SetOutput},
    {"--format", "FORMAT", "the picture's format whatever its name: png, jpg,\nbmp, gif, tif, webp, svg or pdf", false,
     SetFormat},
    {"--seed", "N", "seed for the random face, 0 to 4294967295\n(default: the current time in seconds)", false,
     SetSeed},
    {"--seed-text", "TEXT",
     "the face of a name: the seed is the 32-bit FNV-1a\nhash of TEXT's UTF-8 bytes (start 2166136261; for\n"
     "each byte XOR it in, multiply by 16777619 mod 2^32)",
     false, SetSeedText},
    {"--count", "K", "draw the K faces of seeds N to N+K-1 (N from --seed)", false, SetCount},
    {"--jobs", "J", "faces drawn at once, 1 to 256 (default: one per\nprocessor); the files do not depend on it", false,
     SetJobs},
    {"--save", "FACE.plm",
     "also save the face and its background as a document;\n- writes it to standard output; with --count, a name\n"
     "holding {seed}",
     false, SetSave},
    {"--set", "NAME=VALUE", "set one face parameter, e.g. faceSize=3 or glasses=2;\nmay be repeated", true, AddSetting},
    {"--pose", "EYE,MOUTH,BROW", "animation poses, each 0, 1 or 2 (default 0,1,1)", false, SetPose},
    {"--selection", "L,T,R,B", "write only the inside of a selection frame", false, SetSelection},
    {"--scale", "K",
     "draw the picture K times as large with smooth edges,\n0.25 to 16 (a PNG at --scale 8 is 1792 x 1536);\n"
     "without it pixel formats get the exact picture",
     false, SetScale},
    {"--animation", "SECONDS",
     "write SECONDS (1 to 600) of the window's animation\nas a GIF or WebP file that loops forever; the seed\n"
     "also draws its poses and times",
     false, SetAnimation},
};

constexpr const char* kDescription =
    "Draws a cartoon face (224 x 192 pixels) and writes it as a picture.\n"
    "The picture's format follows its extension: .png .jpg .jpeg .bmp .gif .tif .tiff\n"
    ".webp, or .svg and .pdf for vector files (224 x 192 units, one picture pixel a\n"
    "point). With --animation it is the window's animation as a GIF or WebP file.\n"
    "Without FACE.plm a random face is drawn over the start-up background; FACE.plm\n"
    "given as - is read from standard input.\n"
    "\n"
    "Many faces at once: --seed N --count K -o 'faces/face-{seed}.png' writes the K\n"
    "faces of seeds N to N+K-1, each file the same as --seed S -o alone writes for\n"
    "its seed S; every other option applies to every face. A face that cannot be\n"
    "written is reported and the others are still written. The files of a batch are\n"
    "flushed to disk together, once, at its end; they are complete on disk when the\n"
    "command returns. On a terminal a progress bar shows how far it is.";

constexpr const char* kFooter =
    "Exit status: 0 done, 1 bad command line (also: -o and --save naming one file),\n"
    "2 the face document cannot be read, 3 a picture, a document or this text\n"
    "cannot be written. Pictures and documents are written whole or not at all;\n"
    "pipes, devices and files you may not write are refused (- is standard output,\n"
    "which takes no picture or document when it is a terminal).";

// --help as this program shows it: the usage line first, then what the program does, the
// options in two columns and the exit statuses.
class HelpLayout : public CLI::Formatter {
 public:
  HelpLayout() {
    column_width(27);
    label("OPTIONS", "options");
  }
  std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
    return "Usage: pelmoro-render [FACE.plm] -o PICTURE [options]\n" + make_description(app) + "\nOptions:\n" +
           MakeOptions(app) + "\n" + make_footer(app);
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    return option->get_type_size() == 0 ? std::string() : " " + option->get_type_name();
  }

 private:
  std::string MakeOptions(const CLI::App* app) const {
    std::string text;
    for (const CLI::Option* option : app->get_options([](const CLI::Option* o) { return o->nonpositional(); }))
      text += make_option(option, false);
    return text;
  }
};

// The command line as CLI11 reads it: every value of every option, in order, and the words
// that are no option.
struct CommandLine {
  CLI::App app{kDescription, "pelmoro-render"};
  std::vector<std::vector<std::string>> values = std::vector<std::vector<std::string>>(std::size(kValueOptions));
  std::vector<CLI::Option*> options;
  std::vector<std::string> documents;
  CLI::Option* help = nullptr;
  CLI::Option* version = nullptr;
  CLI::Option* transparent = nullptr;
  CLI::Option* verbose = nullptr;

  CommandLine() {
    app.formatter(std::make_shared<HelpLayout>());
    app.footer(kFooter);
    app.set_help_flag();
    app.allow_extras();
    for (std::size_t i = 0; i < std::size(kValueOptions); ++i) {
      const ValueOption& option = kValueOptions[i];
      options.push_back(app.add_option(option.names, values[i], option.description)
                            ->type_name(option.valueName)
                            ->expected(1)
                            ->allow_extra_args(false)
                            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll));
    }
    transparent = app.add_flag("--transparent")
                      ->description(
                          "paint nothing behind the face: PNG, TIFF and WebP get\nan alpha channel, GIF a transparent "
                          "colour, SVG and\nPDF no background (JPEG and BMP cannot)")
                      ->disable_flag_override();
    verbose = app.add_flag("--verbose")
                  ->description("end with a line saying how many faces were written,\nhow fast, and how many failed")
                  ->disable_flag_override();
    help = app.add_flag("-h,--help")->description("show this text")->disable_flag_override();
    version = app.add_flag("--version")->description("show the version")->disable_flag_override();
    app.add_option("FACE.plm", documents)->expected(0, -1);
  }
};

// CLI11's words for the two faults of form it finds itself, said as the rest of the
// messages are; anything else in its own words.
std::string DescribeParseError(const CLI::Error& error) {
  const std::string text = error.what();
  const std::size_t colon = text.find(": ");
  if (text.ends_with(" missing") && colon != std::string::npos) return text.substr(0, colon) + " needs a value";
  const std::size_t override = text.find(" was given a disallowed flag override");
  if (override != std::string::npos) return "--" + text.substr(0, override) + " takes no value";
  return text;
}

class ArgumentChecker {
 public:
  explicit ArgumentChecker(CommandLine& line) : line_(line) {}

  ParseResult Check() {
    if (line_.help->count() > 0) return Command(RenderCommand::Help);
    if (line_.version->count() > 0) return Command(RenderCommand::Version);
    CheckUnknownOptions();
    CheckDocuments();
    for (std::size_t i = 0; i < std::size(kValueOptions); ++i) ApplyValues(kValueOptions[i], i);
    result_.options.transparent = line_.transparent->count() > 0;
    result_.options.verbose = line_.verbose->count() > 0;
    if (result_.ok()) CheckOutput();
    if (result_.ok()) CheckAnimation();
    if (result_.ok()) CheckSeeds();
    if (result_.ok()) CheckPatterns();
    return result_;
  }

 private:
  static ParseResult Command(RenderCommand command) {
    ParseResult result;
    result.options.command = command;
    return result;
  }

  void Fail(std::string message) {
    if (result_.ok()) result_.error = std::move(message);
  }

  // CLI11 leaves the "--" that ends the options among the words it did not take.
  void CheckUnknownOptions() {
    for (const std::string& word : line_.app.remaining())
      if (word != "--") return Fail("unknown option " + Quoted(word.substr(0, word.find('='))));
  }

  void CheckDocuments() {
    if (line_.documents.size() > 1) return Fail("more than one face document given: " + Quoted(line_.documents[1]));
    if (line_.documents.size() == 1 && line_.documents[0].empty()) return Fail("the face document's name is empty");
    if (!line_.documents.empty()) result_.options.documentPath = line_.documents[0];
  }

  void ApplyValues(const ValueOption& option, std::size_t index) {
    const std::vector<std::string>& values = line_.values[index];
    if (!option.repeatable && values.size() > 1) return Fail(line_.options[index]->get_name() + " given more than once");
    for (const std::string& value : values) Fail(option.handler(value, result_.options));
  }

  void CheckOutput() {
    RenderOptions& options = result_.options;
    if (options.outputPath.empty()) return Fail("no picture to write: give -o PICTURE");
    if (options.outputPath == kStandardStream && !options.namedFormat)
      return Fail("-o - writes to standard output: say the picture's format with --format");
    const auto format = options.namedFormat ? options.namedFormat : FormatFromPath(options.outputPath);
    if (!format) {
      return Fail("cannot tell the picture format of " + Quoted(options.outputPath) +
                  ": use .png, .jpg, .jpeg, .bmp, .gif, .tif, .tiff, .webp, .svg or .pdf, or --format");
    }
    options.format = *format;
    if (options.transparent && !CanBeTransparent(*format)) {
      Fail("--transparent: " + std::string(*format == ImageFormat::Jpeg ? "JPEG" : "BMP") +
           " files cannot have a transparent background; use .png, .gif, .tif, .tiff, .webp, .svg or .pdf");
    }
    if (options.outputPath == kStandardStream && options.savePath == kStandardStream)
      Fail("-o - and --save - both name standard output");
  }

  // An animation is a GIF or WebP file and shows the poses of its own.
  void CheckAnimation() {
    const RenderOptions& options = result_.options;
    if (options.animationSeconds == 0) return;
    if (!CanBeAnimated(options.format)) return Fail("--animation writes a GIF or WebP file: use .gif or .webp");
    for (std::size_t i = 0; i < std::size(kValueOptions); ++i) {
      if (kValueOptions[i].handler == SetPose && !line_.values[i].empty())
        return Fail("--pose and --animation cannot be given together: the animation makes its own poses");
    }
  }

  // Where the faces come from: a text, a seed and a count, or a document.
  void CheckSeeds() {
    RenderOptions& options = result_.options;
    if (options.seedText && (options.seed || options.count))
      return Fail("--seed-text makes the seed of one face: give it without --seed and --count");
    if (options.seedText) options.seed = SeedFromText(*options.seedText);
    // --seed and --seed-text are ignored with a document, which has its own face.
    if (!options.documentPath.empty() && options.count)
      return Fail("--count makes random faces: give it without FACE.plm");
    if (!options.count) return;
    const std::uint64_t first = options.seed.value_or(0);
    if (first + *options.count - 1 > UINT32_MAX) {
      Fail("--seed " + std::to_string(first) + " --count " + std::to_string(*options.count) +
           " goes past the last seed, 4294967295");
    }
  }

  // Several faces need a name each: both patterns hold {seed}. A document has no seed.
  void CheckPatterns() {
    const RenderOptions& options = result_.options;
    const bool several = options.count && *options.count > 1;
    for (const auto& [option, path] : {std::pair{"-o", &options.outputPath}, std::pair{"--save", &options.savePath}}) {
      const bool holdsSeed = path->find(kSeedField) != std::string::npos;
      if (several && *path == kStandardStream)
        return Fail(std::string(option) + " - takes one face, not --count " + std::to_string(*options.count));
      if (several && !path->empty() && !holdsSeed)
        return Fail(std::string(option) + " " + Quoted(*path) + " needs {seed} in it to name each of the faces");
      if (holdsSeed && !options.documentPath.empty())
        return Fail(std::string(option) + " " + Quoted(*path) + ": {seed} names random faces, and FACE.plm has none");
    }
  }

  CommandLine& line_;
  ParseResult result_;
};

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // CLI11 takes them last first
  try {
    line.app.parse(reversed);
  } catch (const CLI::Error& error) {
    ParseResult result;
    result.error = DescribeParseError(error);
    return result;
  }
  return ArgumentChecker(line).Check();
}

std::string UsageText() {
  CommandLine line;
  return line.app.help();
}

}  // namespace pelmoro
