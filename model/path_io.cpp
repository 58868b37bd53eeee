#include "model/path_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace pelmoro {

namespace {

constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Opens a folder; a path too long for one system call is walked one component at a time.
int OpenDirectory(const std::string& dir, int* error) {
  if (dir.size() < PATH_MAX - 1) {
    const int fd = open(dir.c_str(), kDirectoryFlags);
    if (fd < 0) *error = errno;
    return fd;
  }
  int fd = open(dir[0] == '/' ? "/" : ".", kDirectoryFlags);
  std::size_t begin = 0;
  while (fd >= 0 && begin < dir.size()) {
    std::size_t end = dir.find('/', begin);
    if (end == std::string::npos) end = dir.size();
    const std::string component = dir.substr(begin, end - begin);
    begin = end + 1;
    if (component.empty()) continue;
    const int next = openat(fd, component.c_str(), kDirectoryFlags);
    const int saved = errno;
    close(fd);
    fd = next;
    errno = saved;
  }
  if (fd < 0) *error = errno;
  return fd;
}

}  // namespace

int OpenParentDirectory(const std::string& path, std::string* base, int* error) {
  const std::size_t slash = path.rfind('/');
  std::string dir;
  if (slash == std::string::npos) {
    dir = ".";
    *base = path;
  } else {
    dir = slash == 0 ? "/" : path.substr(0, slash);
    *base = path.substr(slash + 1);
  }
  return OpenDirectory(dir, error);
}

int OpenForReading(const std::string& path, int* error) {
  if (path.size() < PATH_MAX - 1) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) *error = errno;
    return fd;
  }
  std::string base;
  const int dirFd = OpenParentDirectory(path, &base, error);
  if (dirFd < 0) return -1;
  const int fd = openat(dirFd, base.empty() ? "." : base.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) *error = errno;
  close(dirFd);
  return fd;
}

bool ReadLink(const std::string& path, std::string* target) {
  std::string base;
  int error = 0;
  const int dirFd = OpenParentDirectory(path, &base, &error);
  if (dirFd < 0 || base.empty()) {
    if (dirFd >= 0) close(dirFd);
    return false;
  }
  std::vector<char> buffer(PATH_MAX);
  const ssize_t length = readlinkat(dirFd, base.c_str(), buffer.data(), buffer.size());
  close(dirFd);
  if (length <= 0) return false;
  target->assign(buffer.data(), static_cast<std::size_t>(length));
  return true;
}

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

namespace {

// Where a name leads: the file that stands there, or the folder and last component where
// one would be created.
struct NameTarget {
  bool exists = false;
  struct stat file {};
  struct stat folder {};
  std::string base;
};

bool FindTarget(const std::string& path, NameTarget* found) {
  std::string resolved;
  if (!ResolveLinks(path, &resolved)) return false;
  int error = 0;
  const int dirFd = OpenParentDirectory(resolved, &found->base, &error);
  if (dirFd < 0) return false;
  const bool haveFolder = fstat(dirFd, &found->folder) == 0;
  found->exists = !found->base.empty() && fstatat(dirFd, found->base.c_str(), &found->file, 0) == 0;
  close(dirFd);
  return haveFolder;
}

}  // namespace

bool NameTheSameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  NameTarget first;
  NameTarget second;
  if (!FindTarget(a, &first) || !FindTarget(b, &second)) return false;
  if (first.exists != second.exists) return false;
  if (first.exists) return first.file.st_dev == second.file.st_dev && first.file.st_ino == second.file.st_ino;
  return first.folder.st_dev == second.folder.st_dev && first.folder.st_ino == second.folder.st_ino &&
         first.base == second.base;
}

}  // namespace pelmoro
