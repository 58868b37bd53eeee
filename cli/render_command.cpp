#include "cli/render_command.h"

#include <ctime>

#include "model/document.h"
#include "model/message_text.h"
#include "model/path_io.h"
#include "model/random.h"
#include "output/picture_export.h"
#include "render/face_picture.h"

namespace pelmoro {

namespace {

// Takes the face and fill from the document, or a random face over the start-up fill.
int PrepareFace(const RenderOptions& options, FacePicture& picture, std::ostream& errors) {
  if (options.documentPath.empty()) {
    picture.m_fill.ApplyStartupFill();
    const std::uint32_t seed = options.seed ? *options.seed : static_cast<std::uint32_t>(std::time(nullptr));
    CRandom random(seed);
    picture.m_face.Randomize(random);
    return kExitSuccess;
  }
  LoadReport report;
  const Status opened = LoadDocument(options.documentPath, picture.m_face, picture.m_fill, report);
  if (!opened) {
    ReportError(errors, opened.message());
    return kExitDocument;
  }
  if (report.LoadError()) {
    ReportError(errors, "Cannot load " + QuotedName(options.documentPath) + ": " + report.Describe());
    return kExitDocument;
  }
  return kExitSuccess;
}

void ApplyOptions(const RenderOptions& options, FacePicture& picture) {
  for (const ParameterSetting& setting : options.settings)
    picture.m_face.DocumentParameter(setting.index) = setting.value;
  picture.m_nEyePose = options.eyePose;
  picture.m_nMouthPose = options.mouthPose;
  picture.m_nBrowPose = options.browPose;
}

int WritePicture(const RenderOptions& options, const FacePicture& picture, std::ostream& errors) {
  ExportOptions exported;
  exported.format = options.format;
  exported.scale = options.scale;
  exported.transparent = options.transparent;
  exported.selection = options.selection;
  if (!ExportArea(picture, exported)) {
    ReportError(errors, "the selection holds no pixel of the 224 x 192 picture");
    return kExitUsage;
  }
  const Status written = WritePicture(options.outputPath, picture, exported);
  if (!written) {
    ReportError(errors, written.message());
    return kExitWrite;
  }
  return kExitSuccess;
}

int SaveFace(const RenderOptions& options, const FacePicture& picture, std::ostream& errors) {
  if (options.savePath.empty()) return kExitSuccess;
  const Status saved = SaveDocument(options.savePath, picture.m_face, picture.m_fill);
  if (!saved) {
    ReportError(errors, saved.message());
    return kExitWrite;
  }
  return kExitSuccess;
}

}  // namespace

void ReportError(std::ostream& errors, const std::string& message) {
  errors << "pelmoro-render: " << EscapeControlBytes(message) << '\n';
}

int RunRender(const RenderOptions& options, std::ostream& errors) {
  if (!options.savePath.empty() && NameTheSameFile(options.outputPath, options.savePath)) {
    ReportError(errors, "-o " + QuotedName(options.outputPath) + " and --save " + QuotedName(options.savePath) +
                            " name the same file (see --help)");
    return kExitUsage;
  }
  FacePicture picture;
  if (const int status = PrepareFace(options, picture, errors); status != kExitSuccess) return status;
  ApplyOptions(options, picture);
  if (const int status = WritePicture(options, picture, errors); status != kExitSuccess) return status;
  return SaveFace(options, picture, errors);
}

}  // namespace pelmoro
