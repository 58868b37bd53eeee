#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <string_view>

#include "model/face.h"
#include "model/message_text.h"
#include "output/picture_export.h"

namespace pelmoro {

namespace {

constexpr std::int32_t kMaxPose = 2;

std::string Quoted(std::string_view text) { return QuotedName(text); }

// A decimal integer in [min, max], written without sign (or with '-'), spaces or extra
// characters; nothing otherwise.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < min || value > max) return std::nullopt;
  return value;
}

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

std::optional<int> ParameterIndex(std::string_view name) {
  for (int i = 0; i < CFace::kParameterCount; ++i) {
    if (name == CFace::DocumentParameterName(i)) return i;
  }
  return std::nullopt;
}

std::string ParameterNames() {
  std::string names;
  for (int i = 0; i < CFace::kParameterCount; ++i)
    names += std::string(i > 0 ? ", " : "") + CFace::DocumentParameterName(i);
  return names;
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

std::string AddSetting(const std::string& value, RenderOptions& options) {
  const std::size_t equals = value.find('=');
  if (equals == std::string::npos) return "--set " + Quoted(value) + " is not NAME=VALUE";
  const std::string name = value.substr(0, equals);
  const auto index = ParameterIndex(name);
  if (!index) return "--set: unknown face parameter " + Quoted(name) + "; the names are " + ParameterNames();
  const std::int32_t max = CFace::DocumentParameterMax(*index);
  const auto number = ParseInteger(std::string_view(value).substr(equals + 1), 0, max);
  if (!number)
    return "--set: " + name + " must be a number from 0 to " + std::to_string(max) + ", not " +
           Quoted(value.substr(equals + 1));
  options.settings.push_back({*index, static_cast<std::int32_t>(*number)});
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

// The options that take a value, in the order --help lists them. Adding an option is one
// line here and its handler.
struct OptionSpec {
  const char* names;        // short and long names, e.g. "-o,--output"
  const char* valueName;    // the value's name in --help
  const char* description;  // for --help; a line break continues in the same column
  bool repeatable;          // may be given more than once; otherwise that is a usage error
  OptionHandler handler;
};

constexpr OptionSpec kValueOptions[] = {
    {"-o,--output", "PICTURE", "the picture to write", false, SetOutput},
    {"--seed", "N", "seed for the random face, 0 to 4294967295\n(default: the current time in seconds)", false,
     SetSeed},
    {"--save", "FACE.plm", "also save the face and its background as a document", false, SetSave},
    {"--set", "NAME=VALUE", "set one face parameter, e.g. faceSize=3 or glasses=2;\nmay be repeated", true, AddSetting},
    {"--pose", "EYE,MOUTH,BROW", "animation poses, each 0, 1 or 2 (default 0,1,1)", false, SetPose},
    {"--selection", "L,T,R,B", "write only the inside of a selection frame", false, SetSelection},
    {"--scale", "K",
     "draw the picture K times as large with smooth edges,\n0.25 to 16 (a PNG at --scale 8 is 1792 x 1536);\n"
     "without it pixel formats get the exact picture",
     false, SetScale},
};

constexpr const char* kDescription =
    "Draws a cartoon face (224 x 192 pixels) and writes it as a picture.\n"
    "The picture's format follows its extension: .png .jpg .jpeg .bmp .gif .tif .tiff,\n"
    "or .svg and .pdf for vector files (224 x 192 units, one picture pixel a point).\n"
    "Without FACE.plm a random face is drawn over the start-up background.";

constexpr const char* kFooter =
    "Exit status: 0 done, 1 bad command line (also: -o and --save naming one file),\n"
    "2 the face document cannot be read, 3 the picture, the document or this text\n"
    "cannot be written. Pictures and documents are written whole or not at all;\n"
    "pipes, devices and files you may not write are refused.";

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

  CommandLine() {
    app.formatter(std::make_shared<HelpLayout>());
    app.footer(kFooter);
    app.set_help_flag();
    app.allow_extras();
    for (std::size_t i = 0; i < std::size(kValueOptions); ++i) {
      const OptionSpec& spec = kValueOptions[i];
      options.push_back(app.add_option(spec.names, values[i], spec.description)
                            ->type_name(spec.valueName)
                            ->expected(1)
                            ->allow_extra_args(false)
                            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll));
    }
    transparent = app.add_flag("--transparent")
                      ->description(
                          "paint nothing behind the face: PNG and TIFF get an alpha\nchannel, GIF a transparent "
                          "colour, SVG and PDF no\nbackground (JPEG and BMP cannot)")
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
    if (result_.ok()) CheckOutput();
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

  void ApplyValues(const OptionSpec& spec, std::size_t index) {
    const std::vector<std::string>& values = line_.values[index];
    if (!spec.repeatable && values.size() > 1) return Fail(line_.options[index]->get_name() + " given more than once");
    for (const std::string& value : values) Fail(spec.handler(value, result_.options));
  }

  void CheckOutput() {
    RenderOptions& options = result_.options;
    if (options.outputPath.empty()) return Fail("no picture to write: give -o PICTURE");
    const auto format = FormatFromPath(options.outputPath);
    if (!format) {
      return Fail("cannot tell the picture format of " + Quoted(options.outputPath) +
                  ": use .png, .jpg, .jpeg, .bmp, .gif, .tif, .tiff, .svg or .pdf");
    }
    options.format = *format;
    if (options.transparent && !CanBeTransparent(*format)) {
      Fail("--transparent: " + std::string(*format == ImageFormat::Jpeg ? "JPEG" : "BMP") +
           " files cannot have a transparent background; use .png, .gif, .tif, .tiff, .svg or .pdf");
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
