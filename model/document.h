#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/face.h"
#include "model/fill_settings.h"
#include "model/status.h"

namespace pelmoro {

// A face document is 34 little-endian 32-bit words: the format word 1000, the 25 face
// parameters in document order, then the eight fill settings.
inline constexpr std::size_t kDocumentWords = 34;
inline constexpr std::size_t kDocumentSize = kDocumentWords * 4;
inline constexpr std::size_t kFacePartSize = 26 * 4;

// What a load found wrong, for messages; the record and fill keep whatever was read.
struct LoadReport {
  std::size_t bytesRead = 0;  // bytes of the document that were there (at most 136)
  bool endedEarly = false;    // the file ended before the 136th byte
  int badField = -1;          // document index (0..24) of the first parameter out of range
  std::int32_t badValue = 0;
  bool faceFailed = false;  // the face part failed (the record's loadFailed)
  bool fillFailed = false;  // the file ended inside the fill part

  // True when the picture must show the loading error.
  bool LoadError() const { return faceFailed || fillFailed; }
  // One line saying why the load failed, e.g. "the file ends after 104 of 136 bytes" or
  // "faceSize is 12, outside 0 to 11"; empty when nothing failed.
  std::string Describe() const;
};

// The bytes Save writes for a face and its fill.
std::array<std::uint8_t, kDocumentSize> EncodeDocument(const CFace& face, const FillSettings& fill);

// Reads a document from its first `size` bytes into face and fill, as Open does: values
// out of range are kept and fail the load; a short document keeps the fields not reached;
// bytes after the 136th are ignored.
LoadReport DecodeDocument(const std::uint8_t* data, std::size_t size, CFace& face, FillSettings& fill);

// Saves the document whole or not at all (the old file stays when writing fails).
Status SaveDocument(const std::string& path, const CFace& face, const FillSettings& fill);

// Opens and reads a document. A file that cannot be opened, is not a regular file or fails
// to read (an input/output error) comes back as an error with the system's reason and
// changes nothing; otherwise the outcome of the read is in `report`.
// Only the first 136 bytes are ever read.
Status LoadDocument(const std::string& path, CFace& face, FillSettings& fill, LoadReport& report);

// Reads a document from an open descriptor of any kind (a pipe, a terminal) up to its end
// or the 136th byte, whichever comes first; `name` is what a read error calls it.
Status ReadDocument(int fd, const std::string& name, CFace& face, FillSettings& fill, LoadReport& report);

}  // namespace pelmoro
