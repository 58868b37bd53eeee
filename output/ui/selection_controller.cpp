#include "output/ui/selection_controller.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "fill/ui/fill_dialog_result.h"
#include "output/ui/selection_block.h"
#include "output/ui/selection_menu.h"
#include "render/face_picture.h"

namespace pelmoro {

namespace {

constexpr int kTrackerStyle = CRectTracker::kStyleDottedLine | CRectTracker::kStyleResizeInside;
// The selection stays inside the picture less a one-pixel margin.
constexpr Rect kSelectionBounds{1, 1, FacePicture::kWidth - 1, FacePicture::kHeight - 1};

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
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
}

SelectionController::~SelectionController() = default;

bool SelectionController::IsTracking() const {
  const auto& tracker = m_host.TrackerSlot();
  return tracker && tracker->IsTracking();
}

bool SelectionController::OnLeftButtonDown(Point point) {
  RelayToSizeTip(point, true);
  m_ptCursor = point;
  auto& blocks = m_host.Blocks();
  auto& tracker = m_host.TrackerSlot();
  if (blocks.empty()) return false;

  if (tracker && tracker->HitTest(point) != CRectTracker::hitNothing) {
    m_pTarget = blocks.front().get();
  } else if (!PickBlock(point)) {
    NewTrackerAround(*blocks.front());
    return false;
  }
  tracker->m_pOwner = this;
  return tracker->BeginTrack(point);
}

// Tries each block in turn with a new tracker around it; the first one hit moves to the
// head of the list and becomes the target.
bool SelectionController::PickBlock(Point point) {
  auto& blocks = m_host.Blocks();
  for (auto block = blocks.begin(); block != blocks.end(); ++block) {
    NewTrackerAround(**block);
    if (m_host.TrackerSlot()->HitTest(point) == CRectTracker::hitNothing) continue;
    blocks.splice(blocks.begin(), blocks, block);
    m_pTarget = blocks.front().get();
    m_host.TrackerSlot()->SetCursor(m_host.HostWidget(), point);
    Repaint();
    return true;
  }
  return false;
}

void SelectionController::NewTrackerAround(const CBlock& block) {
  auto& tracker = m_host.TrackerSlot();
  SelectionOwner* owner = this;
  tracker = std::make_unique<CSelectionTracker>(block.m_rcBlock, kTrackerStyle, owner);
  tracker->m_rcBounds = kSelectionBounds;
}

void SelectionController::OnMouseMove(Point point, bool leftButtonDown) {
  m_ptCursor = point;
  if (IsTracking()) {
    // A release the window never saw ends the drag where the mouse is now.
    if (!leftButtonDown) {
      OnLeftButtonUp(point);
      return;
    }
    m_host.TrackerSlot()->TrackTo(point);
    Repaint();
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
  auto& tracker = m_host.TrackerSlot();
  if (tracker->EndTrack(point) && m_pTarget != nullptr) {
    m_pTarget->m_rcBlock = tracker->m_rect;
    Repaint();
  }
  m_pTarget = nullptr;
  UpdateCursor(point);
}

void SelectionController::UpdateCursor(Point point) {
  const auto& tracker = m_host.TrackerSlot();
  if (!tracker || !tracker->SetCursor(m_host.HostWidget(), point)) m_host.HostWidget()->unsetCursor();
}

bool SelectionController::OnRightButtonDown(Point point, const QPoint& globalPoint) {
  if (m_host.HasLoadError()) return false;
  const auto menu = BuildSelectionMenu(false, m_host.TrackerSlot().get(), point, m_host.HostWidget());
  if (const QAction* chosen = menu->exec(globalPoint)) RunMenuCommand(chosen->data().toInt());
  return true;
}

void SelectionController::RunMenuCommand(int commandId) {
  if (commandId == kChangeFillTypeId) {
    if (RunFillTypeDialog(m_host.FillToEdit(), m_host.HostWidget())) Repaint();
    return;
  }
  if (const auto format = SelectionExportFormat(commandId)) m_host.ExportSelection(*format);
}

void SelectionController::OnShowSelSize(std::unique_ptr<CSizeInfo> info) {
  m_pSizeInfo = std::move(info);
  m_pSizeInfo->rect = Normalized(m_pSizeInfo->rect);
  m_sizeTip.Show(SelectionSizeText(m_pSizeInfo->rect), QPoint(m_pSizeInfo->cursor.x, m_pSizeInfo->cursor.y));
  Repaint();
}

void SelectionController::OnHideSelSize() {
  m_sizeTip.Hide();
  Repaint();
}

void SelectionController::RelayToSizeTip(Point point, bool buttonEvent) {
  if (m_pSizeInfo && Contains(m_pSizeInfo->rect, point)) m_sizeTip.RelayMouse(QPoint(point.x, point.y), buttonEvent);
}

void SelectionController::Repaint() { m_host.HostWidget()->update(); }

}  // namespace pelmoro
