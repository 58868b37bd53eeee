#include "cli/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace pelmoro {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(250);
constexpr int kDefaultWidth = 80;

int TerminalWidth() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return kDefaultWidth;
}

std::string Duration(double seconds) {
  const auto whole = static_cast<std::uint64_t>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", static_cast<unsigned long long>(whole / 3600),
                  static_cast<unsigned long long>(whole / 60 % 60), static_cast<unsigned long long>(whole % 60));
  } else {
    std::snprintf(text, sizeof text, "%llu:%02llu", static_cast<unsigned long long>(whole / 60),
                  static_cast<unsigned long long>(whole % 60));
  }
  return text;
}

std::string Bar(std::uint64_t done, std::uint64_t total, int cells) {
  const auto filled = static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * cells);
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(cells - filled), '.') + "]";
}

}  // namespace

std::string ProgressLine(std::uint64_t done, std::uint64_t total, double elapsed, int width) {
  const double rate = elapsed > 0 ? static_cast<double>(done) / elapsed : 0;
  std::string figures = " " + std::to_string(done) + "/" + std::to_string(total) + " faces";
  if (rate > 0) {
    figures += "  " + std::to_string(static_cast<std::uint64_t>(rate)) + "/s  " +
               Duration(static_cast<double>(total - done) / rate) + " left";
  }
  const int cells = std::min(40, width - 3 - static_cast<int>(figures.size()));
  if (cells < 5) return figures.substr(1, static_cast<std::size_t>(std::max(0, width - 1)));
  return Bar(done, total, cells) + figures;
}

ProgressBar::ProgressBar(std::ostream& terminal, const std::atomic<std::uint64_t>& done, std::uint64_t total)
    : terminal_(terminal), done_(done), total_(total), thread_([this](std::stop_token stop) { Run(stop); }) {}

ProgressBar::~ProgressBar() {
  thread_.request_stop();
  thread_.join();
  std::lock_guard lock(mutex_);
  Clear();
  terminal_.flush();
}

void ProgressBar::Print(const std::string& line) {
  std::lock_guard lock(mutex_);
  Clear();
  terminal_ << line;
  Draw();
}

void ProgressBar::Run(std::stop_token stop) {
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    Draw();
    wake_.wait_for(lock, stop, kRedrawInterval, [] { return false; });
  }
}

// Called with the mutex held.
void ProgressBar::Draw() {
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  terminal_ << '\r' << ProgressLine(done_.load(), total_, elapsed, TerminalWidth()) << "\x1b[K" << std::flush;
  shown_ = true;
}

// Called with the mutex held.
void ProgressBar::Clear() {
  if (shown_) terminal_ << "\r\x1b[K";
  shown_ = false;
}

}  // namespace pelmoro
