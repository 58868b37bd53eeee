#pragma once
// The files of one face: its picture and, when asked, its document, each a file or
// standard output ("-").
#include <cstdint>
#include <string>

#include "model/safe_file.h"
#include "model/status.h"
#include "output/face_request.h"

namespace pelmoro {

// A name of a batch with every {seed} replaced by the seed in decimal.
std::string NameForSeed(const std::string& pattern, std::uint32_t seed);

// Where one face goes: the picture (never empty) and the document (empty: none).
struct FaceFiles {
  std::string picture;
  std::string document;
};

// Draws the face and writes its picture, then its document. A picture that cannot be
// written leaves the document unwritten. The error names the file and the reason.
Status WriteFaceFiles(const FaceRequest& request, const FaceFiles& files, FlushMode flush);

// A picture and a document that would land in one file: the message to report, or an empty
// text.
std::string SameFileProblem(const FaceFiles& files);

}  // namespace pelmoro
