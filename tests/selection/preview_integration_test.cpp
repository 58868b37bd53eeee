// The selection in the program's own window: Tools / Enable selection, a drag on the
// preview, the context menu's export reaching the main window, and no menu during a
// loading error.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "answering_prompts.h"
#include "app/face_dlg.h"
#include "output/ui/selection_tracker.h"
#include "render/ui/face_preview.h"

namespace pelmoro {
namespace {

class PreviewSelection : public ::testing::Test {
 protected:
  PreviewSelection() : dialog(1234) {
    dialog.SetUserPrompts(prompts);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.Action(CFaceDlg::ID_ENABLE_SELECTION)->trigger();
  }

  CFacePreview& preview() { return dialog.Preview(); }

  AnsweringPrompts prompts;
  CFaceDlg dialog;
  QTemporaryDir folder;
};

TEST_F(PreviewSelection, DraggingOnThePreviewMovesTheFrameInsideThePicture) {
  ASSERT_NE(preview().Tracker(), nullptr);
  QTest::mousePress(&preview(), Qt::LeftButton, {}, QPoint(75, 75));
  QTest::mouseMove(&preview(), QPoint(105, 95));
  EXPECT_EQ(preview().Tracker()->m_rect, (Rect{80, 70, 130, 120}));
  QTest::mouseMove(&preview(), QPoint(400, 95));
  QTest::mouseRelease(&preview(), Qt::LeftButton, {}, QPoint(400, 95));
  EXPECT_EQ(preview().Tracker()->m_rect, (Rect{218, 70, 223, 120}));
  EXPECT_EQ(preview().cursor().shape(), Qt::ArrowCursor);  // released outside the frame
  QTest::mouseMove(&preview(), QPoint(220, 100));
  EXPECT_EQ(preview().cursor().shape(), Qt::SizeAllCursor);
}

TEST_F(PreviewSelection, SaveSelectionAsGoesThroughTheMainWindowsExport) {
  preview().Tracker()->m_rect = Rect{10, 20, 110, 90};
  prompts.answer = folder.filePath("part.png");
  emit preview().selectionExportRequested(ImageFormat::Png);
  EXPECT_EQ(QImage(prompts.answer).size(), QSize(98, 68));
  EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(PreviewSelection, RightClickShowsTheMenuExceptDuringALoadingError) {
  bool menuShown = false;
  QTimer::singleShot(0, [&menuShown] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      menuShown = true;
      popup->close();
    }
  });
  QTest::mouseClick(&preview(), Qt::RightButton, {}, QPoint(75, 75));
  EXPECT_TRUE(menuShown);

  preview().SetLoadError(true);
  menuShown = false;
  QTimer::singleShot(0, [&menuShown] { menuShown = QApplication::activePopupWidget() != nullptr; });
  QTest::mouseClick(&preview(), Qt::RightButton, {}, QPoint(75, 75));
  QTest::qWait(10);
  EXPECT_FALSE(menuShown);
}

}  // namespace
}  // namespace pelmoro
