#include "model/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "model/message_text.h"
#include "model/path_io.h"
#include "model/termination_cleanup.h"

namespace pelmoro {

namespace {

std::atomic<bool> g_simulateDiskFull{false};
std::atomic<std::size_t> g_simulatedRoom{0};
std::atomic<void (*)()> g_writeHook{nullptr};

Status Failure(const std::string& path, const std::string& reason) {
  return Status::Error("Cannot write " + QuotedName(path) + ": " + reason);
}

Status WriteError(const std::string& path, int error) { return Failure(path, std::strerror(error)); }

Status NotRegularFile(const std::string& path) { return Failure(path, "not a regular file"); }

// How many of `wanted` bytes the simulated disk still takes (all of them when it is off).
std::size_t SimulatedRoom(std::size_t wanted) {
  if (!g_simulateDiskFull) return wanted;
  std::size_t room = g_simulatedRoom.load();
  std::size_t taken = 0;
  do {
    taken = std::min(room, wanted);
  } while (!g_simulatedRoom.compare_exchange_weak(room, room - taken));
  return taken;
}

// Puts the bytes down at `offset`; false with the system's error number on failure.
bool WriteAt(int fd, const std::uint8_t* data, std::size_t size, off_t offset, int* error) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t written = pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      *error = written < 0 ? errno : EIO;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// The new content: as WriteAt, but a simulated full disk stops it where its room ends.
bool WriteContent(int fd, const std::uint8_t* data, std::size_t size, int* error) {
  if (void (*hook)() = g_writeHook.load()) hook();
  const std::size_t room = SimulatedRoom(size);
  if (!WriteAt(fd, data, room, 0, error)) return false;
  if (room < size) {
    *error = ENOSPC;
    return false;
  }
  return true;
}

bool Sync(int fd, int* error) {
  if (fsync(fd) == 0) return true;
  *error = errno;
  return false;
}

std::string RandomSuffix() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += kDigits[generator() % (sizeof kDigits - 1)];
  return suffix;
}

// Creates a new temporary file beside `base` in the open folder and registers it for removal
// on a termination signal; returns its descriptor.
int CreateTemporary(int dirFd, const std::string& base, std::string* tempName, std::optional<TemporaryFileGuard>* guard,
                    int* error) {
  const std::string stem = "." + base.substr(0, std::min<std::size_t>(base.size(), 200)) + ".tmp-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    *tempName = stem + RandomSuffix();
    TerminationSignalsHeld held;
    const int fd = openat(dirFd, tempName->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      guard->emplace(dirFd, *tempName);
      return fd;
    }
    *error = errno;
    if (*error != EEXIST) return -1;
  }
  return -1;
}

// Gives the new file the owner, group and mode of the file it replaces. The owner comes
// first because changing it clears the set-user-ID and set-group-ID bits. Where the user
// may not give the file its old owner, the group alone is tried (a user may give any group
// they belong to); where that is not allowed either, the new file stays theirs.
void KeepOwnerAndMode(int fd, const struct stat& old) {
  if (fchown(fd, old.st_uid, old.st_gid) != 0) (void)fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  fchmod(fd, old.st_mode & 07777);
}

Status ReplaceByRename(int dirFd, const std::string& base, const std::string& path, const std::uint8_t* data,
                       std::size_t size, const struct stat* old, FlushMode flush) {
  std::string tempName;
  std::optional<TemporaryFileGuard> guard;
  int error = 0;
  const int fd = CreateTemporary(dirFd, base, &tempName, &guard, &error);
  if (fd < 0) return WriteError(path, error);
  if (old != nullptr) KeepOwnerAndMode(fd, *old);

  bool written = WriteContent(fd, data, size, &error) && (flush == FlushMode::Later || Sync(fd, &error));
  if (close(fd) != 0 && written) {
    error = errno;
    written = false;
  }
  TerminationSignalsHeld held;
  if (written && renameat(dirFd, tempName.c_str(), dirFd, base.c_str()) != 0) {
    error = errno;
    written = false;
  }
  if (!written) unlinkat(dirFd, tempName.c_str(), 0);
  guard.reset();
  return written ? Status::Ok() : WriteError(path, error);
}

// The first `size` bytes of the open file, as far as they can be read; empty when the file
// is open for writing only.
std::vector<std::uint8_t> ReadStart(int fd, std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = pread(fd, bytes.data() + done, size - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

// Reserves the room the new content needs, so that a full disk fails before any byte of the
// file changes. File systems that cannot reserve room are written without.
bool ReserveRoom(int fd, std::size_t size, int* error) {
  if (size == 0 || fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
  if (errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL) return true;
  *error = errno;
  return false;
}

// Undoes a failed rewrite as far as the device lets it: the overwritten bytes and the old
// length come back.
void PutBack(int fd, const std::vector<std::uint8_t>& overwritten, off_t oldSize) {
  int error = 0;
  if (WriteAt(fd, overwritten.data(), overwritten.size(), 0, &error) && ftruncate(fd, oldSize) == 0) Sync(fd, &error);
}

// Writes a multiply-linked file in place: write the new bytes over the old, cut the file to
// the new length, flush. A failed write puts back what it overwrote and the old length.
Status RewriteInPlace(int dirFd, const std::string& base, const std::string& path, const std::uint8_t* data,
                      std::size_t size, FlushMode flush) {
  // The file is never left half-written by a termination signal: it takes effect after.
  TerminationSignalsHeld held;
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = openat(dirFd, base.c_str(), O_RDWR | kFlags);
  if (fd < 0 && errno == EACCES) fd = openat(dirFd, base.c_str(), O_WRONLY | kFlags);
  if (fd < 0) return WriteError(path, errno);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return NotRegularFile(path);
  }
  const std::size_t oldSize = static_cast<std::size_t>(info.st_size);
  const std::vector<std::uint8_t> overwritten = ReadStart(fd, std::min(size, oldSize));

  int error = 0;
  if (!ReserveRoom(fd, size, &error)) {
    close(fd);
    return WriteError(path, error);
  }
  bool written = WriteContent(fd, data, size, &error);
  if (written && ftruncate(fd, static_cast<off_t>(size)) != 0) {
    error = errno;
    written = false;
  }
  if (!written) PutBack(fd, overwritten, info.st_size);
  if (written && flush == FlushMode::Now && !Sync(fd, &error)) written = false;
  close(fd);
  return written ? Status::Ok() : WriteError(path, error);
}

// Opens the folder of the file that `path` leads to (through symbolic links) and sets `base`
// to that file's name in it; -1 with `failure` set otherwise.
int OpenTargetFolder(const std::string& path, std::string* base, Status* failure) {
  std::string target;
  if (!ResolveLinks(path, &target)) {
    *failure = WriteError(path, ELOOP);
    return -1;
  }
  int error = 0;
  const int dirFd = OpenParentDirectory(target, base, &error);
  if (dirFd < 0) *failure = WriteError(path, error);
  return dirFd;
}

}  // namespace

// What stands at the target: nothing (`exists` false), or a regular file the user may write.
Status CheckTarget(int dirFd, const std::string& base, const std::string& path, struct stat* info, bool* exists) {
  *exists = fstatat(dirFd, base.c_str(), info, AT_SYMLINK_NOFOLLOW) == 0;
  if (!*exists) return errno == ENOENT ? Status::Ok() : WriteError(path, errno);
  if (S_ISDIR(info->st_mode)) return WriteError(path, EISDIR);
  if (!S_ISREG(info->st_mode)) return NotRegularFile(path);
  if (faccessat(dirFd, base.c_str(), W_OK, AT_EACCESS) != 0) return WriteError(path, errno);
  return Status::Ok();
}

Status WriteFileAtomically(const std::string& path, const void* data, std::size_t size, FlushMode flush) {
  if (path.empty()) return WriteError(path, ENOENT);
  std::string base;
  Status status = Status::Ok();
  const int dirFd = OpenTargetFolder(path, &base, &status);
  if (dirFd < 0) return status;
  struct stat old {};
  bool exists = false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  if (base.empty() || base == "." || base == "..") {
    status = WriteError(path, EISDIR);
  } else if (status = CheckTarget(dirFd, base, path, &old, &exists); status.ok()) {
    status = exists && old.st_nlink > 1
                 ? RewriteInPlace(dirFd, base, path, bytes, size, flush)
                 : ReplaceByRename(dirFd, base, path, bytes, size, exists ? &old : nullptr, flush);
  }
  close(dirFd);
  return status;
}

Status SyncFileSystemOf(const std::string& path) {
  std::string base;
  Status status = Status::Ok();
  const int dirFd = OpenTargetFolder(path, &base, &status);
  if (dirFd < 0) return status;
  const bool synced = syncfs(dirFd) == 0;
  const int error = errno;
  close(dirFd);
  return synced ? Status::Ok() : WriteError(path, error);
}

void SimulateDiskFullForTesting(bool on, std::size_t roomBytes) {
  g_simulatedRoom = roomBytes;
  g_simulateDiskFull = on;
}

void SetWriteHookForTesting(void (*hook)()) { g_writeHook = hook; }

}  // namespace pelmoro
