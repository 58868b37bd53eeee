#pragma once
#include "render/geometry.h"
#include "render/surface.h"

namespace pelmoro {

// The frame around the selection: a dotted line with resize handles inside the rectangle.
// It is kept inside its bounds, the picture less a one-pixel margin.
class CSelectionTracker {
 public:
  static constexpr int kStyleDottedLine = 2;
  static constexpr int kStyleResizeInside = 8;
  static constexpr int kHandleSize = 6;

  CSelectionTracker(const Rect& rect, int style) : m_rect(rect), m_nStyle(style) {}

  // Draws the frame and the eight handles onto the surface.
  void Draw(Surface& surface) const;

  Rect m_rect;
  int m_nStyle;
  Rect m_rcBounds{1, 1, 223, 191};
  int m_sizeMinWidth = 50;
  int m_sizeMinHeight = 50;

 private:
  void DrawDottedFrame(Surface& surface, const Rect& r) const;
  void DrawHandles(Surface& surface, const Rect& r) const;
};

}  // namespace pelmoro
