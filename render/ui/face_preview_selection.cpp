// The selection operations of the preview, each repainting where the picture changes,
// and the mouse events the selection controller handles.
#include <QMouseEvent>

#include "render/ui/face_preview.h"

namespace pelmoro {

namespace {

Point PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

void CFacePreview::EnableSelection() {
  m_selectionModel.Enable();
  update();
}

void CFacePreview::DisableSelection() {
  m_selectionModel.Disable();
  update();
}

void CFacePreview::HideSelection() {
  if (m_selectionModel.Hide()) update();
}

void CFacePreview::ShowSelection() {
  if (m_selectionModel.Show()) update();
}

void CFacePreview::RestoreSelection() {
  m_selectionModel.Restore();
  update();
}

void CFacePreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_selection.OnLeftButtonDown(PointOf(event))) return;
  if (event->button() == Qt::RightButton &&
      !m_selection.OnRightButtonDown(PointOf(event), event->globalPosition().toPoint())) {
    return;
  }
  QWidget::mousePressEvent(event);
}

void CFacePreview::mouseMoveEvent(QMouseEvent* event) {
  m_selection.OnMouseMove(PointOf(event), event->buttons().testFlag(Qt::LeftButton));
  QWidget::mouseMoveEvent(event);
}

void CFacePreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_selection.OnLeftButtonUp(PointOf(event));
  QWidget::mouseReleaseEvent(event);
}

}  // namespace pelmoro
