#pragma once
// Faces through pipes: a document read from standard input, a picture or document written
// to standard output.
#include <cstddef>
#include <cstdint>

#include "model/document.h"
#include "model/status.h"

namespace pelmoro {

// What messages call the two streams.
inline constexpr const char* kStandardInputName = "standard input";
inline constexpr const char* kStandardOutputName = "standard output";

// Reads a face document from standard input up to its 136th byte or the end of the stream.
// A terminal is refused: a document is binary and is piped or redirected in.
Status ReadDocumentFromStandardInput(CFace& face, FillSettings& fill, LoadReport& report);

// Writes the bytes to standard output, all of them or an error (a closed pipe, a full
// disk). A terminal is refused before anything is written: the bytes are a file's, not text.
Status WriteToStandardOutput(const std::uint8_t* data, std::size_t size);

}  // namespace pelmoro
