#include "output/ui/export_command.h"

#include <QString>

#include "model/message_text.h"
#include "output/image_writer.h"
#include "output/picture_export.h"
#include "render/memory_dc.h"
#include "ui_support/user_prompts.h"

namespace pelmoro {

namespace {

// The file dialog's filter of a format. The JPEG pattern lists both spellings, so .jpeg
// files show in the dialog too.
const char* ExportFilter(ImageFormat format) {
  switch (format) {
    case ImageFormat::Bmp:
      return "BMP (*.bmp)";
    case ImageFormat::Gif:
      return "GIF (*.gif)";
    case ImageFormat::Jpeg:
      return "JPEG (*.jpg *.jpeg)";
    case ImageFormat::Png:
      return "PNG (*.png)";
    case ImageFormat::Tiff:
      return "TIFF (*.tiff)";
    case ImageFormat::Webp:
      return "WebP (*.webp)";
    case ImageFormat::Svg:
      return "SVG (*.svg)";
    case ImageFormat::Pdf:
      return "PDF (*.pdf)";
  }
  return "";
}

// The formats every picture export's save dialog offers besides the one asked for.
constexpr ImageFormat kOfferedBesides[] = {ImageFormat::Webp, ImageFormat::Svg, ImageFormat::Pdf};

FileDialogRequest ExportDialogRequest(ImageFormat format) {
  FileDialogRequest request;
  request.caption = QStringLiteral("Save As");
  request.filter = QString::fromLatin1(ExportFilter(format));
  for (ImageFormat other : kOfferedBesides) {
    if (other != format) request.filter += QStringLiteral(";;") + QString::fromLatin1(ExportFilter(other));
  }
  request.defaultSuffix = QString::fromLatin1(DefaultExtension(format) + 1);  // without the dot
  request.directory = StartFolder();
  return request;
}

// The pixels of the export: the whole picture, or the inside of the selection frame.
Status WritePicture(const QString& path, ImageFormat format, const CMemoryDC& dc,
                    const std::optional<Rect>& selectionFrame) {
  const ImageView whole{dc.Width(), dc.Height(), dc.Bits(), dc.Width()};
  ImageView picture = whole;
  if (selectionFrame) {
    const auto area = SelectionArea(whole, *selectionFrame);
    if (!area)
      return Status::Error("Cannot write " + QuotedName(path.toStdString()) + ": the selection holds no pixels");
    picture = *area;
  }
  return WriteImage(path.toStdString(), format, picture);
}

}  // namespace

ImageFormat ChosenExportFormat(const QString& path, ImageFormat asked) {
  const std::optional<ImageFormat> named = FormatFromPath(path.toStdString());
  for (ImageFormat other : kOfferedBesides)
    if (named == other) return other;
  return asked;
}

QString AskExportPath(QWidget* parent, ImageFormat format, UserPrompts& prompts) {
  return prompts.SaveFileName(parent, ExportDialogRequest(format));
}

bool ExportPreviewPicture(QWidget* parent, const QString& path, const CMemoryDC& picture, ImageFormat format,
                          const std::optional<Rect>& selectionFrame, UserPrompts& prompts) {
  if (!picture.IsValid()) {
    prompts.ShowError(parent, QStringLiteral("Cannot write %1: not enough memory for the picture")
                                  .arg(QString::fromStdString(QuotedName(path.toStdString()))));
    return false;
  }
  const Status written = WritePicture(path, format, picture, selectionFrame);
  if (!written) {
    prompts.ShowError(parent, QString::fromStdString(written.message()));
    return false;
  }
  return true;
}

bool ExportFigures(QWidget* parent, const QString& path, const FacePicture& picture, const ExportOptions& options,
                   UserPrompts& prompts) {
  const Status written = WritePicture(path.toStdString(), picture, options);
  if (!written) {
    prompts.ShowError(parent, QString::fromStdString(written.message()));
    return false;
  }
  return true;
}

}  // namespace pelmoro
