#include <gtest/gtest.h>

#include "render/mul_div.h"
#include "render/renderer_angles.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

TEST(Shading, ShadeEachChannelWithRoundedPercentages) {
  EXPECT_EQ(LightenColor(0x00102040, 27), 0x00515C74u);
  EXPECT_EQ(DarkenColor(0x00102040, 27), 0x000C172Fu);
  EXPECT_EQ(DarkenColor(0x00000005, 10), 0x00000004u) << "0.5 rounds up";
  const Color samples[] = {0x00000000, 0x00FFFFFF, 0x00740115, 0x0040A0C0, 0x00F0F8FF};
  for (Color c : samples) {
    EXPECT_EQ(DarkenColor(c, 0), c);
    EXPECT_EQ(LightenColor(c, 0), c);
    EXPECT_EQ(LightenColor(c, 100), 0x00FFFFFFu);
    EXPECT_EQ(DarkenColor(c, 100), 0x00000000u);
    EXPECT_EQ(DarkenColor(c, 283), DarkenColor(c, 27)) << "percent is taken modulo 256";
    EXPECT_EQ(LightenColor(c | 0xFF000000u, 27) >> 24, 0u) << "the high byte of the result is 0";
  }
  EXPECT_EQ(LightenColor(0x00C0C0C0, 25), 0x00D0D0D0u);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 10, 100), 1);
  EXPECT_EQ(MulDiv(4, 10, 100), 0);
  EXPECT_EQ(MulDiv(-5, 10, 100), -1);
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 1000000000), -294967296) << "a result beyond 32 bits wraps";
  EXPECT_EQ(MulDiv(7, 3, 0), 0);
}

TEST(RendererAngles, RadialPointsUseHalfTheWidthOnBothAxes) {
  const Rect hair{42, 5, 182, 120};
  EXPECT_EQ(Rad(hair, kAngle10, +1, -1), (Point{180, 49}));
  EXPECT_EQ(Rad(hair, kAngle10, -1, -1), (Point{43, 49}));
  EXPECT_EQ(Rad(hair, kAngle5, +1, +1), (Point{181, 68}));
  const Rect head{51, 29, 173, 164};
  EXPECT_EQ(Rad(head, kAngle45, +1, -1), (Point{155, 52}));
  EXPECT_EQ(Rad(head, kAngle45, -1, +1), (Point{68, 139}));
}

}  // namespace
}  // namespace pelmoro
