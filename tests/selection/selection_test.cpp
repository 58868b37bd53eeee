// Dragging and sizing the selection with the mouse, its size tooltip, its cursors and the
// preview's context menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "fill/ui/fill_type_dlg.h"
#include "output/ui/selection_menu.h"
#include "selection_test_host.h"

namespace pelmoro {
namespace {

constexpr Rect kBounds{1, 1, 223, 191};

bool Inside(const Rect& r, const Rect& bounds) {
  return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right && r.bottom <= bounds.bottom &&
         r.left <= r.right && r.top <= r.bottom;
}

class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    host.EnableSelection();
  }

  void Press(QPoint p) { QTest::mousePress(&host, Qt::LeftButton, {}, p); }
  void Move(QPoint p) { QTest::mouseMove(&host, p); }
  void Release(QPoint p) { QTest::mouseRelease(&host, Qt::LeftButton, {}, p); }

  SelectionTestHost host;
};

TEST_F(Selection, DragMovesTheFrameAndKeepsItInsideThePicture) {
  Press({75, 75});
  Move({95, 85});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{70, 60, 120, 110}));
  for (int step = 1; step <= 10; ++step) {
    Move({75 + 40 * step, 75 + 40 * step});
    EXPECT_TRUE(Inside(host.Tracker()->m_rect, kBounds)) << "step " << step;
  }
  Release({475, 475});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{218, 186, 223, 191}));
  EXPECT_EQ(host.BlockRect(), host.Tracker()->m_rect);

  Press({220, 188});
  Move({-300, -300});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{1, 1, 6, 6}));
  Release({-300, -300});
  EXPECT_EQ(host.BlockRect(), (Rect{1, 1, 6, 6}));
}

TEST_F(Selection, FrameRegainsItsSizeWhenDraggedBackInOneGo) {
  Press({75, 75});
  Move({200, 75});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{175, 50, 223, 100}));
  Move({100, 75});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{75, 50, 125, 100}));
  Release({100, 75});
  EXPECT_EQ(host.BlockRect(), (Rect{75, 50, 125, 100}));
}

TEST_F(Selection, HandlesResizeDownToTheMinimumSize) {
  Press({99, 99});  // bottom-right handle
  Move({139, 129});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{50, 50, 140, 130}));
  Move({20, 20});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{50, 50, 100, 100}));
  Release({20, 20});

  Press({51, 75});  // left handle
  Move({-40, 0});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{1, 50, 100, 100}));
  Release({-40, 0});
}

TEST_F(Selection, PressOutsideTheFrameChangesNothing) {
  const QImage before = host.Shown();
  Press({150, 150});
  Move({180, 170});
  Release({180, 170});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{50, 50, 100, 100}));
  EXPECT_EQ(host.BlockRect(), (Rect{50, 50, 100, 100}));
  EXPECT_EQ(host.Shown(), before);
}

TEST_F(Selection, WithoutBlocksAPressIsLeftToTheWindow) {
  SelectionTestHost empty;
  EXPECT_FALSE(empty.controller.OnLeftButtonDown({75, 75}));
  EXPECT_EQ(empty.Tracker(), nullptr);
}

TEST_F(Selection, TooltipShowsTheSizeAndHidesOverTheTopLeftHandle) {
  Press({75, 75});
  Move({80, 80});
  EXPECT_EQ(host.controller.SizeTip().Text(), "50,50");
  EXPECT_TRUE(host.controller.SizeTip().IsActive());
  ASSERT_NE(host.controller.SizeInfo(), nullptr);
  EXPECT_EQ(host.controller.SizeInfo()->rect, (Rect{55, 55, 105, 105}));
  Release({80, 80});

  Press({56, 56});  // top-left handle
  Move({46, 46});
  EXPECT_EQ(host.Tracker()->m_rect, (Rect{45, 45, 105, 105}));
  EXPECT_FALSE(host.controller.SizeTip().IsActive());
  Release({46, 46});

  Press({104, 104});  // bottom-right handle
  Move({114, 124});
  EXPECT_TRUE(host.controller.SizeTip().IsActive());
  EXPECT_EQ(host.controller.SizeTip().Text(), "70,80");
  Release({114, 124});
}

TEST_F(Selection, TooltipAppearsAfterTheDelayDuringADrag) {
  Press({75, 75});
  Move({80, 80});
  EXPECT_FALSE(host.controller.SizeTip().IsShowing());
  QTest::qWait(SelectionSizeTip::kDelayMs + 200);
  EXPECT_TRUE(host.controller.SizeTip().IsShowing());
  Release({80, 80});
}

TEST_F(Selection, CursorShowsThePartOfTheFrameUnderTheMouse) {
  Move({52, 52});
  EXPECT_EQ(host.cursor().shape(), Qt::SizeFDiagCursor);
  Move({75, 52});
  EXPECT_EQ(host.cursor().shape(), Qt::SizeVerCursor);
  Move({75, 75});
  EXPECT_EQ(host.cursor().shape(), Qt::SizeAllCursor);
  Move({150, 150});
  EXPECT_EQ(host.cursor().shape(), Qt::ArrowCursor);
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
const std::vector<std::string> kFillAndSave{
    "Change fill type=446",           "Save selection as.../.BMP=40008", "Save selection as.../.GIF=40010",
    "Save selection as.../.JPG=40007", "Save selection as.../.PNG=40006", "Save selection as.../.TIFF=40009"};

TEST(SelectionMenu, OffersTheSelectionExportOnlyForAClickInsideTheFrame) {
  const CSelectionTracker tracker(Rect{50, 50, 100, 100}, 10);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {75, 75}).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {50, 50}).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {99, 99}).get()), kFillAndSave);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {100, 75}).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {75, 100}).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, &tracker, {10, 10}).get()), kFillOnly);
  EXPECT_EQ(Entries(BuildSelectionMenu(false, nullptr, {75, 75}).get()), kFillOnly);
}

TEST(SelectionMenu, NoMenuWhileTheLoadingErrorIsShown) {
  const CSelectionTracker tracker(Rect{50, 50, 100, 100}, 10);
  EXPECT_EQ(BuildSelectionMenu(true, &tracker, {75, 75}), nullptr);
  EXPECT_EQ(BuildSelectionMenu(true, nullptr, {10, 10}), nullptr);
}

TEST_F(Selection, RightClickOpensTheMenuForThePointUnlessTheLoadingErrorIsShown) {
  std::vector<std::string> seen;
  QTimer::singleShot(0, [&seen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    seen = Entries(menu);
    menu->close();
  });
  EXPECT_TRUE(host.controller.OnRightButtonDown({60, 60}, host.mapToGlobal(QPoint(60, 60))));
  EXPECT_EQ(seen, kFillAndSave);

  host.loadError = true;
  EXPECT_FALSE(host.controller.OnRightButtonDown({60, 60}, host.mapToGlobal(QPoint(60, 60))));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Selection, MenuCommandsExportTheirFormatOrChangeTheFill) {
  for (int id : {40006, 40007, 40008, 40009, 40010}) host.controller.RunMenuCommand(id);
  EXPECT_EQ(host.exported, (std::vector<ImageFormat>{ImageFormat::Png, ImageFormat::Jpeg, ImageFormat::Bmp,
                                                     ImageFormat::Tiff, ImageFormat::Gif}));

  const FillSettings before = host.picture.m_fill;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SolidButton()->click();
    dialog->reject();
  });
  host.controller.RunMenuCommand(kChangeFillTypeId);
  EXPECT_EQ(host.picture.m_fill, before);

  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CFillTypeDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SolidButton()->click();
    dialog->OkButton()->click();
  });
  host.controller.RunMenuCommand(kChangeFillTypeId);
  EXPECT_EQ(host.picture.m_fill.m_nFillType, FillSolid);
  EXPECT_EQ(host.picture.m_fill.m_crBackground, before.m_crGradientFrom);
}

}  // namespace
}  // namespace pelmoro
