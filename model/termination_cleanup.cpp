#include "model/termination_cleanup.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

namespace pelmoro {

namespace {

constexpr int kTerminationSignals[] = {SIGINT, SIGTERM, SIGHUP};

// One registered temporary file. `state` says whether the handler may use the rest: the
// writer fills the folder and name while the slot is claimed and only then arms it.
enum SlotState : int { kFree, kClaimed, kArmed };

struct Slot {
  std::atomic<int> state{kFree};
  int dirFd = -1;
  char name[NAME_MAX + 1] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

// Enough for every thread of a batch to have one write in progress.
constexpr int kSlotCount = 256;
Slot g_slots[kSlotCount];

int ClaimSlot(int dirFd, const std::string& name) {
  if (name.size() > NAME_MAX) return -1;
  for (int i = 0; i < kSlotCount; ++i) {
    int expected = kFree;
    if (!g_slots[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    g_slots[i].dirFd = dirFd;
    std::memcpy(g_slots[i].name, name.c_str(), name.size() + 1);
    g_slots[i].state.store(kArmed, std::memory_order_release);
    return i;
  }
  return -1;
}

// Steps that must not be cut in two, in progress in any thread, and whether a termination
// signal is being handled. The handler runs in a thread that is in no such step (each
// holds the signals back), but other threads may be in one: it waits for them to finish,
// and a thread that starts a step after the signal came never finishes it.
std::atomic<int> g_stepsInProgress{0};
std::atomic<bool> g_terminating{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler sets the flag");

void WaitForStepsInProgress() {
  const timespec pause{0, 1000000};
  g_terminating.store(true);
  while (g_stepsInProgress.load() > 0) nanosleep(&pause, nullptr);
}

// Only async-signal-safe calls: nanosleep, unlinkat, signal and raise.
extern "C" void RemoveTemporariesAndEnd(int signalNumber) {
  const int savedErrno = errno;
  WaitForStepsInProgress();
  for (Slot& slot : g_slots) {
    if (slot.state.load(std::memory_order_acquire) == kArmed) unlinkat(slot.dirFd, slot.name, 0);
  }
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
  errno = savedErrno;
}

sigset_t TerminationSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signalNumber : kTerminationSignals) sigaddset(&set, signalNumber);
  return set;
}

}  // namespace

void RemoveTemporaryFilesOnTermination() {
  for (const int signalNumber : kTerminationSignals) {
    struct sigaction current {};
    if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndEnd;
    action.sa_mask = TerminationSignalSet();
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
  }
}

TemporaryFileGuard::TemporaryFileGuard(int dirFd, const std::string& name) : slot_(ClaimSlot(dirFd, name)) {}

TemporaryFileGuard::~TemporaryFileGuard() {
  if (slot_ >= 0) g_slots[slot_].state.store(kFree, std::memory_order_release);
}

TerminationSignalsHeld::TerminationSignalsHeld() {
  const sigset_t set = TerminationSignalSet();
  pthread_sigmask(SIG_BLOCK, &set, &previous_);
  g_stepsInProgress.fetch_add(1);
  if (!g_terminating.load()) return;
  // The process is ending: this step must not start, and the thread waits for the end.
  g_stepsInProgress.fetch_sub(1);
  for (;;) pause();
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  g_stepsInProgress.fetch_sub(1);
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace pelmoro
