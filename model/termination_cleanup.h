#pragma once
#include <csignal>
#include <string>

namespace pelmoro {

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files of the writes in progress and
// then end the process as the signal would have ended it. A signal that was ignored when the
// program started (nohup) stays ignored. Each program calls this once, at the start of main.
// A SIGKILL cannot be caught: it can still leave a temporary file behind.
void RemoveTemporaryFilesOnTermination();

// While it lives, the signal handler removes the file `name` in the open folder `dirFd`.
// Registering takes no lock and allocates nothing, so the handler can read the registry at
// any moment. The name must be at most NAME_MAX bytes; a longer one is not registered.
class TemporaryFileGuard {
 public:
  TemporaryFileGuard(int dirFd, const std::string& name);
  ~TemporaryFileGuard();
  TemporaryFileGuard(const TemporaryFileGuard&) = delete;
  TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

 private:
  int slot_ = -1;
};

// Holds SIGINT, SIGTERM and SIGHUP back in the calling thread while it lives, so that a step
// that must not be cut in two (creating and registering a temporary file, renaming it and
// forgetting it, rewriting a file in place) completes; a signal that arrives meanwhile takes
// effect when it ends. A signal that another thread handles waits for the steps of every
// thread to end before it removes the temporary files, and a step that would start after it
// never does (its thread waits for the process to end).
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace pelmoro
