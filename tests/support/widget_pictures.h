#pragma once
#include <QImage>
#include <QObject>

#include "model/color.h"

class QWidget;

namespace pelmoro {

class FacePicture;

// What a widget shows, painted afresh, as 32-bit RGB.
QImage Shown(QWidget* widget);
// The picture the paint pipeline makes for the picture's face and fill, without selection.
QImage PipelinePicture(const FacePicture& picture);

Color PixelAt(const QImage& image, int x, int y);
// Columns x in [from, to) whose pixel in row y has colour c.
int CountInRow(const QImage& image, int y, int from, int to, Color c);

// Counts the paint events a widget receives. A grab paints afresh, so only counted paints
// show that a change asked for a repaint.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget);
  int Count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int count_ = 0;
};

// Waits until the counter has seen more paints than `before`; false after `timeoutMs`.
bool WaitForPaint(const PaintCounter& counter, int before, int timeoutMs = 1000);

}  // namespace pelmoro
