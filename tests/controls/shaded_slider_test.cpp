#include "controls/shaded_slider.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

constexpr Color kThumb = RGB(150, 150, 150);  // every shade of it differs from the others
constexpr Color kChannel = RGB(255, 255, 255);

class ShadedSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider.setRange(0, 9);
    slider.resize(134, 22);
    slider.SetThumbColor(kThumb);
    slider.SetChannelColor(kChannel);
    slider.show();
  }
  Rect InnerThumb() const {
    const Rect t = slider.ThumbRect();
    return {t.left + 1, t.top + 1, t.right - 1, t.bottom - 1};
  }
  CShadedSlider slider;
};

struct Ridges {
  int tips;     // light tip pixels above the ridges
  int light;    // light ridges crossing the middle row
  int dark;     // dark ridges crossing the middle row
  int lowDark;  // dark ridges reaching one row below the light ones
  int lowLight;
};

Ridges CountRidges(const QImage& image, const Rect& thumb, const Rect& d, const SliderColors& c) {
  // Columns from D.left + 1 leave out the light bevel on the left.
  auto count = [&](int y, Color color) { return CountInRow(image, y, d.left + 1, thumb.right, color); };
  const int middle = (d.top + 5 + d.bottom - 5) / 2;
  return {count(d.top + 4, c.light2), count(middle, c.light1), count(middle, c.dark2), count(d.bottom - 5, c.dark2),
          count(d.bottom - 5, c.light1)};
}

TEST_F(ShadedSliderTest, GripRidgesFollowTheThumbWidth) {
  struct Case {
    int width, light, dark;
  };
  for (const Case& k : {Case{4, 0, 0}, Case{5, 0, 0}, Case{6, 2, 2}, Case{9, 2, 2}, Case{10, 4, 3}, Case{14, 4, 3}}) {
    SCOPED_TRACE(k.width);
    slider.SetThumbWidth(k.width);
    const Ridges r = CountRidges(Shown(&slider), slider.ThumbRect(), InnerThumb(), slider.PaintColors());
    EXPECT_EQ(r.tips, k.light);
    EXPECT_EQ(r.light, k.light);
    EXPECT_EQ(r.dark, k.dark);
    EXPECT_EQ(r.lowDark, k.dark);
    EXPECT_EQ(r.lowLight, 0);
  }
}

TEST_F(ShadedSliderTest, ThumbHasAnOutlinedBevelWithShadedCorners) {
  const QImage image = Shown(&slider);
  const Rect t = slider.ThumbRect();
  const Rect d = InnerThumb();
  const SliderColors c = slider.PaintColors();
  EXPECT_EQ(PixelAt(image, t.left, t.top + 5), c.frame);
  EXPECT_EQ(PixelAt(image, t.right - 1, t.top + 5), c.frame);
  EXPECT_EQ(PixelAt(image, d.left, d.top), c.light2);
  EXPECT_EQ(PixelAt(image, d.left + 3, d.top), c.light1);
  EXPECT_EQ(PixelAt(image, d.right - 1, d.top), kThumb);
  EXPECT_EQ(PixelAt(image, d.right - 1, d.bottom - 1), c.dark2);
  EXPECT_EQ(PixelAt(image, d.left, d.bottom - 1), kThumb);
  EXPECT_EQ(PixelAt(image, d.right - 1, d.top + 5), c.dark1);
  EXPECT_EQ(PixelAt(image, d.left + 3, d.top + 2), kThumb);
}

TEST_F(ShadedSliderTest, PressedThumbIsDarkerUntilReleased) {
  const Rect d = InnerThumb();
  const QPoint centre((d.left + d.right) / 2, (d.top + d.bottom) / 2);
  QTest::mousePress(&slider, Qt::LeftButton, {}, centre);
  ASSERT_TRUE(slider.isSliderDown());
  QImage image = Shown(&slider);
  EXPECT_EQ(PixelAt(image, d.left + 3, d.top + 2), LowerChannels(kThumb, 51));
  EXPECT_EQ(PixelAt(image, d.left, d.top + 5), kThumb);  // the bevel is made from the darker face
  EXPECT_EQ(PixelAt(image, d.right - 1, d.top + 5), LowerChannels(LowerChannels(kThumb, 51), 51));

  QTest::mouseRelease(&slider, Qt::LeftButton, {}, centre);
  image = Shown(&slider);
  EXPECT_EQ(PixelAt(image, d.left + 3, d.top + 2), kThumb);
}

TEST_F(ShadedSliderTest, DisabledSliderHasAFaceColouredChannelAndNoRidges) {
  const Rect k = slider.ChannelRect();
  const int x = k.right - 10;  // clear of the thumb, which sits at 0
  const int y = k.top + 3;
  EXPECT_EQ(PixelAt(Shown(&slider), x, y), kChannel);

  slider.setEnabled(false);
  const QColor button = slider.palette().color(QPalette::Button);
  const Color face = RGB(button.red(), button.green(), button.blue());
  ASSERT_NE(face, kChannel);
  const QImage image = Shown(&slider);
  EXPECT_EQ(PixelAt(image, x, y), face);
  const Ridges r = CountRidges(image, slider.ThumbRect(), InnerThumb(), slider.PaintColors());
  EXPECT_EQ(r.light + r.dark + r.tips, 0);
}

TEST_F(ShadedSliderTest, ThumbMovesWithTheValueAndClicksFindIt) {
  const Rect atZero = slider.ThumbRect();
  slider.setValue(9);
  const Rect atNine = slider.ThumbRect();
  EXPECT_GT(atNine.left, atZero.left + 100);
  EXPECT_LE(atNine.right, slider.width());
  // Dragging the thumb back to the left end goes through Qt's own slider logic.
  const QPoint grip((atNine.left + atNine.right) / 2, 10);
  QTest::mousePress(&slider, Qt::LeftButton, {}, grip);
  QTest::mouseMove(&slider, QPoint(2, 10));
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(2, 10));
  EXPECT_EQ(slider.value(), 0);
}

}  // namespace
}  // namespace pelmoro
