#include "output/ui/selection_controller.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <cstdlib>

#include "fill/ui/fill_dialog_result.h"
#include "output/ui/selection_menu.h"

namespace pelmoro {

namespace {

// The cursor over each part of the frame.
Qt::CursorShape CursorFor(int hit) {
  switch (hit) {
    case CRectTracker::hitTopLeft:
    case CRectTracker::hitBottomRight:
      return Qt::SizeFDiagCursor;
    case CRectTracker::hitTopRight:
    case CRectTracker::hitBottomLeft:
      return Qt::SizeBDiagCursor;
    case CRectTracker::hitTop:
    case CRectTracker::hitBottom:
      return Qt::SizeVerCursor;
    case CRectTracker::hitRight:
    case CRectTracker::hitLeft:
      return Qt::SizeHorCursor;
    case CRectTracker::hitMiddle:
    default:
      return Qt::SizeAllCursor;
  }
}

}  // namespace

QString SelectionSizeText(const Rect& rect) {
  const long long width = std::llabs(static_cast<long long>(rect.right) - rect.left);
  const long long height = std::llabs(static_cast<long long>(rect.bottom) - rect.top);
  return QStringLiteral("%1,%2").arg(width).arg(height);
}

SelectionController::SelectionController(SelectionHost& host) : m_host(host), m_sizeTip(host.HostWidget()) {
  // The frame's cursors follow the mouse also while no button is down.
  host.HostWidget()->setMouseTracking(true);
  // Every frame the selection makes reports its size here during a drag.
  host.Model().SetOwner(this);
}

SelectionController::~SelectionController() = default;

bool SelectionController::IsTracking() const { return m_host.Model().IsDragging(); }

bool SelectionController::OnLeftButtonDown(Point point) {
  RelayToSizeTip(point, true);
  m_ptCursor = point;
  const SelectionModel::Press press = m_host.Model().PressAt(point);
  if (press == SelectionModel::Press::kPicked) {
    UpdateCursor(point);
    Repaint();
  }
  return press != SelectionModel::Press::kMissed;
}

void SelectionController::OnMouseMove(Point point, bool leftButtonDown) {
  m_ptCursor = point;
  if (IsTracking()) {
    // A release the window never saw ends the drag where the mouse is now.
    if (!leftButtonDown) {
      OnLeftButtonUp(point);
      return;
    }
    m_host.Model().DragTo(point);
    Repaint();
    return;
  }
  // A drag that is not the frame's (it began beside the frame, or was cancelled) passes
  // over the frame without the size tooltip.
  if (leftButtonDown) {
    HideSizeTip();
    UpdateCursor(point);
    return;
  }
  RelayToSizeTip(point, false);
  UpdateCursor(point);
}

void SelectionController::OnLeftButtonUp(Point point) {
  if (!IsTracking()) {
    RelayToSizeTip(point, true);
    return;
  }
  m_ptCursor = point;
  if (m_host.Model().Release(point)) Repaint();
  UpdateCursor(point);
}

void SelectionController::UpdateCursor(Point point) {
  const int hit = m_host.Model().HitTest(point);
  if (hit == CRectTracker::hitNothing) {
    m_host.HostWidget()->unsetCursor();
  } else {
    m_host.HostWidget()->setCursor(CursorFor(hit));
  }
}

bool SelectionController::CancelDrag() {
  if (!m_host.Model().CancelDrag()) return false;
  OnHideSelSize();
  UpdateCursor(m_ptCursor);
  return true;
}

bool SelectionController::OnRightButtonDown(Point point, const QPoint& globalPoint) {
  if (m_host.HasLoadError()) return false;
  // The menu is not covered by the size of the last drag.
  HideSizeTip();
  const auto menu = BuildSelectionMenu(false, m_host.Model().Tracker(), point, m_exportCommands, m_host.HostWidget());
  if (const QAction* chosen = menu->exec(globalPoint)) RunMenuCommand(chosen->data().toInt());
  return true;
}

void SelectionController::RunMenuCommand(int commandId) {
  if (commandId == kChangeFillTypeId) {
    FillSettings fill = m_host.Fill();
    if (RunFillTypeDialog(fill, m_host.HostWidget())) m_host.ChooseFill(fill);
    return;
  }
  if (const auto format = SelectionExportFormat(commandId, m_exportCommands)) m_host.ExportSelection(*format);
}

void SelectionController::OnShowSelSize(std::unique_ptr<CSizeInfo> info) {
  m_pSizeInfo = std::move(info);
  m_pSizeInfo->rect = m_pSizeInfo->rect.Normalized();
  m_sizeTip.Show(SelectionSizeText(m_pSizeInfo->rect), QPoint(m_pSizeInfo->cursor.x, m_pSizeInfo->cursor.y));
  Repaint();
}

void SelectionController::OnHideSelSize() {
  m_sizeTip.Hide();
  Repaint();
}

void SelectionController::RelayToSizeTip(Point point, bool buttonEvent) {
  if (m_pSizeInfo && m_pSizeInfo->rect.Contains(point)) m_sizeTip.RelayMouse(QPoint(point.x, point.y), buttonEvent);
}

void SelectionController::Repaint() { m_host.HostWidget()->update(); }

}  // namespace pelmoro
