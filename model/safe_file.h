#pragma once
#include <cstddef>
#include <string>

#include "model/status.h"

namespace pelmoro {

// Writes a file whole or not at all, and only where the user may write it.
//
// What stands at `path` decides how:
// - nothing, or a regular file with one name: the bytes go to a temporary file in the same
//   folder (".NAME.tmp-XXXXXXXX"), which is flushed to disk, given the old file's owner,
//   group and mode, and renamed over the target only when complete. A failure removes the
//   temporary file and leaves the old one untouched; so does SIGINT, SIGTERM or SIGHUP once
//   RemoveTemporaryFilesOnTermination() was called.
// - a regular file with more than one name (hard links): the file is rewritten in place so
//   that every name keeps showing one file. The room is reserved first, so a full disk fails
//   before anything changes; when a write fails half-way all the same (an input/output
//   error, a file system that cannot reserve room), the old bytes are written back. Only a
//   file that can be written but not read, or a device that also fails to take the old
//   bytes back, is left holding the new bytes up to the failure and the old bytes after it.
// - a symbolic link: the file it leads to is written as above and the link stays.
// - a folder ("Is a directory"), a pipe, device or socket ("not a regular file"), or a file
//   the user may not open for writing ("Permission denied", as the system decides with the
//   process's effective identity; root keeps root's rights): refused, nothing changes.
// Every error names the path and says the reason.
//
// With FlushMode::Later the content is not flushed to disk before the rename; a program
// that writes many files calls SyncFileSystemOf once at the end instead, and only then are
// they safe from a power cut.
enum class FlushMode { Now, Later };
Status WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                           FlushMode flush = FlushMode::Now);

// Flushes to disk everything written to the file system that holds `path` (a file written
// there, or to be), and reports an error the disk gave for any of it.
Status SyncFileSystemOf(const std::string& path);

// Lets tests simulate a disk that fills up: while on, the file content that any write puts
// down stops after `roomBytes` bytes in all (counted from the call) with ENOSPC. A byte
// count lets a test cut a write in the middle.
void SimulateDiskFullForTesting(bool on, std::size_t roomBytes = 0);

// Lets tests act in the middle of a write: `hook` runs just before the content goes into
// the file (a temporary file exists by then). nullptr removes it.
void SetWriteHookForTesting(void (*hook)());

}  // namespace pelmoro
