#include <gtest/gtest.h>

#include "controls/shaded_slider_colors.h"

namespace pelmoro {
namespace {

Color Grey(int v) { return RGB(v, v, v); }

TEST(SliderColorsTest, ThumbShadesOfAGreyFace) {
  SliderColors colors;
  colors.thumb = Grey(192);
  colors.RecalcThumbShades();
  EXPECT_EQ(colors.light1, Grey(243));
  EXPECT_EQ(colors.light2, Grey(243));  // 243 + 51 would pass 255
  EXPECT_EQ(colors.dark1, Grey(141));
  EXPECT_EQ(colors.dark2, Grey(90));
}

TEST(SliderColorsTest, LightenAndDarkenDecideEachChannelOnItsOwn) {
  EXPECT_EQ(RaiseChannels(RGB(250, 100, 204), 51), RGB(250, 151, 255));
  EXPECT_EQ(LowerChannels(RGB(30, 51, 200), 51), RGB(30, 0, 149));
  EXPECT_EQ(RaiseChannels(RGB(205, 0, 0), 51), RGB(205, 51, 51));
}

TEST(SliderColorsTest, MidFloorsTheHalfDifference) {
  EXPECT_EQ(Mid(RGB(10, 200, 0), RGB(20, 100, 255)), RGB(15, 150, 127));
  // -9 / 2 floors to -5, not -4.
  EXPECT_EQ(Mid(RGB(9, 0, 0), RGB(0, 0, 0)), RGB(4, 0, 0));
  EXPECT_EQ(Mid(Grey(0), Grey(255)), Grey(127));
}

}  // namespace
}  // namespace pelmoro
