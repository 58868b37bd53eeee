// Both eyes (whites, black outlines, pupils that follow the eye pose) and both eyebrows
// (arched, slanted polygons lifted by the brow pose).
#include <array>

#include "render/face_picture.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kBlack = 0x00000000;
constexpr std::int32_t kShadePercent = 27;

constexpr int kBrowSteps = 9;
constexpr int kBrowVertices = 2 * kBrowSteps;
// Lift of the lower edge at each of the nine steps along a brow.
constexpr std::array<std::int32_t, kBrowSteps> kBrowArch = {0, 2, 3, 4, 4, 4, 3, 2, 0};

// The box of one eye whose centre lies on column `centerX`.
Rect EyeBox(const FaceLayout& layout, std::int32_t centerX) {
  const std::int32_t left = centerX - layout.m_rcEye.left;
  const std::int32_t top = layout.m_ptEye.y - layout.m_rcEye.top;
  return {left, top, left + layout.m_rcEye.Width(), top + layout.m_rcEye.Height()};
}

// The whole outline of the ellipse in r, started and ended on its right-hand middle.
void FullArc(Surface& surface, const Rect& r) {
  const Point rightMiddle{r.right, (r.top + r.bottom) / 2};
  surface.Arc(r, rightMiddle, rightMiddle);
}

// Horizontal pupil shift: left for pose 1, right for pose 2, centred otherwise.
std::int32_t PupilShift(std::int32_t eyePose, std::int32_t eyeWidth) {
  switch (eyePose) {
    case 1:
      return -(eyeWidth / 4);
    case 2:
      return eyeWidth / 4;
    default:
      return 0;
  }
}

using BrowPolygon = std::array<Point, kBrowVertices>;

// One brow: the lower edge from the inner to the outer end, then the upper edge back,
// bh pixels higher. `side` is +1 for the right brow and -1 for its mirror image.
BrowPolygon BrowVertices(const FaceLayout& layout, std::int32_t centerX, std::int32_t shape, std::int32_t browPose,
                         int side) {
  const std::int32_t bx = layout.m_rcBrow.left;
  const std::int32_t by = layout.m_rcBrow.top;
  const std::int32_t bw = layout.m_rcBrow.Width();
  const std::int32_t bh = layout.m_rcBrow.Height();

  std::array<std::int32_t, kBrowSteps> lower;
  for (int k = 0; k < kBrowSteps; ++k) {
    lower[k] = by - kBrowArch[k] + ((k - 4) * 3 * (shape - 5)) / 10 - 2 * browPose;
  }
  BrowPolygon points;
  for (int k = 0; k < kBrowSteps; ++k) {
    const std::int32_t offset = bx + ((k - 4) * bw) / 8;
    points[k] = {side > 0 ? centerX + offset : centerX - offset, lower[k]};
  }
  for (int m = 0; m < kBrowSteps; ++m) {
    const std::int32_t offset = bx + ((4 - m) * bw) / 8;
    points[kBrowSteps + m] = {side > 0 ? centerX + offset : centerX - offset, lower[8 - m] - bh};
  }
  return points;
}

}  // namespace

void FacePicture::DrawEyes(Surface& surface) const {
  const std::int32_t centerX = m_nWidth / 2;
  const Rect leftEye = EyeBox(m_layout, centerX - m_layout.m_ptEye.x);
  const Rect rightEye = EyeBox(m_layout, centerX + m_layout.m_ptEye.x);
  const std::int32_t eyeWidth = m_layout.m_rcEye.Width();
  const std::int32_t eyeHeight = m_layout.m_rcEye.Height();

  // The whites take the surface's current brush, which is the white default here.
  CSolidPen whitePen(surface, kWhite);
  surface.Ellipse(leftEye);
  surface.Ellipse(rightEye);

  CSolidPen outlinePen(surface, kBlack);
  FullArc(surface, leftEye);
  FullArc(surface, rightEye);

  // Round pupils, or as tall as the eye when the eye is flatter than that.
  const std::int32_t pupilWidth = eyeWidth / 2;
  const std::int32_t pupilHeight = pupilWidth < eyeHeight ? pupilWidth : eyeHeight;
  const std::int32_t shift = PupilShift(m_nEyePose, eyeWidth);
  CSolidPen pupilPen(surface, kBlack);
  CSolidBrush pupilBrush(surface, kBlack);
  for (const std::int32_t eyeCenter : {centerX - m_layout.m_ptEye.x, centerX + m_layout.m_ptEye.x}) {
    const std::int32_t left = eyeCenter - m_layout.m_rcEye.left / 2 + shift;
    const std::int32_t top = m_layout.m_ptEye.y - pupilHeight / 2;
    surface.Ellipse({left, top, left + pupilWidth, top + pupilHeight});
  }
}

void FacePicture::DrawBrows(Surface& surface) const {
  const std::int32_t centerX = m_nWidth / 2;
  const BrowPolygon right = BrowVertices(m_layout, centerX, m_face.browShape, m_nBrowPose, +1);
  const BrowPolygon left = BrowVertices(m_layout, centerX, m_face.browShape, m_nBrowPose, -1);

  const Color brow = DarkenColor(m_face.GetHairColor(), kShadePercent);
  CSolidPen pen(surface, brow);
  CSolidBrush brush(surface, brow);
  surface.Polygon(right.data(), kBrowVertices);
  surface.Polygon(left.data(), kBrowVertices);
}

}  // namespace pelmoro
