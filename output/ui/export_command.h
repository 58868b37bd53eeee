#pragma once
#include <array>
#include <optional>

#include "output/image.h"
#include "render/geometry.h"

class QString;
class QWidget;

namespace pelmoro {

class CMemoryDC;
class UserPrompts;

// One entry of the picture export: its menu command, menu text and file dialog filter.
struct ExportFormatEntry {
  ImageFormat format;
  int commandId;
  const char* menuText;
  const char* filter;
};

// The five formats in the order the menus show them: BMP, GIF, JPG, PNG, TIFF.
const std::array<ExportFormatEntry, 5>& ExportFormats();
const ExportFormatEntry& ExportFormatFor(ImageFormat format);

// Asks for the file a picture export in the format goes to: the save dialog with the
// format's filter and default suffix, starting in the start folder. Empty when the user
// cancelled.
QString AskExportPath(QWidget* parent, ImageFormat format, UserPrompts& prompts);

// Writes the picture to `path` in the format: the whole picture or, given a selection
// frame, only the part inside the frame (the frame line left out). A failure (a picture
// without pixels because memory ran out, a frame without inside, a file that cannot be
// written) is shown as a message naming the file and the reason. True when the file was
// written.
bool ExportPreviewPicture(QWidget* parent, const QString& path, const CMemoryDC& picture, ImageFormat format,
                          const std::optional<Rect>& selectionFrame, UserPrompts& prompts);

}  // namespace pelmoro
