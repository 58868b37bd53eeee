#pragma once
#include "render/geometry.h"
#include "render/surface.h"

namespace pelmoro {

// A rectangle the user moves and resizes with the mouse: a frame with eight square handles
// inside its edges. A drag started inside the rectangle moves it; one started on a handle
// moves the edges that handle holds, never closer together than the minimum size. After
// every change the rectangle goes through AdjustRect, which derived trackers override to
// keep it in bounds. The window shows the cursor of the part under the mouse (HitTest).
class CRectTracker {
 public:
  // Style flags.
  static constexpr int kStyleDottedLine = 2;
  static constexpr int kStyleResizeInside = 8;
  // The largest handle; smaller rectangles get smaller handles (a third of their side).
  static constexpr int kHandleSize = 6;

  // What lies under a point.
  enum Hit {
    hitNothing = -1,
    hitTopLeft = 0,
    hitTopRight = 1,
    hitBottomRight = 2,
    hitBottomLeft = 3,
    hitTop = 4,
    hitRight = 5,
    hitBottom = 6,
    hitLeft = 7,
    hitMiddle = 8,
  };

  CRectTracker(const Rect& rect, int style) : m_rect(rect), m_nStyle(style) {}
  virtual ~CRectTracker() = default;
  CRectTracker(const CRectTracker&) = delete;
  CRectTracker& operator=(const CRectTracker&) = delete;

  // hitNothing outside; a handle's code on a handle (handles win over the inside);
  // hitMiddle elsewhere inside, left and top inclusive, right and bottom exclusive.
  int HitTest(Point point) const;

  // The frame (dotted: every other pixel, the gaps left as they are) and the handles.
  void Draw(Surface& surface) const;

  // Starts a drag at the point. Returns false, and starts nothing, when the point is
  // neither inside the rectangle nor on a handle.
  bool BeginTrack(Point point);
  // Moves or resizes the rectangle for the mouse now at the point, then AdjustRect.
  void TrackTo(Point point);
  // Ends the drag at the point; true when the rectangle differs from where it started.
  bool EndTrack(Point point);
  // Ends the drag with the rectangle back where it started.
  void CancelTrack();
  bool IsTracking() const { return m_nTrackHit != hitNothing; }

  // Called with the rectangle after every change during a drag; `handle` is the hit code
  // the drag started on. The tracker itself leaves the rectangle as it is.
  virtual void AdjustRect(int handle, Rect& rect);

  Rect m_rect;
  int m_nStyle;
  int m_sizeMinWidth = 0;
  int m_sizeMinHeight = 0;

 private:
  // The rectangle of handle 0 to 7 (hit codes) of the normalised rectangle; empty when the
  // rectangle is too small for handles.
  Rect HandleRect(const Rect& normalized, int handle) const;
  int HandleSizeFor(const Rect& normalized) const;
  Rect DraggedRect(Point point) const;
  void DrawDottedFrame(Surface& surface, const Rect& r) const;
  void DrawHandles(Surface& surface, const Rect& r) const;

  int m_nTrackHit = hitNothing;
  Point m_ptTrackStart;
  Point m_ptTrackLast;
  Rect m_rcTrackStart;
};

}  // namespace pelmoro
