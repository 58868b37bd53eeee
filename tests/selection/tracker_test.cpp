// The selection frame on its own: where its parts are and how it keeps inside its bounds.
#include <gtest/gtest.h>

#include "output/ui/selection_tracker.h"

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

}  // namespace
}  // namespace pelmoro
