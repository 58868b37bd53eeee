#include "output/ui/selection_tracker.h"

#include <algorithm>

namespace pelmoro {

namespace {

constexpr Color kFrameColor = 0x00000000;

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

}  // namespace

void CSelectionTracker::Draw(Surface& surface) const {
  const Rect r = Normalized(m_rect);
  if (r.IsEmpty()) return;
  if (m_nStyle & kStyleDottedLine) DrawDottedFrame(surface, r);
  if (m_nStyle & kStyleResizeInside) DrawHandles(surface, r);
}

// Every other pixel of the outline, the gaps left as they are, so the frame is visible on
// light and dark pictures alike.
void CSelectionTracker::DrawDottedFrame(Surface& surface, const Rect& r) const {
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

// Corner and edge-middle squares, inside the rectangle.
void CSelectionTracker::DrawHandles(Surface& surface, const Rect& r) const {
  const std::int32_t size = std::min({kHandleSize, r.Width() / 3, r.Height() / 3});
  if (size <= 0) return;
  const std::int32_t xs[3] = {r.left, r.left + (r.Width() - size) / 2, r.right - size};
  const std::int32_t ys[3] = {r.top, r.top + (r.Height() - size) / 2, r.bottom - size};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row == 1 && column == 1) continue;
      surface.FillSolidRect(xs[column], ys[row], size, size, kFrameColor);
    }
  }
}

}  // namespace pelmoro
