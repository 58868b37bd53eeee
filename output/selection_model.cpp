#include "output/selection_model.h"

namespace pelmoro {

void SelectionModel::Enable() {
  Clear();
  m_shapes.push_front(std::make_unique<CRectBlock>());
  NewTrackerAround(*m_shapes.front());
  m_bNoSelection = false;
}

void SelectionModel::Disable() {
  Clear();
  m_bNoSelection = true;
}

void SelectionModel::Clear() {
  m_pTarget = nullptr;
  m_shapes.clear();
  m_pTracker.reset();
}

bool SelectionModel::Hide() {
  if (!m_pTracker) return false;
  m_bNoSelection = true;
  return true;
}

bool SelectionModel::Show() {
  if (!m_pTracker || !m_bNoSelection) return false;
  m_bNoSelection = false;
  return true;
}

void SelectionModel::Remember() { m_rcSavedSelection = m_pTracker ? m_pTracker->m_rect : kDefaultSavedSelection; }

void SelectionModel::Restore() {
  if (m_pTracker) m_pTracker->m_rect = m_rcSavedSelection;
}

SelectionModel::Press SelectionModel::PressAt(Point point) {
  if (m_shapes.empty()) return Press::kMissed;
  Press press = Press::kOnFrame;
  if (HitTest(point) != CRectTracker::hitNothing) {
    m_pTarget = m_shapes.front().get();
  } else if (PickBlock(point)) {
    press = Press::kPicked;
  } else {
    NewTrackerAround(*m_shapes.front());
    return Press::kMissed;
  }
  m_pTracker->BeginTrack(point);
  return press;
}

// Tries each block in turn with a new frame around it; the first one hit moves to the head
// of the list and becomes the target.
bool SelectionModel::PickBlock(Point point) {
  for (auto block = m_shapes.begin(); block != m_shapes.end(); ++block) {
    NewTrackerAround(**block);
    if (m_pTracker->HitTest(point) == CRectTracker::hitNothing) continue;
    m_shapes.splice(m_shapes.begin(), m_shapes, block);
    m_pTarget = m_shapes.front().get();
    return true;
  }
  return false;
}

void SelectionModel::NewTrackerAround(const CBlock& block) {
  m_pTracker = std::make_unique<CSelectionTracker>(block.m_rcBlock, kTrackerStyle, m_pOwner);
  m_pTracker->m_rcBounds = kSelectionBounds;
}

void SelectionModel::DragTo(Point point) {
  if (IsDragging()) m_pTracker->TrackTo(point);
}

bool SelectionModel::Release(Point point) {
  if (!IsDragging()) return false;
  const bool moved = m_pTracker->EndTrack(point) && m_pTarget != nullptr;
  if (moved) m_pTarget->m_rcBlock = m_pTracker->m_rect;
  m_pTarget = nullptr;
  return moved;
}

bool SelectionModel::CancelDrag() {
  if (!IsDragging()) return false;
  m_pTracker->CancelTrack();
  m_pTarget = nullptr;
  return true;
}

int SelectionModel::HitTest(Point point) const {
  return m_pTracker ? m_pTracker->HitTest(point) : CRectTracker::hitNothing;
}

void SelectionModel::Draw(Surface& surface) const {
  for (const auto& block : m_shapes) block->Draw(surface);
  if (m_pTracker) m_pTracker->Draw(surface);
}

}  // namespace pelmoro
