// A pair of glasses over the eyes: bridge and temple bars with a highlight row, then
// rims (black- or metal-rimmed) or dark lenses (sunglasses).
#include <array>

#include "render/face_picture.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

constexpr Color kBlack = 0x00000000;
constexpr Color kDarkGrey = 0x00646464;
constexpr Color kSilver = 0x00C0C0C0;
constexpr std::int32_t kMetalShadePercent = 25;
constexpr std::int32_t kBarGap = 4;  // space between a bar and the eye box

struct GlassesColors {
  Color frame;
  Color shade;
};

GlassesColors ColorsFor(std::int32_t kind) {
  if (kind == GlassesMetalRimmed) return {kSilver, LightenColor(kSilver, kMetalShadePercent)};
  return {kBlack, kDarkGrey};
}

// A bar from column `left` to `right` over the two rows around the eye line.
Rect Bar(std::int32_t left, std::int32_t right, std::int32_t eyeLine) {
  const std::int32_t top = eyeLine - 1;
  return {left, top, right, top + 2};
}

// Bridge, left temple and right temple.
std::array<Rect, 3> Bars(const FaceLayout& layout, std::int32_t width) {
  const std::int32_t ex = layout.m_ptEye.x;
  const std::int32_t ey = layout.m_ptEye.y;
  const std::int32_t hw = layout.m_rcEye.left;
  const std::int32_t faceLeft = layout.m_rcFace.left;
  const std::int32_t templeLength = layout.m_rcFace.Width() / 2 - ex - hw - kBarGap;

  const std::int32_t bridgeLeft = width / 2 - ex + hw + kBarGap;
  const std::int32_t rightTempleLeft = width / 2 + ex + hw + kBarGap;
  return {Bar(bridgeLeft, bridgeLeft + 2 * (ex - hw) - 2 * kBarGap, ey), Bar(faceLeft, faceLeft + templeLength, ey),
          Bar(rightTempleLeft, rightTempleLeft + templeLength, ey)};
}

// The eye box of the eye centred on column `centerX`, grown by `grow` pixels on every
// side and then by `extra` more to the right and bottom.
Rect GrownEyeBox(const FaceLayout& layout, std::int32_t centerX, std::int32_t grow, std::int32_t extra) {
  const std::int32_t left = centerX - layout.m_rcEye.left - grow;
  const std::int32_t top = layout.m_ptEye.y - layout.m_rcEye.top - grow;
  return {left, top, left + layout.m_rcEye.Width() + 2 * grow + extra,
          top + layout.m_rcEye.Height() + 2 * grow + extra};
}

void FullArc(Surface& surface, const Rect& r) {
  const Point rightMiddle{r.right, (r.top + r.bottom) / 2};
  surface.Arc(r, rightMiddle, rightMiddle);
}

// A rim two pixels thick around each eye, and a highlight outline one pixel narrower and
// lower than the outer rim.
void DrawRims(Surface& surface, const FaceLayout& layout, const std::array<std::int32_t, 2>& eyeCenters,
              const GlassesColors& colors) {
  CSolidPen framePen(surface, colors.frame);
  for (const std::int32_t grow : {4, 5}) {
    for (const std::int32_t center : eyeCenters) FullArc(surface, GrownEyeBox(layout, center, grow, 0));
  }
  CSolidPen shadePen(surface, colors.shade);
  for (const std::int32_t center : eyeCenters) FullArc(surface, GrownEyeBox(layout, center, 5, -1));
}

// Dark lenses that cover the eyes completely.
void DrawLenses(Surface& surface, const FaceLayout& layout, const std::array<std::int32_t, 2>& eyeCenters,
                Color frame) {
  CSolidPen pen(surface, frame);
  CSolidBrush brush(surface, frame);
  for (const std::int32_t center : eyeCenters) surface.Ellipse(GrownEyeBox(layout, center, 4, 0));
}

}  // namespace

void FacePicture::DrawGlasses(Surface& surface, std::int32_t kind) const {
  const GlassesColors colors = ColorsFor(kind);
  const std::array<Rect, 3> bars = Bars(m_layout, m_nWidth);
  for (const Rect& bar : bars) surface.FillSolidRect(bar, colors.frame);
  for (const Rect& bar : bars) surface.FillSolidRect({bar.left, bar.top, bar.right, bar.top + 1}, colors.shade);

  const std::array<std::int32_t, 2> eyeCenters = {m_nWidth / 2 - m_layout.m_ptEye.x, m_nWidth / 2 + m_layout.m_ptEye.x};
  if (kind == GlassesBlackRimmed || kind == GlassesMetalRimmed) {
    DrawRims(surface, m_layout, eyeCenters, colors);
  } else if (kind == Sunglasses) {
    DrawLenses(surface, m_layout, eyeCenters, colors.frame);
  }
}

}  // namespace pelmoro
