#pragma once
// The progress of a batch on a terminal: a bar, the faces done of all, the rate and the
// time left, redrawn in place on one line a few times a second.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace pelmoro {

// The line for `done` of `total` faces after `elapsed` seconds, e.g.
// "[##########..........]  5000/10000 faces  1234/s  0:04 left", fitted to `width`
// columns.
std::string ProgressLine(std::uint64_t done, std::uint64_t total, double elapsed, int width);

// Shows the progress of `done` on `terminal` from a thread of its own until it is
// destroyed, which clears the line. Messages written through Print appear above the bar.
class ProgressBar {
 public:
  ProgressBar(std::ostream& terminal, const std::atomic<std::uint64_t>& done, std::uint64_t total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // Writes a line of text (ending in a line break) without tearing the bar.
  void Print(const std::string& line);

 private:
  void Run(std::stop_token stop);
  void Draw();
  void Clear();

  std::ostream& terminal_;
  const std::atomic<std::uint64_t>& done_;
  std::uint64_t total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::mutex mutex_;
  std::condition_variable_any wake_;
  bool shown_ = false;
  std::jthread thread_;
};

}  // namespace pelmoro
