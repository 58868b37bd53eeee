#pragma once
#include <list>
#include <memory>

#include "output/selection_block.h"
#include "output/selection_tracker.h"
#include "render/face_picture.h"

namespace pelmoro {

// The selection laid over the picture, without any window: the blocks, the tracker frame
// around the selected one, whether both are shown, the remembered frame rectangle, and
// picking and dragging a frame with the mouse. The preview window owns one; it turns its
// mouse events into PressAt, DragTo and Release and repaints when an operation says the
// picture changed.
class SelectionModel : public SelectionLayer {
 public:
  // A dotted frame with the resize handles inside the rectangle.
  static constexpr int kTrackerStyle = CRectTracker::kStyleDottedLine | CRectTracker::kStyleResizeInside;
  // What RememberSelection keeps while there is no frame.
  static constexpr Rect kDefaultSavedSelection{50, 50, 100, 100};

  // What a press of the left button did.
  enum class Press {
    kMissed,   // no frame under the point: nothing to drag
    kOnFrame,  // a drag of the current frame started
    kPicked,   // another block was picked, moved to the head and its drag started
  };

  // The owner every new frame reports its size to during a drag; may be null.
  void SetOwner(SelectionOwner* owner) { m_pOwner = owner; }

  // One new rectangle block with a frame around it, shown.
  void Enable();
  // No blocks and no frame, hidden.
  void Disable();
  // No blocks and no frame; shown or hidden as before.
  void Clear();
  bool HasSelection() const { return m_pTracker != nullptr; }
  // Hides or shows the blocks and the frame while there is a frame. True when the picture
  // changed.
  bool Hide();
  bool Show();
  bool IsShown() const { return !m_bNoSelection; }
  // Keeps the frame's rectangle (kDefaultSavedSelection without a frame) or puts the kept
  // one back into the frame.
  void Remember();
  void Restore();
  const Rect& Saved() const { return m_rcSavedSelection; }
  CSelectionTracker* Tracker() const { return m_pTracker.get(); }
  // What the picture draws over the face: this layer while shown, otherwise nothing.
  const SelectionLayer* ShownLayer() const { return m_bNoSelection ? nullptr : this; }

  // The left button went down at the point. On the frame, its drag starts. Elsewhere the
  // blocks are tried from the head, each with a new frame around it; the first one under
  // the point moves to the head and its drag starts. When none is, the head block gets a
  // new frame and nothing is dragged.
  Press PressAt(Point point);
  // The mouse moved to the point during a drag.
  void DragTo(Point point);
  // The button went up at the point: ends the drag. True when the frame ended elsewhere
  // than it started; the dragged block then takes the frame's rectangle.
  bool Release(Point point);
  // Ends the drag with the frame back where it was; the block keeps its rectangle. True
  // when a drag was running.
  bool CancelDrag();
  bool IsDragging() const { return m_pTracker && m_pTracker->IsTracking(); }
  // The frame's part under the point; hitNothing without a frame.
  int HitTest(Point point) const;

  // The blocks in list order, then the frame.
  void Draw(Surface& surface) const override;

 private:
  void NewTrackerAround(const CBlock& block);
  bool PickBlock(Point point);

  std::list<std::unique_ptr<CBlock>> m_shapes;
  std::unique_ptr<CSelectionTracker> m_pTracker;
  bool m_bNoSelection = true;
  Rect m_rcSavedSelection;
  // The block the running drag moves.
  CBlock* m_pTarget = nullptr;
  SelectionOwner* m_pOwner = nullptr;
};

}  // namespace pelmoro
