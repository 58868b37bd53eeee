// The preview's own operations: the loading-error picture, the selection operations and
// the rest poses, seen in the pixels the window shows.
#include <gtest/gtest.h>

#include <QTest>

#include "fill/ui/fill_preview.h"
#include "model/random.h"
#include "output/selection_tracker.h"
#include "render/ui/face_preview.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

class Preview : public ::testing::Test {
 protected:
  Preview() : preview(random) {
    CRandom faces(9);
    ShowRandomFace(preview, faces);
  }
  QImage Face() const { return PipelinePicture(preview.Picture()); }

  CRandom random{1};
  CFacePreview preview;
};

TEST_F(Preview, ShowsTheFaceThroughThePipeline) {
  EXPECT_EQ(preview.size(), QSize(224, 192));
  EXPECT_EQ(Shown(&preview), Face());
}

TEST_F(Preview, LoadingErrorIgnoresFaceFillAndSelection) {
  preview.EnableSelection();
  preview.SetLoadError(true);
  const QImage error = Shown(&preview);
  FillSettings fill = preview.Fill();
  fill.m_nFillType = FillSolid;
  fill.m_crBackground = 0x000000FF;
  preview.SetFill(fill);
  preview.DisableSelection();
  CFace face = preview.Face();
  face.faceSize = 0;
  preview.SetFace(face);
  EXPECT_EQ(Shown(&preview), error);
  EXPECT_EQ(error.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(error.pixel(200, 150), qRgb(255, 255, 255));
  preview.SetLoadError(false);
  EXPECT_EQ(Shown(&preview), Face());
}

TEST_F(Preview, SelectionIsDrawnOnlyWhileShown) {
  EXPECT_FALSE(preview.HasSelection());
  preview.HideSelection();
  preview.ShowSelection();
  EXPECT_EQ(Shown(&preview), Face()) << "showing without a selection draws nothing";

  preview.EnableSelection();
  ASSERT_TRUE(preview.HasSelection());
  EXPECT_EQ(preview.Tracker()->m_rect, (Rect{50, 50, 100, 100}));
  EXPECT_EQ(preview.Tracker()->m_rcBounds, (Rect{1, 1, 223, 191}));
  const QImage shownFrame = Shown(&preview);
  EXPECT_NE(shownFrame, Face());
  EXPECT_EQ(shownFrame.copy(0, 0, 224, 50), Face().copy(0, 0, 224, 50)) << "drawn outside the selection";

  preview.HideSelection();
  EXPECT_TRUE(preview.HasSelection());
  EXPECT_EQ(Shown(&preview), Face());
  preview.ShowSelection();
  EXPECT_EQ(Shown(&preview), shownFrame);

  preview.DisableSelection();
  EXPECT_FALSE(preview.HasSelection());
  EXPECT_EQ(Shown(&preview), Face());
}

TEST_F(Preview, RememberAndRestoreSelection) {
  preview.RememberSelection();
  EXPECT_EQ(preview.SavedSelection(), (Rect{50, 50, 100, 100}));
  preview.RestoreSelection();
  EXPECT_FALSE(preview.HasSelection());

  preview.EnableSelection();
  preview.Tracker()->m_rect = Rect{10, 20, 90, 120};
  preview.RememberSelection();
  preview.Tracker()->m_rect = Rect{1, 1, 60, 60};
  preview.RestoreSelection();
  EXPECT_EQ(preview.Tracker()->m_rect, (Rect{10, 20, 90, 120}));
}

// A grab paints afresh, so only counted paints show that a setter asked for one.
TEST_F(Preview, NewFaceOrFillRepaintsTheWindowAndTheFillPreview) {
  preview.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
  PaintCounter paints(&preview);
  CFace face = preview.Face();
  face.faceSize = 2;
  preview.SetFace(face);
  EXPECT_TRUE(WaitForPaint(paints, 0));
  FillSettings fill = preview.Fill();
  fill.m_nFillType = FillSolid;
  const int before = paints.Count();
  preview.SetFill(fill);
  EXPECT_TRUE(WaitForPaint(paints, before));
  EXPECT_EQ(Shown(&preview), Face());

  CFillPreview square;
  square.resize(40, 30);
  square.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&square));
  PaintCounter squarePaints(&square);
  square.SetFill(fill);
  EXPECT_TRUE(WaitForPaint(squarePaints, 0));
}

TEST_F(Preview, StopAnimationRestsThePosesEvenWhenNeverStarted) {
  const auto atRest = [this] {
    const FacePicture& p = preview.Picture();
    return p.m_nEyePose == 0 && p.m_nMouthPose == 1 && p.m_nBrowPose == 1;
  };
  preview.StopAnimation();
  EXPECT_TRUE(atRest());

  const QImage rest = Face();
  preview.StartAnimation();
  EXPECT_TRUE(preview.IsAnimating());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !atRest(); }, 3000));
  EXPECT_NE(Shown(&preview), rest) << "the window shows the animated pose";
  EXPECT_EQ(Shown(&preview), Face());
  preview.StopAnimation();
  EXPECT_FALSE(preview.IsAnimating());
  EXPECT_TRUE(atRest());
  EXPECT_EQ(Shown(&preview), rest);
}

}  // namespace
}  // namespace pelmoro
