// The neck under the chin and the head itself, both in the skin colour with a lighter
// upper-left and a darker lower-right edge.
#include "render/face_picture.h"
#include "render/renderer_angles.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kShadePercent = 27;
constexpr std::int32_t kNeckHeight = 80;
constexpr std::int32_t kNeckOverlap = 10;  // rows of the neck hidden under the chin
constexpr std::int32_t kNeckStrip = 2;     // width of the highlight and shadow strips

// The face box moved by (d, d), keeping its width and height.
Rect ShiftedFace(const Rect& face, std::int32_t d) {
  const std::int32_t left = face.left + d;
  const std::int32_t top = face.top + d;
  return {left, top, left + face.Width(), top + face.Height()};
}

// Oval head: the filled ellipse, a light rim over its upper-left half and a dark rim over
// its lower-right quarter, both on the face box made one pixel taller.
void DrawOvalHead(Surface& surface, const Rect& face, Color skin) {
  CSolidBrush skinBrush(surface, skin);
  surface.Ellipse(face);

  const Rect rim{face.left, face.top, face.left + face.Width(), face.top + face.Height() + 1};
  CSolidPen lightPen(surface, LightenColor(skin, kShadePercent));
  surface.Arc(rim, Rad(rim, kAngle45, +1, -1), Rad(rim, kAngle45, -1, +1));

  CSolidPen darkPen(surface, DarkenColor(skin, kShadePercent));
  const Point c = rim.CenterPoint();
  surface.Arc(rim, {c.x, c.y + rim.Height() / 2}, {rim.right, c.y});
}

// Square head: a light copy one pixel up-left and a dark copy one pixel down-right under
// the skin-coloured rounded rectangle, so only a one-pixel rim of each shows.
void DrawSquareHead(Surface& surface, const Rect& face, Color skin) {
  const std::int32_t cornerWidth = face.Width();
  const std::int32_t cornerHeight = 3 * face.Height() / 4;

  CSolidBrush lightBrush(surface, LightenColor(skin, kShadePercent));
  surface.RoundRect(ShiftedFace(face, -1), cornerWidth, cornerHeight);
  CSolidBrush darkBrush(surface, DarkenColor(skin, kShadePercent));
  surface.RoundRect(ShiftedFace(face, +1), cornerWidth, cornerHeight);
  CSolidBrush skinBrush(surface, skin);
  surface.RoundRect(face, cornerWidth, cornerHeight);
}

}  // namespace

void FacePicture::DrawNeck(Surface& surface) const {
  const Color skin = m_face.GetFaceColor();
  const std::int32_t halfWidth = m_layout.m_rcFace.Width() / 8;
  const std::int32_t x0 = m_nWidth / 2 - halfWidth;
  const std::int32_t y0 = m_layout.m_rcFace.bottom - kNeckOverlap;

  surface.FillSolidRect(x0, y0, 2 * halfWidth, kNeckHeight, skin);
  surface.FillSolidRect(x0, y0, kNeckStrip, kNeckHeight, LightenColor(skin, kShadePercent));
  surface.FillSolidRect(m_nWidth / 2 + halfWidth - kNeckStrip, y0, kNeckStrip, kNeckHeight,
                        DarkenColor(skin, kShadePercent));
}

void FacePicture::DrawHead(Surface& surface) const {
  const Color skin = m_face.GetFaceColor();
  CSolidPen skinPen(surface, skin);
  if (m_face.faceType == FaceOval) {
    DrawOvalHead(surface, m_layout.m_rcFace, skin);
  } else {
    DrawSquareHead(surface, m_layout.m_rcFace, skin);
  }
}

}  // namespace pelmoro
