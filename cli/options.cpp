#include "cli/options.h"

#include <charconv>
#include <string_view>

#include "model/face.h"
#include "model/message_text.h"

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

class ArgumentParser {
 public:
  explicit ArgumentParser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  ParseResult Parse() {
    bool onlyNames = false;
    while (next_ < arguments_.size() && result_.ok() && result_.options.command == RenderCommand::Render) {
      const std::string& argument = arguments_[next_++];
      if (onlyNames || argument == "-" || argument.empty() || argument[0] != '-') {
        AddDocument(argument);
      } else if (argument == "--") {
        onlyNames = true;
      } else {
        HandleOption(argument);
      }
    }
    if (result_.ok() && result_.options.command == RenderCommand::Render) CheckOutput();
    return result_;
  }

 private:
  void Fail(std::string message) {
    if (result_.ok()) result_.error = std::move(message);
  }

  void AddDocument(const std::string& path) {
    if (!result_.options.documentPath.empty()) return Fail("more than one face document given: " + Quoted(path));
    if (path.empty()) return Fail("the face document's name is empty");
    result_.options.documentPath = path;
  }

  // Splits "--name=value" and dispatches on the name.
  void HandleOption(const std::string& argument) {
    const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
    const std::string name = argument.substr(0, equals);
    std::optional<std::string> inlineValue;
    if (equals != std::string::npos) inlineValue = argument.substr(equals + 1);

    if (name == "--help" || name == "-h" || name == "--version") {
      if (inlineValue) return Fail(name + " takes no value");
      result_.options.command = name == "--version" ? RenderCommand::Version : RenderCommand::Help;
      return;
    }
    std::string value;
    if (!TakeValue(name, inlineValue, value)) return;
    if (name == "-o" || name == "--output") return SetOnce(name, result_.options.outputPath, value);
    if (name == "--save") return SetOnce(name, result_.options.savePath, value);
    if (name == "--seed") return SetSeed(value);
    if (name == "--set") return AddSetting(value);
    if (name == "--pose") return SetPose(value);
    if (name == "--selection") return SetSelection(value);
    Fail("unknown option " + Quoted(name));
  }

  bool TakeValue(const std::string& name, const std::optional<std::string>& inlineValue, std::string& value) {
    if (inlineValue) {
      value = *inlineValue;
      return true;
    }
    if (next_ >= arguments_.size()) {
      Fail(IsKnownValueOption(name) ? name + " needs a value" : "unknown option " + Quoted(name));
      return false;
    }
    value = arguments_[next_++];
    return true;
  }

  static bool IsKnownValueOption(const std::string& name) {
    for (const char* known : {"-o", "--output", "--save", "--seed", "--set", "--pose", "--selection"}) {
      if (name == known) return true;
    }
    return false;
  }

  void SetOnce(const std::string& name, std::string& target, const std::string& value) {
    if (!target.empty()) return Fail(name + " given more than once");
    if (value.empty()) return Fail(name + " needs a file name");
    target = value;
  }

  void SetSeed(const std::string& value) {
    if (result_.options.seed) return Fail("--seed given more than once");
    const auto seed = ParseInteger(value, 0, UINT32_MAX);
    if (!seed) return Fail("--seed " + Quoted(value) + " is not a number from 0 to 4294967295");
    result_.options.seed = static_cast<std::uint32_t>(*seed);
  }

  void AddSetting(const std::string& value) {
    const std::size_t equals = value.find('=');
    if (equals == std::string::npos) return Fail("--set " + Quoted(value) + " is not NAME=VALUE");
    const std::string name = value.substr(0, equals);
    const auto index = ParameterIndex(name);
    if (!index) return Fail("--set: unknown face parameter " + Quoted(name) + "; the names are " + ParameterNames());
    const std::int32_t max = CFace::DocumentParameterMax(*index);
    const auto number = ParseInteger(std::string_view(value).substr(equals + 1), 0, max);
    if (!number)
      return Fail("--set: " + name + " must be a number from 0 to " + std::to_string(max) + ", not " +
                  Quoted(value.substr(equals + 1)));
    result_.options.settings.push_back({*index, static_cast<std::int32_t>(*number)});
  }

  void SetPose(const std::string& value) {
    if (poseGiven_) return Fail("--pose given more than once");
    poseGiven_ = true;
    const auto poses = ParseList(value, 3, 0, kMaxPose);
    if (!poses) return Fail("--pose " + Quoted(value) + " is not EYE,MOUTH,BROW with each 0, 1 or 2");
    result_.options.eyePose = static_cast<std::int32_t>((*poses)[0]);
    result_.options.mouthPose = static_cast<std::int32_t>((*poses)[1]);
    result_.options.browPose = static_cast<std::int32_t>((*poses)[2]);
  }

  void SetSelection(const std::string& value) {
    if (result_.options.selection) return Fail("--selection given more than once");
    const auto edges = ParseList(value, 4, INT32_MIN, INT32_MAX);
    if (!edges) return Fail("--selection " + Quoted(value) + " is not LEFT,TOP,RIGHT,BOTTOM");
    const Rect frame{static_cast<std::int32_t>((*edges)[0]), static_cast<std::int32_t>((*edges)[1]),
                     static_cast<std::int32_t>((*edges)[2]), static_cast<std::int32_t>((*edges)[3])};
    // The frame line is not part of the selection: at least one pixel must lie inside it.
    if ((*edges)[2] - (*edges)[0] < 3 || (*edges)[3] - (*edges)[1] < 3) {
      return Fail("--selection " + Quoted(value) + " has no pixel inside its frame");
    }
    result_.options.selection = frame;
  }

  void CheckOutput() {
    RenderOptions& options = result_.options;
    if (options.outputPath.empty()) return Fail("no picture to write: give -o PICTURE");
    const auto format = FormatFromPath(options.outputPath);
    if (!format) {
      return Fail("cannot tell the picture format of " + Quoted(options.outputPath) +
                  ": use .png, .jpg, .jpeg, .bmp, .gif, .tif or .tiff");
    }
    options.format = *format;
  }

  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
  bool poseGiven_ = false;
  ParseResult result_;
};

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) { return ArgumentParser(arguments).Parse(); }

const char* UsageText() {
  return "Usage: pelmoro-render [FACE.plm] -o PICTURE [options]\n"
         "Draws a cartoon face (224 x 192 pixels) and writes it as a picture.\n"
         "The picture's format follows its extension: .png .jpg .jpeg .bmp .gif .tif .tiff\n"
         "Without FACE.plm a random face is drawn over the start-up background.\n"
         "\n"
         "Options:\n"
         "  -o, --output PICTURE     the picture to write\n"
         "  --seed N                 seed for the random face, 0 to 4294967295\n"
         "                           (default: the current time in seconds)\n"
         "  --save FACE.plm          also save the face and its background as a document\n"
         "  --set NAME=VALUE         set one face parameter, e.g. faceSize=3 or glasses=2;\n"
         "                           may be repeated\n"
         "  --pose EYE,MOUTH,BROW    animation poses, each 0, 1 or 2 (default 0,1,1)\n"
         "  --selection L,T,R,B      write only the inside of a selection frame\n"
         "  -h, --help               show this text\n"
         "  --version                show the version\n"
         "\n"
         "Exit status: 0 done, 1 bad command line (also: -o and --save naming one file),\n"
         "2 the face document cannot be read, 3 the picture, the document or this text\n"
         "cannot be written. Pictures and documents are written whole or not at all;\n"
         "pipes, devices and files you may not write are refused.\n";
}

}  // namespace pelmoro
