#include "cli/face_files.h"

#include <vector>

#include "cli/options.h"
#include "cli/standard_streams.h"
#include "model/message_text.h"
#include "model/path_io.h"

namespace pelmoro {

namespace {

Status WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size, FlushMode flush) {
  if (path == kStandardStream) return WriteToStandardOutput(data, size);
  return WriteFileAtomically(path, data, size, flush);
}

}  // namespace

std::string NameForSeed(const std::string& pattern, std::uint32_t seed) {
  const std::string field = kSeedField;
  const std::string number = std::to_string(seed);
  std::string name;
  std::size_t from = 0;
  for (std::size_t at = pattern.find(field); at != std::string::npos; at = pattern.find(field, from)) {
    name.append(pattern, from, at - from).append(number);
    from = at + field.size();
  }
  return name.append(pattern, from);
}

Status WriteFaceFiles(const FaceRequest& request, const FaceFiles& files, FlushMode flush) {
  std::vector<std::uint8_t> picture;
  if (Status drawn = RenderFaceRequest(request, picture); !drawn) {
    const std::string name = files.picture == kStandardStream ? kStandardOutputName : QuotedName(files.picture);
    return Status::Error("Cannot write " + name + ": " + drawn.message());
  }
  if (Status written = WriteBytes(files.picture, picture.data(), picture.size(), flush); !written) return written;
  if (files.document.empty()) return Status::Ok();
  const auto document = FaceRequestDocument(request);
  return WriteBytes(files.document, document.data(), document.size(), flush);
}

std::string SameFileProblem(const FaceFiles& files) {
  if (files.document.empty() || files.picture == kStandardStream || files.document == kStandardStream) return {};
  if (!NameTheSameFile(files.picture, files.document)) return {};
  return "-o " + QuotedName(files.picture) + " and --save " + QuotedName(files.document) +
         " name the same file (see --help)";
}

}  // namespace pelmoro
