#pragma once
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#include "model/status.h"

namespace pelmoro {

// Writes a file whole or not at all: the content goes to a temporary file in the target's
// folder, which is flushed to disk and renamed over the target only when complete. When
// the target is a symbolic link, the file it points to is replaced and the link stays. Any
// failure removes the temporary file, leaves the old target untouched and comes back as an
// error naming the path and the system's reason.
//
// `write` receives the open temporary file and returns an error status to abort.
Status WriteFileAtomically(const std::string& path, const std::function<Status(std::FILE*)>& write);

// The same for a prepared byte buffer.
Status WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Lets tests simulate a full disk: while on, every atomic write fails as a full disk would,
// after the temporary file was created and before it replaces the target.
void SimulateDiskFullForTesting(bool on);

}  // namespace pelmoro
