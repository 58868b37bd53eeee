#pragma once
#include <array>

#include "output/image.h"

class QString;
class QWidget;

namespace pelmoro {

class CFacePreview;
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

// Asks for a file name and writes the preview's picture there in the format: the whole
// picture, or only the part inside the selection frame. The selection layer never appears
// in the file, and the selection looks the same afterwards. A failure is shown as a
// message naming the file and the reason. Returns true when a file was written.
bool ExportPreviewPicture(QWidget* parent, CFacePreview& preview, ImageFormat format, bool selectionOnly,
                          UserPrompts& prompts);

}  // namespace pelmoro
