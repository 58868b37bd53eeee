// The selection without a window: the rectangle arithmetic, where the frame's parts are,
// how a drag moves and sizes it inside its bounds, and the model that owns blocks and frame.
#include "output/selection_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmoro {
namespace {

constexpr int kStyle = CRectTracker::kStyleDottedLine | CRectTracker::kStyleResizeInside;

Rect Adjusted(const Rect& rect) {
  CSelectionTracker tracker(Rect{50, 50, 100, 100}, kStyle);
  tracker.m_rcBounds = Rect{1, 1, 223, 191};
  Rect r = rect;
  tracker.AdjustRect(CRectTracker::hitMiddle, r);
  EXPECT_EQ(tracker.m_rect, r);
  return r;
}

TEST(SelectionTrackerAdjust, ClampsTheRightAndBottomEdges) {
  EXPECT_EQ(Adjusted(Rect{1, 1, 223, 191}), (Rect{1, 1, 223, 191}));
  EXPECT_EQ(Adjusted(Rect{200, 50, 250, 100}), (Rect{200, 50, 223, 100}));
  EXPECT_EQ(Adjusted(Rect{50, 170, 100, 220}), (Rect{50, 170, 100, 191}));
  // An edge exactly on the bound is not moved.
  EXPECT_EQ(Adjusted(Rect{223, 191, 273, 241}), (Rect{223, 191, 223, 191}));
}

TEST(SelectionTrackerAdjust, PutsAFarLeftOrTopEdgeFivePixelsInside) {
  EXPECT_EQ(Adjusted(Rect{230, 50, 280, 100}), (Rect{218, 50, 223, 100}));
  EXPECT_EQ(Adjusted(Rect{50, 200, 100, 250}), (Rect{50, 186, 100, 191}));
  EXPECT_EQ(Adjusted(Rect{300, 300, 350, 350}), (Rect{218, 186, 223, 191}));
}

TEST(SelectionTrackerAdjust, ClampsTheLeftAndTopEdgesAndAFarRightOrBottomEdge) {
  EXPECT_EQ(Adjusted(Rect{-10, -20, 40, 30}), (Rect{1, 1, 40, 30}));
  EXPECT_EQ(Adjusted(Rect{-80, -90, -30, -40}), (Rect{1, 1, 6, 6}));
}

TEST(SelectionTrackerHitTest, NamesTheHandlesAndTheInside) {
  const CSelectionTracker tracker(Rect{50, 50, 110, 110}, kStyle);
  EXPECT_EQ(tracker.HitTest({49, 60}), CRectTracker::hitNothing);
  EXPECT_EQ(tracker.HitTest({110, 80}), CRectTracker::hitNothing);  // right edge is outside
  EXPECT_EQ(tracker.HitTest({80, 110}), CRectTracker::hitNothing);  // so is the bottom edge
  EXPECT_EQ(tracker.HitTest({50, 50}), CRectTracker::hitTopLeft);
  EXPECT_EQ(tracker.HitTest({55, 55}), CRectTracker::hitTopLeft);
  EXPECT_EQ(tracker.HitTest({109, 50}), CRectTracker::hitTopRight);
  EXPECT_EQ(tracker.HitTest({109, 109}), CRectTracker::hitBottomRight);
  EXPECT_EQ(tracker.HitTest({50, 109}), CRectTracker::hitBottomLeft);
  EXPECT_EQ(tracker.HitTest({80, 51}), CRectTracker::hitTop);
  EXPECT_EQ(tracker.HitTest({108, 80}), CRectTracker::hitRight);
  EXPECT_EQ(tracker.HitTest({80, 108}), CRectTracker::hitBottom);
  EXPECT_EQ(tracker.HitTest({51, 80}), CRectTracker::hitLeft);
  EXPECT_EQ(tracker.HitTest({80, 80}), CRectTracker::hitMiddle);
  EXPECT_EQ(tracker.HitTest({56, 56}), CRectTracker::hitMiddle);
}

TEST(SelectionRect, ContainsIsHalfOpenAndNormalizedOrdersTheEdges) {
  const Rect r{10, 20, 30, 40};
  EXPECT_TRUE(r.Contains({10, 20}));
  EXPECT_TRUE(r.Contains({29, 39}));
  EXPECT_FALSE(r.Contains({30, 25}));
  EXPECT_FALSE(r.Contains({15, 40}));
  EXPECT_FALSE(r.Contains({9, 25}));
  EXPECT_EQ((Rect{30, 40, 10, 20}).Normalized(), r);
  EXPECT_EQ((Rect{10, 40, 30, 20}).Normalized(), r);
  EXPECT_FALSE((Rect{30, 40, 10, 20}).Contains({15, 25})) << "an inverted rectangle holds nothing";
}

// A tracker at (50, 50, 100, 100) dragged from `from` to `to`: the rectangle it ends with.
Rect Dragged(Point from, Point to, int minSize = 50) {
  CRectTracker tracker(Rect{50, 50, 100, 100}, kStyle);
  tracker.m_sizeMinWidth = minSize;
  tracker.m_sizeMinHeight = minSize;
  EXPECT_TRUE(tracker.BeginTrack(from));
  tracker.TrackTo(to);
  return tracker.m_rect;
}

TEST(SelectionTrackerDrag, MovesFromInsideAndMovesTheHeldEdgesFromAHandle) {
  EXPECT_EQ(Dragged({75, 75}, {85, 60}), (Rect{60, 35, 110, 85}));
  EXPECT_EQ(Dragged({99, 99}, {129, 119}), (Rect{50, 50, 130, 120}));  // bottom-right
  EXPECT_EQ(Dragged({50, 50}, {40, 30}), (Rect{40, 30, 100, 100}));    // top-left
  EXPECT_EQ(Dragged({75, 51}, {90, 41}), (Rect{50, 40, 100, 100}));    // top: x ignored
  EXPECT_EQ(Dragged({51, 75}, {21, 90}), (Rect{20, 50, 100, 100}));    // left: y ignored
}

TEST(SelectionTrackerDrag, HandlesStopAtTheMinimumSize) {
  EXPECT_EQ(Dragged({99, 99}, {20, 20}), (Rect{50, 50, 100, 100}));
  EXPECT_EQ(Dragged({50, 50}, {200, 200}), (Rect{50, 50, 100, 100}));
  EXPECT_EQ(Dragged({99, 99}, {20, 20}, 10), (Rect{50, 50, 60, 60}));
}

TEST(SelectionTrackerDrag, BeginsOnlyOnTheFrameAndReportsWhetherItMoved) {
  CRectTracker tracker(Rect{50, 50, 100, 100}, kStyle);
  EXPECT_FALSE(tracker.BeginTrack({100, 75}));
  EXPECT_FALSE(tracker.IsTracking());
  ASSERT_TRUE(tracker.BeginTrack({75, 75}));
  tracker.TrackTo({90, 90});
  EXPECT_FALSE(tracker.EndTrack({75, 75})) << "back where it started";
  EXPECT_FALSE(tracker.IsTracking());
  ASSERT_TRUE(tracker.BeginTrack({75, 75}));
  EXPECT_TRUE(tracker.EndTrack({76, 75}));
  EXPECT_EQ(tracker.m_rect, (Rect{51, 50, 101, 100}));
}

// Collects what the frame reports during a drag.
class SizeListener : public SelectionOwner {
 public:
  Point CursorPos() const override { return cursor; }
  void OnShowSelSize(std::unique_ptr<CSizeInfo> info) override { shown.push_back(info->rect); }
  void OnHideSelSize() override { ++hidden; }

  Point cursor;
  std::vector<Rect> shown;
  int hidden = 0;
};

TEST(SelectionModelTest, EnableHideShowAndRemember) {
  SelectionModel model;
  EXPECT_FALSE(model.Hide());
  EXPECT_EQ(model.ShownLayer(), nullptr);
  model.Remember();
  EXPECT_EQ(model.Saved(), SelectionModel::kDefaultSavedSelection);

  model.Enable();
  ASSERT_TRUE(model.HasSelection());
  EXPECT_EQ(model.Tracker()->m_rect, (Rect{50, 50, 100, 100}));
  EXPECT_EQ(model.Tracker()->m_rcBounds, (Rect{1, 1, 223, 191}));
  EXPECT_EQ(model.Tracker()->m_nStyle, 10);
  EXPECT_EQ(model.ShownLayer(), &model);
  EXPECT_FALSE(model.Show()) << "already shown";
  EXPECT_TRUE(model.Hide());
  EXPECT_EQ(model.ShownLayer(), nullptr);
  EXPECT_TRUE(model.Show());

  model.Tracker()->m_rect = Rect{5, 6, 70, 80};
  model.Remember();
  model.Tracker()->m_rect = Rect{};
  model.Restore();
  EXPECT_EQ(model.Tracker()->m_rect, (Rect{5, 6, 70, 80}));
  model.Disable();
  EXPECT_FALSE(model.HasSelection());
  EXPECT_FALSE(model.IsShown());
}

TEST(SelectionModelTest, DragMovesTheBlockAndReportsTheSizeToTheOwner) {
  SizeListener owner;
  SelectionModel model;
  model.SetOwner(&owner);
  EXPECT_EQ(model.PressAt({75, 75}), SelectionModel::Press::kMissed) << "no blocks yet";
  model.Enable();
  EXPECT_EQ(model.PressAt({75, 75}), SelectionModel::Press::kOnFrame);
  owner.cursor = {300, 75};
  model.DragTo(owner.cursor);
  EXPECT_EQ(owner.shown, (std::vector<Rect>{{218, 50, 223, 100}})) << "a far left edge lands five inside";
  EXPECT_TRUE(model.Release({60, 80}));
  EXPECT_FALSE(model.IsDragging());

  // A press outside puts a fresh frame around the block, which kept the dragged rectangle.
  model.Tracker()->m_rect = Rect{};
  EXPECT_EQ(model.PressAt({200, 10}), SelectionModel::Press::kMissed);
  EXPECT_EQ(model.Tracker()->m_rect, (Rect{35, 55, 85, 105}));
  EXPECT_EQ(model.PressAt({36, 56}), SelectionModel::Press::kOnFrame);
  model.DragTo({37, 57});
  EXPECT_EQ(owner.hidden, 0) << "the cursor is not over the top-left handle";
  owner.cursor = {37, 57};
  model.DragTo({38, 58});
  EXPECT_EQ(owner.hidden, 1);
}

}  // namespace
}  // namespace pelmoro
