#pragma once
#include <QImage>
#include <cstdint>
#include <vector>

namespace pelmoro::resources {

// The application icon at `size` x `size` pixels: a face drawn by the program's own
// renderer over its default background, cut out around the head and scaled to size.
QImage DrawFaceIcon(int size);

// The application icon as an SVG document: the same head as DrawFaceIcon, drawn smooth by the
// vector surface so that it stays sharp at any size. Empty if the picture cannot be encoded.
std::vector<std::uint8_t> DrawScalableFaceIcon();

// The icon of the face documents at `size` x `size` pixels: the application's face on a
// sheet of paper with a folded corner, transparent around the sheet.
QImage DrawDocumentIcon(int size);

}  // namespace pelmoro::resources
