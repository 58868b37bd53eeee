#pragma once
#include <QImage>

#include "model/color.h"
#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro::resources {

// The light grey the small images are drawn over; it becomes transparent.
inline constexpr Color kTransparentKey = RGB(192, 192, 192);

// A copy of the surface's pixels.
inline QImage ImageOf(const CMemoryDC& dc) { return WrapSurface(dc).copy(); }

// The surface's pixels with every pixel of the key colour made transparent.
inline QImage ImageWithTransparentKey(const CMemoryDC& dc) {
  QImage image = ImageOf(dc).convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ToPixel(kTransparentKey);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (row[x] == key) row[x] = 0;
  }
  return image;
}

}  // namespace pelmoro::resources
