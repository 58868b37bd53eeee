// The fill type dialog's flows, from opening to the fill the picture ends up with.
#include "fill/ui/fill_type_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controls/swatch_button.h"
#include "fill/ui/fill_dialog_result.h"
#include "fill/ui/fill_preview.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

enum Direction { kVertical, kHorizontal, kForward, kBackward };

FillSettings StartupFill() {
  FillSettings fill;
  fill.ApplyStartupFill();
  return fill;
}

FillSettings SolidFill() {
  FillSettings fill;
  fill.m_nFillType = FillSolid;
  fill.m_crBackground = 0x00112233;
  fill.m_crGradientFrom = 0x00445566;
  fill.m_crGradientTo = 0x00778899;
  return fill;  // horizontal flag, as constructed
}

std::vector<bool> CheckedDirections(const CFillTypeDlg& dialog) {
  std::vector<bool> checked;
  for (int i = 0; i < 4; ++i) checked.push_back(dialog.DirectionBox(i)->isChecked());
  return checked;
}

int SetFlags(const FillSettings& fill) {
  return (fill.m_bVertical != 0) + (fill.m_bHorizontal != 0) + (fill.m_bForwardDiagonal != 0) +
         (fill.m_bBackwardDiagonal != 0);
}

// Ends the dialog with its OK button and takes the outcome into `fill`.
bool PressOk(CFillTypeDlg& dialog, FillSettings& fill) {
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), CFillTypeDlg::kOkCode);
  return ApplyFillDialogResult(fill, dialog.Result(), dialog.result());
}

TEST(FillTypeDialog, OpensOnTheStartupGradient) {
  const CFillTypeDlg dialog(StartupFill());
  EXPECT_TRUE(dialog.GradientButton()->isChecked());
  EXPECT_FALSE(dialog.SolidButton()->isChecked());
  EXPECT_EQ(CheckedDirections(dialog), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(dialog.FirstColorButton()->GetColor(), 0x00740115u);
  EXPECT_EQ(dialog.SecondColorButton()->GetColor(), 0x00FFFFFFu);
  EXPECT_TRUE(dialog.SecondColorButton()->isEnabled());
  EXPECT_TRUE(dialog.DirectionBox(kVertical)->isEnabled());
  EXPECT_EQ(dialog.Preview()->Fill().m_nFillType, FillGradient);
  EXPECT_EQ(dialog.Preview()->Fill().GetGradientMode(), GradientForwardDiagonal);
}

TEST(FillTypeDialog, OpensOnASolidFillWithTheGradientControlsDisabled) {
  const CFillTypeDlg dialog(SolidFill());
  EXPECT_TRUE(dialog.SolidButton()->isChecked());
  EXPECT_EQ(dialog.FirstColorButton()->GetColor(), 0x00112233u);
  EXPECT_TRUE(dialog.FirstColorButton()->isEnabled());
  EXPECT_EQ(dialog.SecondColorButton()->GetColor(), 0x00778899u);
  EXPECT_FALSE(dialog.SecondColorButton()->isEnabled());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(dialog.DirectionBox(i)->isEnabled());
  EXPECT_EQ(CheckedDirections(dialog), (std::vector<bool>{false, true, false, false}));
}

TEST(FillTypeDialog, SolidThenOkMakesTheFirstColourTheBackground) {
  FillSettings fill = StartupFill();
  CFillTypeDlg dialog(fill);
  dialog.SolidButton()->click();
  EXPECT_EQ(dialog.Preview()->Fill().m_nFillType, FillSolid);
  EXPECT_EQ(dialog.Preview()->Fill().m_crBackground, 0x00740115u);
  EXPECT_FALSE(dialog.SecondColorButton()->isEnabled());

  ASSERT_TRUE(PressOk(dialog, fill));
  EXPECT_EQ(fill.m_nFillType, FillSolid);
  EXPECT_EQ(fill.m_crBackground, 0x00740115u);
  EXPECT_EQ(fill.m_crGradientFrom, 0x00740115u);
  EXPECT_EQ(fill.m_crGradientTo, 0x00FFFFFFu);
  EXPECT_EQ(fill.m_bForwardDiagonal, 1);
  EXPECT_EQ(SetFlags(fill), 1);
}

TEST(FillTypeDialog, GradientAfterSolidStartsAtTheSolidColour) {
  FillSettings fill = SolidFill();
  CFillTypeDlg dialog(fill);
  dialog.GradientButton()->click();
  EXPECT_EQ(dialog.Result().m_nFillType, FillGradient);
  EXPECT_EQ(dialog.Preview()->Fill().m_crGradientFrom, 0x00112233u);
  EXPECT_EQ(dialog.Preview()->Fill().m_crGradientTo, 0x00778899u);
  EXPECT_TRUE(dialog.SecondColorButton()->isEnabled());
  EXPECT_TRUE(dialog.DirectionBox(kBackward)->isEnabled());

  ASSERT_TRUE(PressOk(dialog, fill));
  EXPECT_EQ(fill.m_nFillType, FillGradient);
  EXPECT_EQ(fill.m_crGradientFrom, 0x00112233u);
  EXPECT_EQ(fill.m_crBackground, 0x00112233u);  // unchanged under a gradient
}

TEST(FillTypeDialog, DirectionBoxesAreOneChoiceThatCannotBeEmpty) {
  CFillTypeDlg dialog(StartupFill());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QCheckBox* forward = dialog.DirectionBox(kForward);
  QTest::mouseClick(forward, Qt::LeftButton, {}, QPoint(4, forward->height() / 2));
  EXPECT_EQ(CheckedDirections(dialog), (std::vector<bool>{false, false, true, false}));

  dialog.DirectionBox(kVertical)->click();
  EXPECT_EQ(CheckedDirections(dialog), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(dialog.Preview()->Fill().GetGradientMode(), GradientVertical);
  dialog.DirectionBox(kBackward)->click();
  EXPECT_EQ(CheckedDirections(dialog), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(dialog.Preview()->Fill().GetGradientMode(), GradientBackwardDiagonal);
}

TEST(FillTypeDialog, LeavingOtherwiseThanByOkChangesNothing) {
  const FillSettings before = StartupFill();
  const std::vector<std::function<void(CFillTypeDlg&)>> leaveBy = {
      [](CFillTypeDlg& dialog) { dialog.reject(); },
      [](CFillTypeDlg& dialog) { dialog.close(); },
      [](CFillTypeDlg& dialog) { dialog.accept(); },
      [](CFillTypeDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
      [](CFillTypeDlg& dialog) {
        // Enter, with the focus on any control and on OK last, changes nothing.
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
          control->setFocus();
          QTest::keyClick(control, Qt::Key_Return);
        }
        dialog.OkButton()->setFocus();
        QTest::keyClick(dialog.OkButton(), Qt::Key_Enter);
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
      },
  };
  for (const auto& leave : leaveBy) {
    FillSettings fill = before;
    CFillTypeDlg dialog(fill);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.SolidButton()->click();
    dialog.DirectionBox(kVertical)->click();
    leave(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_NE(dialog.result(), CFillTypeDlg::kOkCode);
    EXPECT_FALSE(ApplyFillDialogResult(fill, dialog.Result(), dialog.result()));
    EXPECT_EQ(fill, before);
  }
}

TEST(FillTypeDialog, OkSetsExactlyOneDirectionWhateverTheDocumentHeld) {
  FillSettings none = StartupFill();
  none.m_bForwardDiagonal = 0;
  CFillTypeDlg noneDialog(none);
  ASSERT_TRUE(PressOk(noneDialog, none));
  EXPECT_EQ(none.m_bHorizontal, 1);
  EXPECT_EQ(SetFlags(none), 1);

  FillSettings several = StartupFill();
  several.m_bBackwardDiagonal = 1;
  several.m_bHorizontal = 1;
  CFillTypeDlg severalDialog(several);
  ASSERT_TRUE(PressOk(severalDialog, several));
  EXPECT_EQ(several.m_bHorizontal, 1);
  EXPECT_EQ(SetFlags(several), 1);
}

// Answers the colour chooser the button opens: reports the colour it opened at, then
// confirms `answer` or, when it is invalid, cancels.
void AnswerColourChooser(QColor answer, QColor* openedAt) {
  QTimer::singleShot(0, [answer, openedAt] {
    auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    *openedAt = chooser->currentColor();
    if (answer.isValid()) {
      chooser->setCurrentColor(answer);
      chooser->accept();
    } else {
      chooser->reject();
    }
  });
}

TEST(FillTypeDialog, ColourButtonsOpenTheChooserAtTheirColour) {
  CFillTypeDlg dialog(SolidFill());
  QColor openedAt;
  AnswerColourChooser(QColor(0x10, 0x20, 0x30), &openedAt);
  dialog.FirstColorButton()->click();
  EXPECT_EQ(openedAt, ToQColor(0x00112233));
  EXPECT_EQ(dialog.FirstColorButton()->GetColor(), 0x00302010u);
  EXPECT_EQ(dialog.Preview()->Fill().m_crBackground, 0x00302010u);  // solid: the preview follows
  EXPECT_EQ(dialog.Preview()->Fill().m_crGradientFrom, 0x00302010u);

  AnswerColourChooser(QColor(), &openedAt);
  dialog.FirstColorButton()->click();
  EXPECT_EQ(openedAt, ToQColor(0x00302010));
  EXPECT_EQ(dialog.FirstColorButton()->GetColor(), 0x00302010u);

  dialog.GradientButton()->click();
  AnswerColourChooser(QColor(0xAA, 0xBB, 0xCC), &openedAt);
  dialog.SecondColorButton()->click();
  EXPECT_EQ(openedAt, ToQColor(0x00778899));
  EXPECT_EQ(dialog.Preview()->Fill().m_crGradientTo, 0x00CCBBAAu);

  FillSettings fill = SolidFill();
  ASSERT_TRUE(PressOk(dialog, fill));
  EXPECT_EQ(fill.m_crGradientFrom, 0x00302010u);
  EXPECT_EQ(fill.m_crGradientTo, 0x00CCBBAAu);
}

}  // namespace
}  // namespace pelmoro
