#include "serve/face_url.h"

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "model/face.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "model/random.h"
#include "model/text_seed.h"
#include "output/animation_frames.h"

namespace pelmoro {

namespace {

struct Extension {
  std::string_view name;
  std::optional<ImageFormat> format;  // none: the face document
  const char* contentType;
};

constexpr std::array<Extension, 9> kExtensions{{
    {"png", ImageFormat::Png, "image/png"},
    {"jpg", ImageFormat::Jpeg, "image/jpeg"},
    {"bmp", ImageFormat::Bmp, "image/bmp"},
    {"gif", ImageFormat::Gif, "image/gif"},
    {"tif", ImageFormat::Tiff, "image/tiff"},
    {"webp", ImageFormat::Webp, "image/webp"},
    {"svg", ImageFormat::Svg, "image/svg+xml"},
    {"pdf", ImageFormat::Pdf, "application/pdf"},
    {"plm", std::nullopt, "application/x-pelmoro-face"},
}};

const Extension* FindExtension(std::string_view name) {
  for (const Extension& extension : kExtensions)
    if (extension.name == name) return &extension;
  return nullptr;
}

// The picture of a 3584-pixel-wide face: the most work one request may ask for.
constexpr std::int64_t kMaxPixelsOfWork = kMaxWidth * (kMaxWidth * 192 / 224);

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// %XX escapes decoded; nothing when an escape is cut short or not hexadecimal.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

UrlMeaning BadRequest(std::string reason) {
  UrlMeaning meaning;
  meaning.kind = UrlKind::BadRequest;
  meaning.reason = EscapeControlBytes(reason);
  return meaning;
}

std::string ExtensionNames() {
  std::string names;
  for (const Extension& extension : kExtensions) names += std::string(names.empty() ? "" : " ") += extension.name;
  return names;
}

// The query's parameters by name, decoded; a reason when one is malformed or repeated.
std::string ReadQuery(std::string_view query, std::map<std::string, std::string>& parameters) {
  for (std::string_view part : Split(query, '&')) {
    if (part.empty()) continue;
    const std::size_t equals = part.find('=');
    if (equals == std::string_view::npos) return "the parameter " + QuotedName(part) + " needs a value (name=value)";
    const auto name = PercentDecoded(part.substr(0, equals));
    const auto value = PercentDecoded(part.substr(equals + 1));
    if (!name || !value) return "malformed %-escape in the parameter " + QuotedName(part);
    if (!parameters.emplace(*name, *value).second) return "the parameter " + QuotedName(*name) + " is given twice";
  }
  return {};
}

// Reads the options of a face from the query into the URL's request; the canonical
// parameters are the ones that change the bytes, written plainly.
class QueryReader {
 public:
  explicit QueryReader(FaceUrl& url) : url_(url) {}

  std::string Read(const std::map<std::string, std::string>& parameters) {
    for (const auto& [name, value] : parameters) {
      std::string problem = ReadOne(name, value);
      if (!problem.empty()) return problem;
    }
    return CheckCombination();
  }

  const std::map<std::string, std::string>& canonical() const { return canonical_; }

 private:
  std::string ReadOne(const std::string& name, const std::string& value) {
    if (name == "size") return ReadSize(value);
    if (name == "transparent") return ReadTransparent(value);
    if (name == "pose") return ReadPose(value);
    if (name == "animation") return ReadAnimation(value);
    ParameterSetting setting;
    std::string problem = ParseParameterSetting(name, value, setting);
    if (!problem.empty()) return problem;
    url_.request.settings.push_back(setting);
    canonical_[name] = std::to_string(setting.value);
    return {};
  }

  std::string ReadSize(const std::string& value) {
    const auto width = ParseInteger(value, kMinWidth, kMaxWidth);
    if (!width) return "size must be a width in pixels from 56 to 3584, not " + QuotedName(value);
    if (*width == kExactWidth) return {};
    url_.request.exportOptions.scale = static_cast<double>(*width) / kExactWidth;
    canonical_["size"] = std::to_string(*width);
    return {};
  }

  std::string ReadTransparent(const std::string& value) {
    const auto on = ParseInteger(value, 0, 1);
    if (!on) return "transparent must be 1 or 0, not " + QuotedName(value);
    url_.request.exportOptions.transparent = *on == 1;
    if (*on == 1) canonical_["transparent"] = "1";
    return {};
  }

  std::string ReadPose(const std::string& value) {
    const std::vector<std::string_view> parts = Split(value, ',');
    std::array<std::optional<std::int64_t>, 3> poses;
    for (std::size_t i = 0; i < poses.size() && parts.size() == poses.size(); ++i)
      poses[i] = ParseInteger(parts[i], 0, 2);
    if (!poses[0] || !poses[1] || !poses[2])
      return "pose must be three poses E,M,B, each 0, 1 or 2, not " + QuotedName(value);
    url_.request.pose = {static_cast<std::int32_t>(*poses[0]), static_cast<std::int32_t>(*poses[1]),
                         static_cast<std::int32_t>(*poses[2])};
    const FacePose rest;
    if (url_.request.pose.eye == rest.eye && url_.request.pose.mouth == rest.mouth &&
        url_.request.pose.brow == rest.brow)
      return {};
    canonical_["pose"] = std::to_string(*poses[0]) + "," + std::to_string(*poses[1]) + "," + std::to_string(*poses[2]);
    posed_ = true;
    return {};
  }

  std::string ReadAnimation(const std::string& value) {
    const auto seconds = ParseInteger(value, 1, kMaxServedAnimationSeconds);
    if (!seconds) return "animation must be a number of seconds from 1 to 30, not " + QuotedName(value);
    url_.request.animationSeconds = static_cast<int>(*seconds);
    canonical_["animation"] = std::to_string(*seconds);
    return {};
  }

  std::string CheckCombination() const {
    if (url_.document) {
      for (const char* option : {"size", "transparent", "pose", "animation"})
        if (canonical_.count(option) > 0) return std::string(option) + " does not apply to the face document (plm)";
      return {};
    }
    if (url_.request.animationSeconds > 0) {
      if (posed_) return "pose does not apply to an animation, whose poses come from the animation itself";
      std::string problem = AnimationProblem(url_.request.exportOptions, url_.request.animationSeconds);
      return problem.empty() ? AnimationWorkProblem() : problem;
    }
    return ExportOptionsProblem(url_.request.exportOptions);
  }

  // An animation may ask for as many pixels as one picture of the largest width, so that
  // no request makes more work than that.
  std::string AnimationWorkProblem() const {
    CRandom random(*url_.request.seed);
    CFace face;
    face.Randomize(random);
    const std::size_t frames = PlayableSequence(random, url_.request.animationSeconds * 1000).size();
    const double scale = url_.request.exportOptions.scale.value_or(1);
    const auto width = static_cast<std::int64_t>(scale * 224 + 0.5),
               height = static_cast<std::int64_t>(scale * 192 + 0.5);
    if (static_cast<std::int64_t>(frames) * width * height <= kMaxPixelsOfWork) return {};
    return "this animation has " + std::to_string(frames) + " frames of " + std::to_string(width) + " x " +
           std::to_string(height) + " pixels, more than one 3584-pixel picture: make it shorter or smaller";
  }

  FaceUrl& url_;
  std::map<std::string, std::string> canonical_;
  bool posed_ = false;
};

// The seed and extension of the last part of a face path: "7.png" or, by name, "ada.png".
UrlMeaning ReadFaceFile(std::string_view file, bool byName, std::string_view query) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return BadRequest("the face needs a file extension: one of " + ExtensionNames());
  const std::string_view stem = file.substr(0, dot), extensionName = file.substr(dot + 1);
  const Extension* extension = FindExtension(extensionName);
  if (!extension) return BadRequest("unknown extension " + QuotedName(extensionName) + ": use " + ExtensionNames());

  UrlMeaning meaning;
  meaning.kind = UrlKind::Face;
  FaceUrl& url = meaning.face;
  if (byName) {
    const auto text = PercentDecoded(stem);
    if (!text) return BadRequest("malformed %-escape in the name " + QuotedName(stem));
    if (text->size() > kMaxNameBytes) return BadRequest("the name is longer than 256 bytes");
    url.request.seed = SeedFromText(*text);
  } else {
    const auto seed = ParseInteger(stem, 0, 4294967295);
    if (!seed || stem.front() == '-')
      return BadRequest("the seed must be a number from 0 to 4294967295, not " + QuotedName(stem));
    url.request.seed = static_cast<std::uint32_t>(*seed);
  }
  url.extension = extension->name;
  url.document = !extension->format;
  if (extension->format) url.request.exportOptions.format = *extension->format;

  std::map<std::string, std::string> parameters;
  std::string problem = ReadQuery(query, parameters);
  QueryReader reader(url);
  if (problem.empty()) problem = reader.Read(parameters);
  if (!problem.empty()) return BadRequest(problem);

  url.canonical = "/face/" + std::to_string(*url.request.seed) + "." + url.extension;
  char separator = '?';
  for (const auto& [name, value] : reader.canonical()) {
    url.canonical += separator + name + "=" + value;
    separator = '&';
  }
  return meaning;
}

}  // namespace

UrlMeaning ParseRequestTarget(std::string_view target) {
  const std::size_t question = target.find('?');
  const std::string_view path = target.substr(0, question);
  const std::string_view query = question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
  if (path == "/healthz") return UrlMeaning{UrlKind::Health, {}, {}};
  const std::vector<std::string_view> parts = Split(path, '/');
  if (parts.back().empty()) return UrlMeaning{};
  if (parts.size() == 3 && parts[0].empty() && parts[1] == "face") return ReadFaceFile(parts[2], false, query);
  if (parts.size() == 4 && parts[0].empty() && parts[1] == "face" && parts[2] == "name")
    return ReadFaceFile(parts[3], true, query);
  return UrlMeaning{};
}

std::string EntityTag(std::string_view canonical) {
  std::uint64_t hash = 14695981039346656037ull;
  const std::string text = std::string(PELMORO_VERSION) + '\n' + std::string(canonical);
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string tag = "\"";
  for (int shift = 60; shift >= 0; shift -= 4) tag += kDigits[(hash >> shift) & 0xF];
  return tag + "\"";
}

const char* ContentTypeFor(std::string_view extension) {
  const Extension* found = FindExtension(extension);
  return found ? found->contentType : "application/octet-stream";
}

}  // namespace pelmoro
