#include "controls/ext_button.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include "controls/ui_font.h"
#include "tests/support/widget_pictures.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

const QColor kFace(200, 200, 200);
const QColor kLight(255, 255, 255);
const QColor kShadow(100, 100, 100);
const QColor kText(0, 0, 0);
const QColor kIconColor(220, 30, 30);

// The smallest rectangle holding every pixel of colour c.
QRect BoundsOf(const QImage& image, const QColor& c) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelAt(image, x, y) == FromQColor(c)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

class ExtButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    button.SetColors(kFace, kLight, kShadow, kText);
    QPixmap icon(16, 16);
    icon.fill(kIconColor);
    button.SetIcon(16, 16, icon);
    button.setGeometry(100, 100, 120, 28);
    button.show();
    QCursor::setPos(0, 0);
  }
  QPoint Centre() const { return button.rect().center(); }
  void HoverOver() {
    QCursor::setPos(button.mapToGlobal(Centre()));
    QTest::mouseMove(&button, Centre());
  }
  Color TopLeft() { return PixelAt(Shown(&button), 0, 0); }
  Color BottomRight() { return PixelAt(Shown(&button), button.width() - 1, button.height() - 1); }

  CExtButtonCtrl button{QStringLiteral("Random face")};
};

TEST_F(ExtButtonTest, FrameShowsOnlyWhileHotOrPressed) {
  EXPECT_EQ(TopLeft(), FromQColor(kFace));
  EXPECT_EQ(BottomRight(), FromQColor(kFace));

  HoverOver();
  ASSERT_TRUE(button.IsHot());
  EXPECT_EQ(TopLeft(), FromQColor(kLight));  // raised
  EXPECT_EQ(BottomRight(), FromQColor(kShadow));

  QTest::mousePress(&button, Qt::LeftButton, {}, Centre());
  EXPECT_EQ(TopLeft(), FromQColor(kShadow));  // sunken
  EXPECT_EQ(BottomRight(), FromQColor(kLight));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, Centre());

  // Off the button, the next timer step drops the hot look.
  QCursor::setPos(0, 0);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !button.IsHot(); }, 1000));
  EXPECT_EQ(TopLeft(), FromQColor(kFace));
}

TEST_F(ExtButtonTest, PressedIconAndCaptionMoveOnePixelRightAndDown) {
  const QImage normal = Shown(&button);
  QTest::mousePress(&button, Qt::LeftButton, {}, Centre());
  const QImage pressed = Shown(&button);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, Centre());

  const QRect icon = BoundsOf(normal, kIconColor);
  EXPECT_EQ(icon, QRect(4, (28 - 16) / 2, 16, 16));
  EXPECT_EQ(BoundsOf(pressed, kIconColor), icon.translated(1, 1));
  const QRect caption = BoundsOf(normal, kText);
  ASSERT_FALSE(caption.isEmpty());
  EXPECT_EQ(BoundsOf(pressed, kText), caption.translated(1, 1));
  // The caption is centred in the space right of the icon.
  const int leftGap = caption.left() - (4 + 16);
  const int rightGap = button.width() - 4 - (caption.right() + 1);
  EXPECT_LE(std::abs(leftGap - rightGap), 3);
}

TEST_F(ExtButtonTest, DisabledButtonGreysItsCaptionAndEmbossesItsIcon) {
  button.setEnabled(false);
  const QImage image = Shown(&button);
  EXPECT_TRUE(BoundsOf(image, kIconColor).isEmpty());
  EXPECT_EQ(BoundsOf(image, kShadow), QRect(4, 6, 16, 16));
  EXPECT_EQ(PixelAt(image, 4 + 16, 6 + 16), FromQColor(kLight));  // the raised copy's corner
  EXPECT_TRUE(BoundsOf(image, kText).isEmpty());
  EXPECT_FALSE(BoundsOf(image, button.palette().color(QPalette::Disabled, QPalette::WindowText)).isEmpty());
}

TEST_F(ExtButtonTest, ButtonWithoutCaptionDrawsOnlyTheIcon) {
  button.setText(QString());
  const QImage image = Shown(&button);
  EXPECT_EQ(BoundsOf(image, kIconColor), QRect(4, 6, 16, 16));
  EXPECT_TRUE(BoundsOf(image, kText).isEmpty());
}

TEST_F(ExtButtonTest, DoubleClickCountsAsASecondClick) {
  QSignalSpy clicks(&button, &QPushButton::clicked);
  QTest::mouseClick(&button, Qt::LeftButton, {}, Centre());
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(Centre()), button.mapToGlobal(QPointF(Centre())),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&button, &doubleClick);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, Centre());
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ExtButtonTest, FocusShowsADottedMarkAndEnterPressesOnlyWhenAsked) {
  QSignalSpy clicks(&button, &QPushButton::clicked);
  button.activateWindow();
  button.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return button.hasFocus(); }));
  const QImage focused = Shown(&button);
  EXPECT_TRUE(PixelAt(focused, 3, 3) == FromQColor(kText) && PixelAt(focused, 4, 3) == FromQColor(kFace));
  for (bool presses : {false, true}) {
    button.SetEnterPresses(presses);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(QTest::qWaitFor([&clicks] { return clicks.count() > 0; }, 300), presses);
  }
  button.clearFocus();
  EXPECT_EQ(PixelAt(Shown(&button), 3, 3), FromQColor(kFace));
}

TEST_F(ExtButtonTest, CaptionMnemonicsAreStrippedForMeasuring) {
  button.setText(QStringLiteral("&Random && face"));
  EXPECT_EQ(button.GetCaption(true), QStringLiteral("Random & face"));
  EXPECT_EQ(button.GetCaption(false), QStringLiteral("&Random && face"));
}

TEST(UiFontTest, TakesThePrimaryFaceOnlyWhenInstalled) {
  QFont menu(QStringLiteral("Menu Face"), 9);
  const CUiFont without(menu, {QStringLiteral("Other")});
  EXPECT_EQ(without.PrimaryFace(), QStringLiteral("Menu Face"));
  EXPECT_EQ(without.Bold().family(), QStringLiteral("Menu Face"));
  EXPECT_EQ(without.Bold().weight(), QFont::Bold);
  EXPECT_EQ(without.Normal().weight(), QFont::Normal);
  EXPECT_EQ(without.Bold().pointSize(), 9);

  const CUiFont with(menu, {QStringLiteral("tahoma"), QStringLiteral("Other")});
  EXPECT_EQ(with.PrimaryFace(), QStringLiteral("Tahoma"));
  EXPECT_EQ(with.SecondaryFace(), QStringLiteral("Menu Face"));
}

}  // namespace
}  // namespace pelmoro
