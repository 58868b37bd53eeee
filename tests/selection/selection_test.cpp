// Dragging and sizing the selection with the mouse, its size tooltip, its cursors and the
// preview's context menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/menu_commands.h"
#include "fill/ui/fill_type_dlg.h"
#include "model/random.h"
#include "output/ui/selection_controller.h"
#include "output/ui/selection_menu.h"
#include "render/ui/face_preview.h"
#include "tests/support/shown_dialog.h"

namespace pelmoro {
namespace {

constexpr Rect kBounds{1, 1, 223, 191};

bool Inside(const Rect& r, const Rect& bounds) {
  return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right && r.bottom <= bounds.bottom &&
         r.left <= r.right && r.top <= r.bottom;
}

// A preview with a face, the start-up fill and the selection switched on.
class Selection : public ::testing::Test {
 protected:
  Selection() : random(4711), preview(random) {
    ShowRandomFace(preview, random);
    preview.Selection().SetExportCommands(ExportCommands());
    QObject::connect(&preview, &CFacePreview::selectionExportRequested,
                     [this](ImageFormat format) { exported.push_back(format); });
  }

  void SetUp() override {
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    preview.EnableSelection();
  }

  void Press(QPoint p) { QTest::mousePress(&preview, Qt::LeftButton, {}, p); }
  void Move(QPoint p) { QTest::mouseMove(&preview, p); }
  void Release(QPoint p) { QTest::mouseRelease(&preview, Qt::LeftButton, {}, p); }
  // By value: a click outside the frame replaces the tracker that holds it.
  Rect Frame() { return preview.Tracker()->m_rect; }
  const SelectionSizeTip& SizeTip() { return preview.Selection().SizeTip(); }
  // The block's rectangle, read back the way the preview uses it: a press outside the
  // frame puts a new frame around the block.
  Rect BlockRect() {
    QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(221, 2));
    return Frame();
  }
  QImage Shown() { return preview.grab().toImage(); }

  CRandom random;
  CFacePreview preview;
  std::vector<ImageFormat> exported;
};

TEST_F(Selection, DragMovesTheFrameAndKeepsItInsideThePicture) {
  Press({75, 75});
  Move({95, 85});
  EXPECT_EQ(Frame(), (Rect{70, 60, 120, 110}));
  for (int step = 1; step <= 10; ++step) {
    Move({75 + 40 * step, 75 + 40 * step});
    EXPECT_TRUE(Inside(Frame(), kBounds)) << "step " << step;
  }
  Release({475, 475});
  EXPECT_EQ(Frame(), (Rect{218, 186, 223, 191}));
  EXPECT_EQ(BlockRect(), Frame());

  Press({220, 188});
  Move({-300, -300});
  EXPECT_EQ(Frame(), (Rect{1, 1, 6, 6}));
  Release({-300, -300});
  EXPECT_EQ(BlockRect(), (Rect{1, 1, 6, 6}));
}

TEST_F(Selection, FrameRegainsItsSizeWhenDraggedBackInOneGo) {
  Press({75, 75});
  Move({200, 75});
  EXPECT_EQ(Frame(), (Rect{175, 50, 223, 100}));
  Move({100, 75});
  EXPECT_EQ(Frame(), (Rect{75, 50, 125, 100}));
  Release({100, 75});
  EXPECT_EQ(BlockRect(), (Rect{75, 50, 125, 100}));
}

TEST_F(Selection, HandlesResizeDownToTheMinimumSize) {
  Press({99, 99});  // bottom-right handle
  Move({139, 129});
  EXPECT_EQ(Frame(), (Rect{50, 50, 140, 130}));
  Move({20, 20});
  EXPECT_EQ(Frame(), (Rect{50, 50, 100, 100}));
  Release({20, 20});

  Press({51, 75});  // left handle
  Move({-40, 0});
  EXPECT_EQ(Frame(), (Rect{1, 50, 100, 100}));
  Release({-40, 0});
}

TEST_F(Selection, PressOutsideTheFrameChangesNothing) {
  const QImage before = Shown();
  Press({150, 150});
  Move({180, 170});
  Release({180, 170});
  EXPECT_EQ(Frame(), (Rect{50, 50, 100, 100}));
  EXPECT_EQ(BlockRect(), (Rect{50, 50, 100, 100}));
  EXPECT_EQ(Shown(), before);

  preview.DisableSelection();
  QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(75, 75));
  EXPECT_EQ(preview.Tracker(), nullptr);
}

TEST_F(Selection, TooltipShowsTheSizeAndHidesOverTheTopLeftHandle) {
  Press({75, 75});
  Move({80, 80});
  EXPECT_EQ(SizeTip().Text(), "50,50");
  EXPECT_TRUE(SizeTip().IsActive());
  ASSERT_NE(preview.Selection().SizeInfo(), nullptr);
  EXPECT_EQ(preview.Selection().SizeInfo()->rect, (Rect{55, 55, 105, 105}));
  Release({80, 80});

  Press({56, 56});  // top-left handle
  Move({46, 46});
  EXPECT_EQ(Frame(), (Rect{45, 45, 105, 105}));
  EXPECT_FALSE(SizeTip().IsActive());
  Release({46, 46});

  Press({104, 104});  // bottom-right handle
  Move({114, 124});
  EXPECT_TRUE(SizeTip().IsActive());
  EXPECT_EQ(SizeTip().Text(), "70,80");
  Release({114, 124});
}

TEST_F(Selection, TooltipAppearsAfterTheDelayDuringADrag) {
  Press({75, 75});
  Move({80, 80});
  EXPECT_FALSE(SizeTip().IsShowing());
  QTest::qWait(SelectionSizeTip::kDelayMs + 200);
  EXPECT_TRUE(SizeTip().IsShowing());
  Release({80, 80});
}

TEST_F(Selection, CursorShowsThePartOfTheFrameUnderTheMouse) {
  Move({52, 52});
  EXPECT_EQ(preview.cursor().shape(), Qt::SizeFDiagCursor);
  Move({75, 52});
  EXPECT_EQ(preview.cursor().shape(), Qt::SizeVerCursor);
  Move({75, 75});
  EXPECT_EQ(preview.cursor().shape(), Qt::SizeAllCursor);
  Move({150, 150});
  EXPECT_EQ(preview.cursor().shape(), Qt::ArrowCursor);
}

// The menu's entries as "text" or "text/submenu text=id".
std::vector<std::string> Entries(const QMenu* menu) {
  std::vector<std::string> entries;
  if (menu == nullptr) return entries;
  for (const QAction* action : menu->actions()) {
    if (action->menu() == nullptr) {
      entries.push_back(action->text().toStdString() + "=" + std::to_string(action->data().toInt()));
      continue;
    }
    for (const QAction* sub : action->menu()->actions()) {
      entries.push_back(action->text().toStdString() + "/" + sub->text().toStdString() + "=" +
                        std::to_string(sub->data().toInt()));
    }
  }
  return entries;
}

const std::vector<std::string> kFillOnly{"Change fill type=446"};
const std::vector<std::string> kFillAndSave{"Change fill type=446",
                                            "Save selection as.../.BMP=40008",
                                            "Save selection as.../.GIF=40010",
                                            "Save selection as.../.JPG=40007",
                                            "Save selection as.../.PNG=40006",
                                            "Save selection as.../.TIFF=40009"};

TEST(SelectionMenu, OffersTheSelectionExportOnlyForAClickInsideTheFrame) {
  const CSelectionTracker tracker(Rect{50, 50, 100, 100}, 10);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {75, 75}, ExportCommands()).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {50, 50}, ExportCommands()).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {99, 99}, ExportCommands()).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {100, 75}, ExportCommands()).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {75, 100}, ExportCommands()).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {10, 10}, ExportCommands()).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, nullptr, {75, 75}, ExportCommands()).get()), kFillOnly);
}

TEST(SelectionMenu, NoMenuWhileTheLoadingErrorIsShown) {
  const CSelectionTracker tracker(Rect{50, 50, 100, 100}, 10);
  EXPECT_EQ(BuildSelectionMenu(true, &tracker, {75, 75}, ExportCommands()), nullptr);
  EXPECT_EQ(BuildSelectionMenu(true, nullptr, {10, 10}, ExportCommands()), nullptr);
}

TEST_F(Selection, RightClickOpensTheMenuForThePointUnlessTheLoadingErrorIsShown) {
  std::vector<std::string> seen;
  QTimer::singleShot(0, [&seen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    seen = Entries(menu);
    menu->close();
  });
  Press({75, 75});
  Move({80, 80});
  Release({80, 80});
  ASSERT_TRUE(SizeTip().IsActive());
  EXPECT_TRUE(preview.Selection().OnRightButtonDown({60, 60}, preview.mapToGlobal(QPoint(60, 60))));
  EXPECT_EQ(seen, kFillAndSave);
  EXPECT_FALSE(SizeTip().IsActive()) << "the size tooltip covers the menu";

  preview.SetLoadError(true);
  EXPECT_FALSE(preview.Selection().OnRightButtonDown({60, 60}, preview.mapToGlobal(QPoint(60, 60))));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Selection, MenuCommandsExportTheirFormatOrChangeTheFill) {
  for (int id : {40006, 40007, 40008, 40009, 40010}) preview.Selection().RunMenuCommand(id);
  EXPECT_EQ(exported, (std::vector<ImageFormat>{ImageFormat::Png, ImageFormat::Jpeg, ImageFormat::Bmp,
                                                ImageFormat::Tiff, ImageFormat::Gif}));

  const FillSettings before = preview.Fill();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SolidButton()->click();
    dialog->reject();
  });
  preview.Selection().RunMenuCommand(kChangeFillTypeId);
  EXPECT_EQ(preview.Fill(), before);

  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SolidButton()->click();
    dialog->OkButton()->click();
  });
  preview.Selection().RunMenuCommand(kChangeFillTypeId);
  EXPECT_EQ(preview.Fill().m_nFillType, FillSolid);
  EXPECT_EQ(preview.Fill().m_crBackground, before.m_crGradientFrom);
}

}  // namespace
}  // namespace pelmoro
