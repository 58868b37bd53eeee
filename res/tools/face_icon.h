#pragma once
#include <QImage>

namespace pelmoro::resources {

// The application icon at `size` x `size` pixels: a face drawn by the program's own
// renderer over its default background, cut out around the head and scaled to size.
QImage DrawFaceIcon(int size);

// The icon of the face documents at `size` x `size` pixels: the application's face on a
// sheet of paper with a folded corner, transparent around the sheet.
QImage DrawDocumentIcon(int size);

}  // namespace pelmoro::resources
