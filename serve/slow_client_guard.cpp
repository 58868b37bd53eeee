#include "serve/slow_client_guard.h"

#include <dirent.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace pelmoro {

namespace {

// The descriptors of the process's sockets.
std::vector<int> OpenSockets() {
  std::vector<int> sockets;
  DIR* folder = opendir("/proc/self/fd");
  if (!folder) return sockets;
  const int own = dirfd(folder);
  while (const dirent* entry = readdir(folder)) {
    const int fd = std::atoi(entry->d_name);
    struct stat info {};
    if (fd != own && entry->d_name[0] != '.' && fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode)) sockets.push_back(fd);
  }
  closedir(folder);
  return sockets;
}

}  // namespace

std::string PeerName(const std::string& address, int port) { return address + " " + std::to_string(port); }

std::string PeerOfSocket(int fd) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
  char host[NI_MAXHOST], service[NI_MAXSERV];
  if (getnameinfo(reinterpret_cast<sockaddr*>(&address), length, host, sizeof host, service, sizeof service,
                  NI_NUMERICHOST | NI_NUMERICSERV) != 0)
    return {};
  return PeerName(host, std::atoi(service));
}

SlowClientGuard::SlowClientGuard(Clock::duration toSend, Clock::duration toAnswer)
    : toSend_(toSend), toAnswer_(toAnswer), watcher_([this] { Watch(); }) {}

SlowClientGuard::~SlowClientGuard() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_all();
  watcher_.join();
}

void SlowClientGuard::RequestArrived(const std::string& peer) {
  const std::lock_guard lock(mutex_);
  connections_[peer] = {Clock::now(), true};
}

void SlowClientGuard::RequestAnswered(const std::string& peer) {
  const std::lock_guard lock(mutex_);
  connections_[peer] = {Clock::now(), false};
}

void SlowClientGuard::Watch() {
  std::unique_lock lock(mutex_);
  while (!stop_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
    lock.unlock();
    Sweep();
    lock.lock();
  }
}

// Notes the connections new since the last sweep, forgets the closed ones and shuts down
// the ones past their deadline. The peer is asked again just before, so a descriptor
// reused by a new connection in the meantime is left alone.
void SlowClientGuard::Sweep() {
  std::map<int, std::string> open;
  for (const int fd : OpenSockets())
    if (std::string peer = PeerOfSocket(fd); !peer.empty()) open.emplace(fd, std::move(peer));
  const Clock::time_point now = Clock::now();
  std::vector<std::pair<int, std::string>> late;
  {
    const std::lock_guard lock(mutex_);
    std::set<std::string> seen;
    for (const auto& [fd, peer] : open) {
      seen.insert(peer);
      const Connection& connection = connections_.try_emplace(peer, Connection{now, false}).first->second;
      if (now - connection.since > (connection.answering ? toAnswer_ : toSend_)) late.emplace_back(fd, peer);
    }
    std::erase_if(connections_, [&seen](const auto& entry) { return seen.count(entry.first) == 0; });
  }
  for (const auto& [fd, peer] : late)
    if (PeerOfSocket(fd) == peer) shutdown(fd, SHUT_RDWR);
}

}  // namespace pelmoro
