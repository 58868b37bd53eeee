#pragma once
#include <QImage>

#include "render/recording_surface.h"

namespace pelmoro::bench {

// Draws the recorded figures with QPainter, without antialiasing, for a speed comparison
// with the project's own rasteriser. The pixels are close to ours, not identical.
void ReplayWithQPainter(const RecordingSurface& recording, QImage& image);

}  // namespace pelmoro::bench
