#include "output/selection_tracker.h"

namespace pelmoro {

namespace {

// How far an edge that left the bounds on the far side lands inside them.
constexpr std::int32_t kFarEdgeInset = 5;

}  // namespace

CSelectionTracker::CSelectionTracker(const Rect& rect, int style, SelectionOwner* owner)
    : CRectTracker(rect, style), m_pOwner(owner) {
  m_sizeMinWidth = 50;
  m_sizeMinHeight = 50;
}

void CSelectionTracker::AdjustRect(int, Rect& rect) {
  Rect r = rect;
  const Rect& b = m_rcBounds;
  if (r.left < b.left) r.left = b.left;
  if (r.left > b.right) r.left = b.right - kFarEdgeInset;
  if (r.top < b.top) r.top = b.top;
  if (r.top > b.bottom) r.top = b.bottom - kFarEdgeInset;
  if (r.right > b.right) r.right = b.right;
  if (r.right < b.left) r.right = b.left + kFarEdgeInset;
  if (r.bottom > b.bottom) r.bottom = b.bottom;
  if (r.bottom < b.top) r.bottom = b.top + kFarEdgeInset;
  m_rect = r;
  rect = r;

  if (m_pOwner == nullptr) return;
  const Point cursor = m_pOwner->CursorPos();
  if (HitTest(cursor) == hitTopLeft) {
    m_pOwner->OnHideSelSize();
  } else {
    m_pOwner->OnShowSelSize(std::make_unique<CSizeInfo>(CSizeInfo{m_rect, cursor}));
  }
}

}  // namespace pelmoro
