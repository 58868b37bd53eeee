#include "output/ui/export_command.h"

#include <QString>

#include "app/user_prompts.h"
#include "output/image_writer.h"
#include "output/ui/selection_tracker.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

namespace {

// The JPEG pattern lists both spellings, so .jpeg files show in the dialog too.
constexpr std::array<ExportFormatEntry, 5> kFormats{{
    {ImageFormat::Bmp, 40008, ".&BMP", "BMP (*.bmp)"},
    {ImageFormat::Gif, 40010, ".&GIF", "GIF (*.gif)"},
    {ImageFormat::Jpeg, 40007, ".&JPG", "JPEG (*.jpg *.jpeg)"},
    {ImageFormat::Png, 40006, ".&PNG", "PNG (*.png)"},
    {ImageFormat::Tiff, 40009, ".&TIFF", "TIFF (*.tiff)"},
}};

FileDialogRequest ExportDialogRequest(ImageFormat format) {
  FileDialogRequest request;
  request.caption = QStringLiteral("Save As");
  request.filter = QString::fromLatin1(ExportFormatFor(format).filter);
  request.defaultSuffix = QString::fromLatin1(DefaultExtension(format) + 1);  // without the dot
  request.directory = StartFolder();
  return request;
}

// The pixels of the export: the picture without the selection layer, cut to the inside of
// the selection frame when only the selection is wanted.
Status WritePicture(const QString& path, ImageFormat format, CMemoryDC& dc, const Rect* selectionFrame) {
  const ImageView whole{dc.Width(), dc.Height(), dc.Bits(), dc.Width()};
  ImageView picture = whole;
  if (selectionFrame != nullptr) {
    const auto area = SelectionArea(whole, *selectionFrame);
    if (!area) return Status::Error("Cannot write \"" + path.toStdString() + "\": the selection holds no pixels");
    picture = *area;
  }
  return WriteImage(path.toStdString(), format, picture);
}

}  // namespace

const std::array<ExportFormatEntry, 5>& ExportFormats() { return kFormats; }

const ExportFormatEntry& ExportFormatFor(ImageFormat format) {
  for (const ExportFormatEntry& entry : kFormats)
    if (entry.format == format) return entry;
  return kFormats.front();
}

bool ExportPreviewPicture(QWidget* parent, CFacePreview& preview, ImageFormat format, bool selectionOnly,
                          UserPrompts& prompts) {
  // The selection entries are offered only while there is a selection.
  if (selectionOnly && !preview.HasSelection()) return false;
  const QString path = prompts.SaveFileName(parent, ExportDialogRequest(format));
  if (path.isEmpty()) return false;

  CMemoryDC dc(CFacePreview::kWidth, CFacePreview::kHeight);
  if (!dc.IsValid()) {
    prompts.ShowError(parent, QStringLiteral("Cannot write \"%1\": not enough memory for the picture").arg(path));
    return false;
  }
  // The picture is composed afresh without the selection layer, so the window's selection
  // stays where and as it is.
  preview.RenderPicture(dc);
  const Rect frame = selectionOnly ? preview.Tracker()->m_rect : Rect{};
  const Status written = WritePicture(path, format, dc, selectionOnly ? &frame : nullptr);
  if (!written) {
    prompts.ShowError(parent, QString::fromStdString(written.message()));
    return false;
  }
  return true;
}

}  // namespace pelmoro
