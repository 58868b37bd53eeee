#include "model/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

#include "model/path_io.h"

namespace pelmoro {

namespace {

std::atomic<bool> g_simulateDiskFull{false};

Status WriteError(const std::string& path, int error) {
  return Status::Error("Cannot write \"" + path + "\": " + std::strerror(error));
}

// Follows a chain of symbolic links so that saving through a link replaces the file it
// points to and keeps the link. A chain that never ends (links pointing at each other)
// fails as the system's own lookup does, rather than replacing the last link with a file.
bool ResolveLinks(const std::string& path, std::string* resolved) {
  constexpr int kMaxHops = 40;
  std::string current = path;
  for (int hops = 0; hops <= kMaxHops; ++hops) {
    std::string target;
    if (!ReadLink(current, &target)) {
      *resolved = current;
      return true;
    }
    if (!target.empty() && target[0] == '/') {
      current = target;
    } else {
      const std::size_t slash = current.rfind('/');
      current = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) + target;
    }
  }
  return false;
}

std::string RandomSuffix() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += kDigits[generator() % (sizeof kDigits - 1)];
  return suffix;
}

// Creates a new temporary file beside `base` in the open directory; returns its descriptor.
int CreateTemporary(int dirFd, const std::string& base, std::string* tempName, int* error) {
  const std::string stem = "." + base.substr(0, std::min<std::size_t>(base.size(), 200)) + ".tmp-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    *tempName = stem + RandomSuffix();
    const int fd = openat(dirFd, tempName->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  *error = errno;
  return -1;
}

// Gives the new file the permissions of the file it replaces.
void KeepPermissions(int dirFd, const std::string& base, int fd) {
  struct stat old {};
  if (fstatat(dirFd, base.c_str(), &old, 0) == 0 && S_ISREG(old.st_mode)) fchmod(fd, old.st_mode & 07777);
}

Status WriteAndCommit(int dirFd, const std::string& base, const std::string& path,
                      const std::function<Status(std::FILE*)>& write) {
  std::string tempName;
  int error = 0;
  const int fd = CreateTemporary(dirFd, base, &tempName, &error);
  if (fd < 0) return WriteError(path, error);
  KeepPermissions(dirFd, base, fd);

  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    error = errno;
    close(fd);
    unlinkat(dirFd, tempName.c_str(), 0);
    return WriteError(path, error);
  }
  Status status = write(file);
  if (status.ok() && g_simulateDiskFull) status = WriteError(path, ENOSPC);
  if (status.ok() && (std::fflush(file) != 0 || std::ferror(file) != 0)) status = WriteError(path, errno ? errno : EIO);
  if (status.ok() && fsync(fileno(file)) != 0) status = WriteError(path, errno);
  if (std::fclose(file) != 0 && status.ok()) status = WriteError(path, errno);
  if (status.ok() && renameat(dirFd, tempName.c_str(), dirFd, base.c_str()) != 0) status = WriteError(path, errno);
  if (!status.ok()) unlinkat(dirFd, tempName.c_str(), 0);
  return status;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, const std::function<Status(std::FILE*)>& write) {
  if (path.empty()) return WriteError(path, ENOENT);
  std::string target;
  if (!ResolveLinks(path, &target)) return WriteError(path, ELOOP);
  std::string base;
  int error = 0;
  const int dirFd = OpenParentDirectory(target, &base, &error);
  if (dirFd < 0) return WriteError(path, error);
  if (base.empty() || base == "." || base == "..") {
    close(dirFd);
    return WriteError(path, EISDIR);
  }
  const Status status = WriteAndCommit(dirFd, base, path, write);
  close(dirFd);
  return status;
}

Status WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
  return WriteFileAtomically(path, [&](std::FILE* file) {
    if (size > 0 && std::fwrite(data, 1, size, file) != size) return WriteError(path, errno ? errno : EIO);
    return Status::Ok();
  });
}

void SimulateDiskFullForTesting(bool on) { g_simulateDiskFull = on; }

}  // namespace pelmoro
