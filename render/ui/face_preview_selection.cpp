// The selection state of the preview: the blocks laid over the picture and the tracker
// frame around the selected one, and the operations that switch them on, off, out of sight
// and back.
#include <QMouseEvent>

#include "output/ui/selection_block.h"
#include "output/ui/selection_tracker.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

namespace {

constexpr int kTrackerStyle = CSelectionTracker::kStyleDottedLine | CSelectionTracker::kStyleResizeInside;
constexpr Rect kDefaultSavedSelection{50, 50, 100, 100};

Point PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

void CFacePreview::Draw(Surface& surface) const {
  for (const auto& block : m_shapes) block->Draw(surface);
  if (m_pTracker) m_pTracker->Draw(surface);
}

void CFacePreview::EnableSelection() {
  m_shapes.clear();
  m_shapes.push_front(std::make_unique<CRectBlock>());
  m_pTracker = std::make_unique<CSelectionTracker>(m_shapes.front()->m_rcBlock, kTrackerStyle);
  m_pTracker->m_rcBounds = Rect{1, 1, kWidth - 1, kHeight - 1};
  m_bNoSelection = false;
  update();
}

void CFacePreview::DisableSelection() {
  ClearSelection();
  m_bNoSelection = true;
  update();
}

void CFacePreview::ClearSelection() {
  m_shapes.clear();
  m_pTracker.reset();
}

void CFacePreview::HideSelection() {
  if (!m_pTracker) return;
  m_bNoSelection = true;
  update();
}

void CFacePreview::ShowSelection() {
  if (!m_pTracker || !m_bNoSelection) return;
  m_bNoSelection = false;
  update();
}

void CFacePreview::RememberSelection() {
  m_rcSavedSelection = m_pTracker ? m_pTracker->m_rect : kDefaultSavedSelection;
}

void CFacePreview::RestoreSelection() {
  if (m_pTracker) m_pTracker->m_rect = m_rcSavedSelection;
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
