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
// asked). Problems go to `errors`, one line each starting with "pelmoro-render: ".
// Returns the exit status.
int RunRender(const RenderOptions& options, std::ostream& errors);

// Writes one message line for the user, with any line breaks inside it shown as \n.
void ReportError(std::ostream& errors, const std::string& message);

}  // namespace pelmoro
