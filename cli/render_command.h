#pragma once
#include <ostream>

#include "cli/options.h"

namespace pelmoro {

// Exit statuses of pelmoro-render.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitDocument = 2;
inline constexpr int kExitWrite = 3;

// Renders the face the options describe and writes the picture (and the document, when
// asked). A picture and document that would land in one file are a usage error, found
// before anything is written. Problems go to `errors`, one line each starting with "pelmoro-render: ".
// Returns the exit status.
int RunRender(const RenderOptions& options, std::ostream& errors);

// Writes one message line for the user, with any control characters inside it shown as
// escapes (a line break as \n).
void ReportError(std::ostream& errors, const std::string& message);

}  // namespace pelmoro
