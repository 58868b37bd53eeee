#include "cli/render_command.h"

#include <unistd.h>

#include <ctime>
#include <thread>

#include "cli/batch_run.h"
#include "cli/standard_streams.h"
#include "model/document.h"
#include "model/message_text.h"

namespace pelmoro {

namespace {

// Reads the face document named on the command line, or from standard input for "-".
int LoadFaceDocument(const std::string& path, FaceDocument& document, std::ostream& errors) {
  LoadReport report;
  const bool standardInput = path == kStandardStream;
  const Status opened = standardInput ? ReadDocumentFromStandardInput(document.face, document.fill, report)
                                      : LoadDocument(path, document.face, document.fill, report);
  if (!opened) {
    ReportError(errors, opened.message());
    return kExitDocument;
  }
  if (report.LoadError()) {
    const std::string name = standardInput ? kStandardInputName : QuotedName(path);
    ReportError(errors, "Cannot load " + name + ": " + report.Describe());
    return kExitDocument;
  }
  return kExitSuccess;
}

FaceRequest SharedRequest(const RenderOptions& options) {
  FaceRequest request;
  request.settings = options.settings;
  request.pose = {options.eyePose, options.mouthPose, options.browPose};
  request.exportOptions.format = options.format;
  request.exportOptions.scale = options.scale;
  request.exportOptions.transparent = options.transparent;
  request.exportOptions.selection = options.selection;
  request.animationSeconds = options.animationSeconds;
  return request;
}

unsigned DefaultJobs() {
  return std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, static_cast<unsigned>(kMaxJobs));
}

BatchPlan PlanFor(const RenderOptions& options) {
  BatchPlan plan;
  plan.face = SharedRequest(options);
  plan.firstSeed = options.seed ? *options.seed : static_cast<std::uint32_t>(std::time(nullptr));
  plan.count = options.count.value_or(1);
  plan.patterns = {options.outputPath, options.savePath};
  plan.jobs = options.jobs > 0 ? options.jobs : DefaultJobs();
  plan.progress = plan.count > 1 && isatty(STDERR_FILENO);
  plan.verbose = options.verbose;
  return plan;
}

}  // namespace

void ReportError(std::ostream& errors, const std::string& message) {
  errors << "pelmoro-render: " << EscapeControlBytes(message) << '\n';
}

int RunRender(const RenderOptions& options, std::ostream& errors) {
  BatchPlan plan = PlanFor(options);
  // The names of the first face stand for all: one file named twice is a usage error.
  const FaceFiles first{NameForSeed(plan.patterns.picture, plan.firstSeed),
                        NameForSeed(plan.patterns.document, plan.firstSeed)};
  if (const std::string problem = SameFileProblem(first); !problem.empty()) {
    ReportError(errors, problem);
    return kExitUsage;
  }
  if ((options.outputPath == kStandardStream || options.savePath == kStandardStream) && isatty(STDOUT_FILENO)) {
    ReportError(errors, "standard output is a terminal: send the file to a pipe or redirect it into a file");
    return kExitUsage;
  }
  if (!ExportArea(FacePicture(), plan.face.exportOptions)) {
    ReportError(errors, "the selection holds no pixel of the 224 x 192 picture");
    return kExitUsage;
  }
  if (!options.documentPath.empty()) {
    plan.face.document.emplace();
    if (const int status = LoadFaceDocument(options.documentPath, *plan.face.document, errors); status != kExitSuccess)
      return status;
  }
  return RunBatch(plan, errors);
}

}  // namespace pelmoro
