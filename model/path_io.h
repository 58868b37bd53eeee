#pragma once
#include <string>

namespace pelmoro {

// File-system helpers that work for paths of any length: a path longer than the system's
// limit is reached one folder at a time.

// Opens the folder that holds `path` and sets `base` to the last component. Returns the
// folder's descriptor, or -1 with the system's error number in `error`.
int OpenParentDirectory(const std::string& path, std::string* base, int* error);

// Opens `path` for reading (O_RDONLY); -1 with `error` set on failure.
int OpenForReading(const std::string& path, int* error);

// Reads the target of a symbolic link; false when `path` is not a link.
bool ReadLink(const std::string& path, std::string* target);

// Follows a chain of symbolic links to the name that is not a link (which may not exist
// yet). A chain that never ends (links pointing at each other) gives false, as the system's
// own lookup fails with ELOOP.
bool ResolveLinks(const std::string& path, std::string* resolved);

// True when writing to `a` and to `b` would write one file: both exist and are the same
// file (through links, or as hard links of each other), or neither exists yet and both
// lead to the same name in the same folder.
bool NameTheSameFile(const std::string& a, const std::string& b);

}  // namespace pelmoro
