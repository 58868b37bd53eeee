#pragma once
#include <QImage>
#include <QWidget>

#include "model/color.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro::test {

// What the widget shows now, painted afresh.
inline QImage Snapshot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline Color PixelAt(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

// Columns x in [from, to) whose pixel in row y has colour c.
inline int CountInRow(const QImage& image, int y, int from, int to, Color c) {
  int count = 0;
  for (int x = from; x < to; ++x) count += PixelAt(image, x, y) == c;
  return count;
}

}  // namespace pelmoro::test
