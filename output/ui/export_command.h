#pragma once
#include <optional>

#include "output/image.h"
#include "render/geometry.h"

class QString;
class QWidget;

namespace pelmoro {

class CMemoryDC;
class UserPrompts;

// A picture export command of the main window: its identifier, its menu text ("&" before
// the mnemonic) and the format it writes. The preview's context menu offers the same
// commands for the selection.
struct ExportCommand {
  int commandId;
  const char* menuText;
  ImageFormat format;
};

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
