#pragma once
#include <optional>

#include "output/image.h"
#include "render/geometry.h"

class QString;
class QWidget;

namespace pelmoro {

class CMemoryDC;
class FacePicture;
class UserPrompts;
struct ExportOptions;

// A picture export command of the main window: its identifier, its menu text ("&" before
// the mnemonic) and the format it writes. The preview's context menu offers the same
// commands for the selection.
struct ExportCommand {
  int commandId;
  const char* menuText;
  ImageFormat format;
};

// Asks for the file a picture export in the format goes to: the save dialog with the
// format's filter and default suffix, and WebP, SVG and PDF offered besides, starting in
// the start folder. Empty when the user cancelled.
QString AskExportPath(QWidget* parent, ImageFormat format, UserPrompts& prompts);

// The format an export to `path` writes: WebP, SVG or PDF when the name chosen in the save
// dialog ends so, otherwise the format that was asked for.
ImageFormat ChosenExportFormat(const QString& path, ImageFormat asked);

// Writes the picture to `path` in the format: the whole picture or, given a selection
// frame, only the part inside the frame (the frame line left out). A failure (a picture
// without pixels because memory ran out, a frame without inside, a file that cannot be
// written) is shown as a message naming the file and the reason. True when the file was
// written.
bool ExportPreviewPicture(QWidget* parent, const QString& path, const CMemoryDC& picture, ImageFormat format,
                          const std::optional<Rect>& selectionFrame, UserPrompts& prompts);

// Writes the face drawn from its figures as the options ask: SVG, PDF, or a picture at any
// size with smooth edges. Failures are shown as ExportPreviewPicture shows them. True when
// the file was written.
bool ExportFigures(QWidget* parent, const QString& path, const FacePicture& picture, const ExportOptions& options,
                   UserPrompts& prompts);

}  // namespace pelmoro
