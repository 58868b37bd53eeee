#include "cli/batch_run.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/options.h"
#include "cli/progress_bar.h"
#include "cli/render_command.h"

namespace pelmoro {

namespace {

// The folder part of a file name ("." for a bare name), for the final flush.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Messages from many threads, one whole line at a time, above the progress bar if any.
class BatchReporter {
 public:
  BatchReporter(std::ostream& errors, std::optional<ProgressBar>& bar) : errors_(errors), bar_(bar) {}

  void Report(const std::string& message) {
    std::lock_guard lock(mutex_);
    if (!bar_) return ReportError(errors_, message);
    std::ostringstream line;
    ReportError(line, message);
    bar_->Print(line.str());
  }

 private:
  std::ostream& errors_;
  std::optional<ProgressBar>& bar_;
  std::mutex mutex_;
};

class Batch {
 public:
  Batch(const BatchPlan& plan, std::ostream& errors) : plan_(plan), errors_(errors), reporter_(errors, bar_) {}

  int Run() {
    const auto start = std::chrono::steady_clock::now();
    if (plan_.progress) bar_.emplace(errors_, done_, plan_.count);
    RunWorkers(static_cast<unsigned>(std::min<std::uint64_t>(plan_.jobs, plan_.count)));
    FlushFolders();
    bar_.reset();
    if (plan_.verbose) Summarize(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return failed_.load() == 0 && flushFailed_ == 0 ? kExitSuccess : kExitWrite;
  }

 private:
  bool Several() const { return plan_.count > 1; }

  // The pool: as many threads as asked for and the system gives, and this thread when it
  // gives none.
  void RunWorkers(unsigned threads) {
    std::vector<std::jthread> workers;
    try {
      for (unsigned i = 0; i < threads; ++i) workers.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      if (workers.empty()) Work();
    }
  }

  void Work() {
    FaceRequest request = plan_.face;
    std::map<std::string, std::string> folders;  // a file written in each folder
    for (std::uint64_t index = next_++; index < plan_.count; index = next_++) {
      const auto seed = static_cast<std::uint32_t>(plan_.firstSeed + index);
      // Also with a document: an animation draws its poses and times from the seed.
      request.seed = seed;
      const FaceFiles files{NameForSeed(plan_.patterns.picture, seed), NameForSeed(plan_.patterns.document, seed)};
      if (const Status written = WriteFace(request, files); !written) {
        reporter_.Report(written.message());
        ++failed_;
      } else if (Several()) {
        folders.emplace(FolderOf(files.picture), files.picture);
        if (!files.document.empty()) folders.emplace(FolderOf(files.document), files.document);
      }
      ++done_;
    }
    std::lock_guard lock(foldersMutex_);
    writtenFolders_.merge(folders);
  }

  Status WriteFace(const FaceRequest& request, const FaceFiles& files) {
    if (const std::string problem = SameFileProblem(files); !problem.empty()) return Status::Error(problem);
    return WriteFaceFiles(request, files, Several() ? FlushMode::Later : FlushMode::Now);
  }

  // One flush for each file system the batch wrote to.
  void FlushFolders() {
    std::map<dev_t, std::string> fileSystems;
    for (const auto& [folder, file] : writtenFolders_) {
      struct stat info {};
      if (stat(folder.c_str(), &info) == 0) fileSystems.emplace(info.st_dev, file);
    }
    for (const auto& [device, file] : fileSystems) {
      if (const Status synced = SyncFileSystemOf(file); !synced) {
        reporter_.Report(synced.message());
        ++flushFailed_;
      }
    }
  }

  void Summarize(double seconds) {
    const std::uint64_t written = plan_.count - failed_.load();
    char line[160];
    std::snprintf(line, sizeof line, "%llu of %llu faces written in %.2f s (%.0f faces a second), %llu failed",
                  static_cast<unsigned long long>(written), static_cast<unsigned long long>(plan_.count), seconds,
                  seconds > 0 ? static_cast<double>(written) / seconds : 0.0,
                  static_cast<unsigned long long>(failed_.load()));
    ReportError(errors_, line);
  }

  const BatchPlan& plan_;
  std::ostream& errors_;
  std::optional<ProgressBar> bar_;
  BatchReporter reporter_;
  std::atomic<std::uint64_t> next_{0};
  std::atomic<std::uint64_t> done_{0};
  std::atomic<std::uint64_t> failed_{0};
  std::mutex foldersMutex_;
  std::map<std::string, std::string> writtenFolders_;
  int flushFailed_ = 0;
};

}  // namespace

int RunBatch(const BatchPlan& plan, std::ostream& errors) { return Batch(plan, errors).Run(); }

}  // namespace pelmoro
