// pelmoro-serve: serves faces over HTTP until SIGTERM or SIGINT, which stop it gracefully.
#include <pthread.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <thread>

#include "model/memory_reuse.h"
#include "serve/serve_options.h"

namespace {

int Usage(const std::string& problem) {
  std::cerr << "pelmoro-serve: " << problem << " (see --help)\n";
  return 2;
}

// Blocks the stopping signals in every thread the program starts, so only the waiter
// below takes them, and lets writes to a closed connection fail rather than end the program.
sigset_t BlockStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  return signals;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pelmoro;
  const ServeOptions options =
      ParseServeArguments(std::vector<std::string>(argv + 1, argv + argc), std::thread::hardware_concurrency());
  if (!options.error.empty()) return Usage(options.error);
  if (options.command == ServeCommand::Help) return (std::cout << ServeUsageText() << std::flush) ? 0 : 1;
  if (options.command == ServeCommand::Version)
    return (std::cout << "pelmoro-serve " PELMORO_VERSION "\n" << std::flush) ? 0 : 1;

  KeepMemoryForReuse();
  const sigset_t signals = BlockStopSignals();
  FaceService service(options.settings);
  errno = 0;
  const int port = service.Bind();
  if (port < 0) {
    std::cerr << "pelmoro-serve: cannot listen on " << options.settings.host << ":" << options.settings.port
              << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << "\n";
    return 1;
  }
  std::cout << "pelmoro-serve: listening on " << options.settings.host << ":" << port << std::endl;

  std::thread waiter([&service, signals] {
    int signal = 0;
    sigwait(&signals, &signal);
    service.Stop();
  });
  const bool served = service.Run();
  if (!served) std::cerr << "pelmoro-serve: the server stopped unexpectedly\n";
  // Releases the waiter when the server ended by itself.
  pthread_kill(waiter.native_handle(), SIGTERM);
  waiter.join();
  return served ? 0 : 1;
}
