#include "render/raster/gradient.h"

#include <gtest/gtest.h>

#include "model/fill_settings.h"
#include "render/memory_dc.h"
#include "render/recording_surface.h"

namespace pelmoro {
namespace {

using raster::GradientColorAt;

constexpr Color kBlue = 0x00740115;  // red 21, green 1, blue 116
constexpr Color kWhite = 0x00FFFFFF;

Color At(int x, int y, GradientMode mode, Color from = kBlue, Color to = kWhite) {
  return GradientColorAt(x, y, 0, 0, 224, 192, from, to, mode);
}

TEST(Gradient, CornerColoursOfTheFourDirections) {
  // Forward diagonal, the start-up fill: the worked corners.
  EXPECT_EQ(At(0, 0, GradientForwardDiagonal), kBlue);
  EXPECT_EQ(At(223, 0, GradientForwardDiagonal), RGB(137, 127, 185));
  EXPECT_EQ(At(223, 191, GradientForwardDiagonal), RGB(254, 254, 254));
  EXPECT_EQ(At(0, 191, GradientForwardDiagonal), At(223, 0, GradientForwardDiagonal))
      << "the other corners both sit half-way, whatever the aspect ratio";

  EXPECT_EQ(At(0, 100, GradientHorizontal), kBlue);
  EXPECT_EQ(At(223, 5, GradientHorizontal), At(223, 150, GradientHorizontal));
  EXPECT_EQ(At(7, 0, GradientVertical), kBlue);
  EXPECT_EQ(At(100, 191, GradientVertical), At(3, 191, GradientVertical));
  EXPECT_EQ(At(223, 0, GradientBackwardDiagonal), kBlue);
  EXPECT_EQ(At(0, 191, GradientBackwardDiagonal), RGB(254, 254, 254));
}

TEST(Gradient, ChannelsFollowTheRoundedStep) {
  // Horizontal over 224 columns from black to white: q = floor(255 x / 224 + 0.5).
  for (int x = 0; x < 224; ++x) {
    const int q = (510 * x + 224) / 448;
    ASSERT_EQ(At(x, 0, GradientHorizontal, 0, kWhite), RGB(q, q, q)) << x;
  }
  // Each channel is floor((c0 (255 - q) + c1 q) / 255); at x = 112 q is 128.
  EXPECT_EQ(At(112, 0, GradientHorizontal, RGB(10, 200, 255), RGB(250, 0, 0)), RGB(130, 99, 127));
  // Equal colours give a uniform background.
  for (int mode = 0; mode < 4; ++mode)
    EXPECT_EQ(At(57, 131, static_cast<GradientMode>(mode), 0x00123456, 0x00123456), 0x00123456u);
}

TEST(Gradient, DiagonalsAreConstantAlongTheOtherDiagonal) {
  // Points (x, y) with x / 224 + y / 192 equal share a colour: step 7 columns and 6 rows.
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(At(7 * k, 191 - 6 * k - 60, GradientForwardDiagonal),
              At(7 * (k + 1), 191 - 6 * (k + 1) - 60, GradientForwardDiagonal));
    EXPECT_EQ(At(223 - 7 * k, 160 - 6 * k, GradientBackwardDiagonal),
              At(223 - 7 * (k + 1), 160 - 6 * (k + 1), GradientBackwardDiagonal));
  }
}

TEST(Gradient, SurfaceFillMatchesThePixelRuleAndClips) {
  // Rectangles that stick out of the surface on the left and bottom, and on the top and
  // right, in every direction, one after another with two pairs of colours (a surface may
  // keep what it worked out for the last gradient).
  const Rect boxes[] = {{-10, 5, 60, 65}, {3, -7, 73, 33}};
  const Color ends[][2] = {{0x00102030, 0x00F0E0D0}, {0x00F0E0D0, 0x00102031}};
  for (const Rect& box : boxes) {
    for (int mode = 0; mode < 4; ++mode) {
      for (const auto& [from, to] : ends) {
        const std::int32_t width = box.right - box.left, height = box.bottom - box.top;
        CMemoryDC dc(64, 48, 0x00000000);
        dc.GradientFill(box.left, box.top, width, height, from, to, static_cast<GradientMode>(mode));
        for (int y = 0; y < 48; ++y) {
          for (int x = 0; x < 64; ++x) {
            const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            const Color expected =
                inside ? GradientColorAt(x, y, box.left, box.top, width, height, from, to, static_cast<GradientMode>(mode))
                       : 0x00000000;
            ASSERT_EQ(dc.GetPixel(x, y), expected) << "mode " << mode << " at " << x << ", " << y;
          }
        }
      }
    }
  }
}

TEST(FillSettings, ModePriorityAndStartupFill) {
  FillSettings fill;
  EXPECT_EQ(fill.m_nFillType, 0);
  EXPECT_EQ(fill.m_crBackground, kBlue);
  EXPECT_EQ(fill.GetGradientMode(), GradientHorizontal);
  fill.m_bHorizontal = 0;
  EXPECT_EQ(fill.GetGradientMode(), GradientHorizontal) << "no flag set";
  fill.m_bBackwardDiagonal = 1;
  EXPECT_EQ(fill.GetGradientMode(), GradientBackwardDiagonal);
  fill.m_bForwardDiagonal = 1;
  EXPECT_EQ(fill.GetGradientMode(), GradientForwardDiagonal);
  fill.m_bHorizontal = 1;
  EXPECT_EQ(fill.GetGradientMode(), GradientHorizontal);
  fill.m_bVertical = -3;
  EXPECT_EQ(fill.GetGradientMode(), GradientVertical) << "vertical wins over horizontal";

  fill.m_crBackground = 0x00010203;
  fill.ApplyStartupFill();
  EXPECT_EQ(fill.m_nFillType, 1);
  EXPECT_EQ(fill.m_crGradientFrom, kBlue);
  EXPECT_EQ(fill.m_crGradientTo, kWhite);
  EXPECT_EQ(fill.GetGradientMode(), GradientForwardDiagonal);
  EXPECT_EQ(fill.m_bVertical + fill.m_bHorizontal + fill.m_bBackwardDiagonal, 0);
  EXPECT_EQ(fill.m_crBackground, 0x00010203u) << "the solid colour is left alone";
}

TEST(Gradient, RecordingSurfaceKeepsTheGradientRectangle) {
  RecordingSurface surface;
  surface.GradientFill(0, 0, 224, 192, kBlue, kWhite, GradientBackwardDiagonal);
  ASSERT_EQ(surface.calls().size(), 1u);
  EXPECT_EQ(surface.calls()[0].rect, (Rect{0, 0, 224, 192}));
  EXPECT_EQ(surface.calls()[0].a, GradientBackwardDiagonal);
}

}  // namespace
}  // namespace pelmoro
