// The swatch button's looks, read from grabbed pictures of the button.
#include "controls/swatch_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

constexpr Color kSwatch = 0x002080F0;

struct GrabbedButton {
  QImage image;
  int width = 0;
  int height = 0;
};

GrabbedButton Grab(bool enabled, bool pressed, bool focused) {
  CSwatchButton button;
  // An odd height, so that the arrow's middle row (half the bottom) moves down too.
  button.resize(60, 23);
  button.SetColor(kSwatch);
  button.setEnabled(enabled);
  button.setDown(pressed);
  if (focused) {
    button.show();
    QApplication::setActiveWindow(&button);
    button.setFocus();
  }
  return {button.grab().toImage().convertToFormat(QImage::Format_RGB32), button.width(), button.height()};
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return count;
}

const QRgb kSwatchRgb = ToQColor(kSwatch).rgb();
const QRgb kBlackRgb = qRgb(0, 0, 0);

TEST(SwatchButtonLook, SwatchEndsFifteenPixelsLeftOfTheRightEdge) {
  const GrabbedButton grabbed = Grab(true, false, false);
  const int r = grabbed.width;
  const int b = grabbed.height;
  const int midY = b / 2;
  EXPECT_EQ(grabbed.image.pixel(r - 17, midY), kSwatchRgb);
  EXPECT_EQ(grabbed.image.pixel(r - 16, midY), kBlackRgb);  // the swatch's outline
  EXPECT_NE(grabbed.image.pixel(r - 15, midY), kBlackRgb);
  EXPECT_NE(grabbed.image.pixel(r - 15, midY), kSwatchRgb);
  // Outline 4 pixels inside the top and bottom, 5 inside the left edge.
  EXPECT_EQ(grabbed.image.pixel(10, 4), kBlackRgb);
  EXPECT_EQ(grabbed.image.pixel(10, b - 5), kBlackRgb);
  EXPECT_EQ(grabbed.image.pixel(5, midY), kBlackRgb);
  EXPECT_EQ(grabbed.image.pixel(6, midY), kSwatchRgb);
  EXPECT_EQ(CountPixels(grabbed.image, kSwatchRgb), (r - 15 - 5 - 2) * (b - 4 - 4 - 2));
}

TEST(SwatchButtonLook, DisabledButtonShowsNoSwatchAndAnEmbossedGreyArrow) {
  const GrabbedButton grabbed = Grab(false, false, false);
  EXPECT_EQ(CountPixels(grabbed.image, kSwatchRgb), 0);
  const int r = grabbed.width;
  const int m = grabbed.height / 2;
  EXPECT_EQ(grabbed.image.pixel(r - 5, m - 1), qRgb(0x80, 0x80, 0x80));
  EXPECT_EQ(grabbed.image.pixel(r - 4, m - 1), qRgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(grabbed.image.pixel(r - 6, m + 1), qRgb(0xFF, 0xFF, 0xFF));
}

TEST(SwatchButtonLook, PressedButtonShiftsItsContentOnePixelRightAndDown) {
  const GrabbedButton raised = Grab(true, false, false);
  const GrabbedButton pressed = Grab(true, true, false);
  EXPECT_EQ(CountPixels(pressed.image, kSwatchRgb), CountPixels(raised.image, kSwatchRgb));
  // Swatch, separator and arrow: everything from 5 pixels inside the edges.
  for (int y = 4; y < raised.height - 4; ++y) {
    for (int x = 5; x < raised.width - 3; ++x) {
      ASSERT_EQ(pressed.image.pixel(x + 1, y + 1), raised.image.pixel(x, y)) << x << "," << y;
    }
  }
  // Sunken frame: grey on the top-left outer edge, white on the bottom-right.
  EXPECT_EQ(pressed.image.pixel(10, 0), qRgb(0x80, 0x80, 0x80));
  EXPECT_EQ(pressed.image.pixel(raised.width - 1, 10), qRgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(raised.image.pixel(raised.width - 1, 10), kBlackRgb);
}

TEST(SwatchButtonLook, FocusDotsEverySecondPixelThreePixelsInside) {
  const GrabbedButton focused = Grab(true, false, true);
  const GrabbedButton plain = Grab(true, false, false);
  EXPECT_EQ(focused.image.pixel(3, 3), kBlackRgb);
  EXPECT_NE(focused.image.pixel(4, 3), kBlackRgb);
  EXPECT_EQ(focused.image.pixel(5, 3), kBlackRgb);
  EXPECT_NE(plain.image.pixel(3, 3), kBlackRgb);
}

}  // namespace
}  // namespace pelmoro
