#include "selection_test_host.h"

#include <QPainter>

#include "model/random.h"
#include "render/memory_dc.h"

namespace pelmoro {

SelectionTestHost::SelectionTestHost() {
  setFixedSize(FacePicture::kWidth, FacePicture::kHeight);
  setMouseTracking(true);
  CRandom random(4711);
  picture.m_face.Randomize(random);
  picture.m_fill.ApplyStartupFill();
}

void SelectionTestHost::EnableSelection() {
  blocks.clear();
  blocks.push_front(std::make_unique<CRectBlock>());
  tracker = std::make_unique<CSelectionTracker>(blocks.front()->m_rcBlock,
                                                CRectTracker::kStyleDottedLine | CRectTracker::kStyleResizeInside);
  tracker->m_rcBounds = Rect{1, 1, 223, 191};
  selectionShown = true;
  update();
}

QImage SelectionTestHost::Shown() { return grab().toImage().convertToFormat(QImage::Format_RGB32); }

void SelectionTestHost::paintEvent(QPaintEvent*) {
  CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
  picture.Paint(dc, selectionShown ? this : nullptr);
  QPainter painter(this);
  painter.drawImage(0, 0,
                    QImage(reinterpret_cast<const uchar*>(dc.Bits()), dc.Width(), dc.Height(), dc.BytesPerLine(),
                           QImage::Format_RGB32));
}

void SelectionTestHost::Draw(Surface& surface) const {
  for (const auto& block : blocks) block->Draw(surface);
  if (tracker) tracker->Draw(surface);
}

void SelectionTestHost::mousePressEvent(QMouseEvent* event) {
  const Point point = ToPoint(event->position().toPoint());
  if (event->button() == Qt::LeftButton) controller.OnLeftButtonDown(point);
  if (event->button() == Qt::RightButton) controller.OnRightButtonDown(point, event->globalPosition().toPoint());
}

void SelectionTestHost::mouseMoveEvent(QMouseEvent* event) {
  controller.OnMouseMove(ToPoint(event->position().toPoint()), event->buttons() & Qt::LeftButton);
}

void SelectionTestHost::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) controller.OnLeftButtonUp(ToPoint(event->position().toPoint()));
}

}  // namespace pelmoro
