#pragma once
#include <memory>

#include "output/rect_tracker.h"
#include "render/face_picture.h"

namespace pelmoro {

// The selection's size as a drag reports it: the frame's rectangle and the cursor, both in
// the preview's coordinates.
struct CSizeInfo {
  Rect rect;
  Point cursor;
};

// The window the selection frame belongs to: it knows where the cursor is and shows or
// hides the size tooltip while the frame is dragged.
class SelectionOwner {
 public:
  virtual ~SelectionOwner() = default;
  virtual Point CursorPos() const = 0;
  virtual void OnShowSelSize(std::unique_ptr<CSizeInfo> info) = 0;
  virtual void OnHideSelSize() = 0;
};

// Where the selection frame may go: the picture less a one-pixel margin.
inline constexpr Rect kSelectionBounds{1, 1, FacePicture::kWidth - 1, FacePicture::kHeight - 1};

// The frame around the selection: a dotted line with resize handles inside the rectangle,
// at least 50 x 50 pixels when resized, and kept inside its bounds (the picture less a
// one-pixel margin) while dragged.
class CSelectionTracker : public CRectTracker {
 public:
  CSelectionTracker(const Rect& rect, int style, SelectionOwner* owner = nullptr);

  // Clamps the rectangle into the bounds edge by edge (left, top, right, bottom), stores
  // it, and tells the owner the new size, or to hide it while the top-left handle is
  // under the cursor.
  void AdjustRect(int handle, Rect& rect) override;

  Rect m_rcBounds = kSelectionBounds;
  SelectionOwner* m_pOwner;
};

}  // namespace pelmoro
