#include "output/ui/animation_command.h"

#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QString>

#include "model/message_text.h"
#include "output/animation_export.h"
#include "ui_support/user_prompts.h"

namespace pelmoro {

namespace {

constexpr int kProgressDelayMs = 500;

std::optional<int> AskSeconds(QWidget* parent, UserPrompts& prompts) {
  NumberRequest request;
  request.caption = QStringLiteral("Export animation");
  request.label = QStringLiteral("&Length in seconds:");
  request.value = kDefaultAnimationSeconds;
  request.minimum = kMinAnimationSeconds;
  request.maximum = kMaxAnimationSeconds;
  return prompts.AskNumber(parent, request);
}

QString AskAnimationPath(QWidget* parent, UserPrompts& prompts) {
  FileDialogRequest request;
  request.caption = QStringLiteral("Save As");
  request.filter = QStringLiteral("GIF (*.gif);;WebP (*.webp)");
  request.defaultSuffix = QStringLiteral("gif");
  request.directory = StartFolder();
  return prompts.SaveFileName(parent, request);
}

}  // namespace

std::optional<ImageFormat> AnimationFormatOf(const QString& path) {
  const std::optional<ImageFormat> named = FormatFromPath(QFile::encodeName(path).toStdString());
  if (!named) return ImageFormat::Gif;
  if (!CanBeAnimated(*named)) return std::nullopt;
  return named;
}

bool ExportAnimation(QWidget* parent, const FacePicture& picture, const CRandom& generator, UserPrompts& prompts) {
  const std::optional<int> seconds = AskSeconds(parent, prompts);
  if (!seconds) return false;
  const QString path = AskAnimationPath(parent, prompts);
  if (path.isEmpty()) return false;
  const std::optional<ImageFormat> format = AnimationFormatOf(path);
  if (!format) {
    prompts.ShowError(parent, QStringLiteral("Cannot write %1: an animation is written as a GIF or WebP file")
                                  .arg(QString::fromStdString(QuotedName(QFile::encodeName(path).toStdString()))));
    return false;
  }
  ExportOptions options;
  options.format = *format;

  QProgressDialog progress(QStringLiteral("Writing the animation..."), QStringLiteral("Cancel"), 0, 1, parent);
  progress.setWindowTitle(QStringLiteral("Export animation"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setValue(0);
  const AnimationProgress onFrame = [&progress](std::size_t done, std::size_t total) {
    progress.setMaximum(static_cast<int>(total));
    progress.setValue(static_cast<int>(done));
    return !progress.wasCanceled();
  };
  const Status written =
      WriteAnimation(QFile::encodeName(path).toStdString(), picture, generator, options, *seconds, onFrame);
  const bool cancelled = progress.wasCanceled();
  progress.reset();
  if (written) return true;
  if (!cancelled) prompts.ShowError(parent, QString::fromStdString(written.message()));
  return false;
}

}  // namespace pelmoro
