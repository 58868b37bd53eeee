// The nose, a skin-coloured disc with a light rim and a dark lower-right quarter, and the
// two ears, plain skin-coloured discs partly hidden by the head.
#include "render/face_picture.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kShadePercent = 27;

// The box of one ear whose centre lies on column `centerX`.
Rect EarBox(const FaceLayout& layout, std::int32_t centerX) {
  const std::int32_t left = centerX - layout.m_rcEar.left;
  const std::int32_t top = layout.m_ptEar.y - layout.m_rcEar.top;
  return {left, top, left + layout.m_rcEar.Width(), top + layout.m_rcEar.Height()};
}

}  // namespace

void FacePicture::DrawNose(Surface& surface) const {
  const Color skin = m_face.GetFaceColor();
  const Rect& nose = m_layout.m_rcNose;
  const Point c = nose.CenterPoint();
  const Point rightMiddle{nose.right, c.y};

  CSolidPen skinPen(surface, skin);
  CSolidBrush skinBrush(surface, skin);
  surface.Ellipse(nose);

  CSolidPen lightPen(surface, LightenColor(skin, kShadePercent));
  surface.Arc(nose, rightMiddle, rightMiddle);

  CSolidPen darkPen(surface, DarkenColor(skin, kShadePercent));
  surface.Arc(nose, {c.x, c.y + nose.Height() / 2}, rightMiddle);
}

void FacePicture::DrawEars(Surface& surface) const {
  const Color skin = m_face.GetFaceColor();
  CSolidPen pen(surface, skin);
  CSolidBrush brush(surface, skin);
  surface.Ellipse(EarBox(m_layout, m_nWidth / 2 - m_layout.m_ptEar.x));
  surface.Ellipse(EarBox(m_layout, m_nWidth / 2 + m_layout.m_ptEar.x));
}

}  // namespace pelmoro
