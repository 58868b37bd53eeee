#pragma once
#include <QImage>

namespace pelmoro::resources {

// The application icon at `size` x `size` pixels: a face drawn by the program's own
// renderer over its default background, cut out around the head and scaled down.
QImage DrawFaceIcon(int size);

}  // namespace pelmoro::resources
