#include "output/rect_tracker.h"

#include <algorithm>

namespace pelmoro {

namespace {

constexpr Color kFrameColor = 0x00000000;

// Column and row (0 left/top, 1 middle, 2 right/bottom) of each handle, by hit code.
constexpr int kHandleColumn[8] = {0, 2, 2, 0, 1, 2, 1, 0};
constexpr int kHandleRow[8] = {0, 0, 2, 2, 0, 1, 2, 1};

bool HoldsLeft(int hit) {
  return hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitBottomLeft || hit == CRectTracker::hitLeft;
}
bool HoldsRight(int hit) {
  return hit == CRectTracker::hitTopRight || hit == CRectTracker::hitBottomRight || hit == CRectTracker::hitRight;
}
bool HoldsTop(int hit) {
  return hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitTopRight || hit == CRectTracker::hitTop;
}
bool HoldsBottom(int hit) {
  return hit == CRectTracker::hitBottomLeft || hit == CRectTracker::hitBottomRight || hit == CRectTracker::hitBottom;
}

}  // namespace

int CRectTracker::HandleSizeFor(const Rect& normalized) const {
  return std::min({kHandleSize, normalized.Width() / 3, normalized.Height() / 3});
}

Rect CRectTracker::HandleRect(const Rect& normalized, int handle) const {
  const std::int32_t size = HandleSizeFor(normalized);
  if (size <= 0) return {};
  const std::int32_t xs[3] = {normalized.left, normalized.left + (normalized.Width() - size) / 2,
                              normalized.right - size};
  const std::int32_t ys[3] = {normalized.top, normalized.top + (normalized.Height() - size) / 2,
                              normalized.bottom - size};
  const std::int32_t x = xs[kHandleColumn[handle]];
  const std::int32_t y = ys[kHandleRow[handle]];
  return {x, y, x + size, y + size};
}

int CRectTracker::HitTest(Point point) const {
  const Rect r = m_rect.Normalized();
  if (m_nStyle & kStyleResizeInside) {
    for (int handle = hitTopLeft; handle <= hitLeft; ++handle) {
      if (HandleRect(r, handle).Contains(point)) return handle;
    }
  }
  return r.Contains(point) ? hitMiddle : hitNothing;
}

void CRectTracker::Draw(Surface& surface) const {
  const Rect r = m_rect.Normalized();
  if (r.IsEmpty()) return;
  if (m_nStyle & kStyleDottedLine) DrawDottedFrame(surface, r);
  if (m_nStyle & kStyleResizeInside) DrawHandles(surface, r);
}

// Every other pixel of the outline, the gaps left as they are, so the picture shows
// through and the frame stays visible on light and dark pictures alike.
void CRectTracker::DrawDottedFrame(Surface& surface, const Rect& r) const {
  const std::int32_t right = r.right - 1;
  const std::int32_t bottom = r.bottom - 1;
  for (std::int32_t x = r.left; x <= right; x += 2) {
    surface.FillSolidRect(x, r.top, 1, 1, kFrameColor);
    surface.FillSolidRect(x, bottom, 1, 1, kFrameColor);
  }
  for (std::int32_t y = r.top; y <= bottom; y += 2) {
    surface.FillSolidRect(r.left, y, 1, 1, kFrameColor);
    surface.FillSolidRect(right, y, 1, 1, kFrameColor);
  }
}

void CRectTracker::DrawHandles(Surface& surface, const Rect& r) const {
  for (int handle = hitTopLeft; handle <= hitLeft; ++handle) {
    const Rect square = HandleRect(r, handle);
    if (!square.IsEmpty()) surface.FillSolidRect(square, kFrameColor);
  }
}

bool CRectTracker::BeginTrack(Point point) {
  const int hit = HitTest(point);
  if (hit == hitNothing) return false;
  m_nTrackHit = hit;
  m_ptTrackStart = point;
  m_ptTrackLast = point;
  m_rcTrackStart = m_rect;
  return true;
}

void CRectTracker::TrackTo(Point point) {
  if (!IsTracking() || point == m_ptTrackLast) return;
  m_ptTrackLast = point;
  m_rect = DraggedRect(point);
  AdjustRect(m_nTrackHit, m_rect);
}

bool CRectTracker::EndTrack(Point point) {
  if (!IsTracking()) return false;
  TrackTo(point);
  m_nTrackHit = hitNothing;
  return m_rect != m_rcTrackStart;
}

void CRectTracker::CancelTrack() {
  if (!IsTracking()) return;
  m_rect = m_rcTrackStart;
  m_nTrackHit = hitNothing;
}

// The rectangle where the drag started, moved by the mouse's way so far, or with the
// edges of the held handle moved by it, no closer than the minimum size.
Rect CRectTracker::DraggedRect(Point point) const {
  const std::int32_t dx = point.x - m_ptTrackStart.x;
  const std::int32_t dy = point.y - m_ptTrackStart.y;
  const Rect& start = m_rcTrackStart;
  if (m_nTrackHit == hitMiddle) return {start.left + dx, start.top + dy, start.right + dx, start.bottom + dy};

  Rect r = start;
  if (HoldsLeft(m_nTrackHit)) r.left = std::min(start.left + dx, start.right - m_sizeMinWidth);
  if (HoldsRight(m_nTrackHit)) r.right = std::max(start.right + dx, start.left + m_sizeMinWidth);
  if (HoldsTop(m_nTrackHit)) r.top = std::min(start.top + dy, start.bottom - m_sizeMinHeight);
  if (HoldsBottom(m_nTrackHit)) r.bottom = std::max(start.bottom + dy, start.top + m_sizeMinHeight);
  return r;
}

void CRectTracker::AdjustRect(int, Rect&) {}

}  // namespace pelmoro
