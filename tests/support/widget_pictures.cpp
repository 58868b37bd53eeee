#include "tests/support/widget_pictures.h"

#include <QEvent>
#include <QTest>
#include <QWidget>

#include "render/face_picture.h"
#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

QImage Shown(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage PipelinePicture(const FacePicture& picture) {
  FacePicture copy = picture;
  CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
  copy.Paint(dc);
  return WrapSurface(dc).copy();
}

Color PixelAt(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

int CountInRow(const QImage& image, int y, int from, int to, Color c) {
  int count = 0;
  for (int x = from; x < to; ++x) count += PixelAt(image, x, y) == c;
  return count;
}

PaintCounter::PaintCounter(QWidget* widget) { widget->installEventFilter(this); }

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++count_;
  return false;
}

bool WaitForPaint(const PaintCounter& counter, int before, int timeoutMs) {
  return QTest::qWaitFor([&] { return counter.Count() > before; }, timeoutMs);
}

}  // namespace pelmoro
