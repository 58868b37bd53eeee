// The mouth in the expression of the mouth pose: open, laughing or closed.
#include "render/face_picture.h"

namespace pelmoro {
namespace {

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kRed = 0x000000FF;

// The straight mouth line along the middle row; its right end pixel stays unpainted.
void DrawMouthLine(Surface& surface, const Rect& mouth) {
  const std::int32_t middle = mouth.top + (mouth.bottom - mouth.top) / 2;
  surface.MoveTo(mouth.left, middle);
  surface.LineTo(mouth.right, middle);
}

// Pose 0: a white oval with a red rim. The white fill is the surface's current brush.
void DrawOpenMouth(Surface& surface, const Rect& mouth, std::int32_t cy) {
  CSolidPen whitePen(surface, kWhite);
  surface.Ellipse(mouth);
  CSolidPen redPen(surface, kRed);
  surface.Arc(mouth, {mouth.right, cy}, {mouth.right, cy});
}

// Pose 1: the lower half of the oval in white, a red upper edge and a red lower rim.
void DrawLaughingMouth(Surface& surface, const Rect& mouth, std::int32_t cy) {
  const Point leftEnd{mouth.left, cy};
  const Point rightEnd{mouth.right, cy};
  CSolidPen whitePen(surface, kWhite);
  surface.Pie(mouth, leftEnd, rightEnd);
  CSolidPen redPen(surface, kRed);
  DrawMouthLine(surface, mouth);
  surface.Arc(mouth, leftEnd, rightEnd);
}

// Pose 2: a closed mouth, one red line.
void DrawClosedMouth(Surface& surface, const Rect& mouth) {
  CSolidPen redPen(surface, kRed);
  DrawMouthLine(surface, mouth);
}

}  // namespace

void FacePicture::DrawMouth(Surface& surface) const {
  const std::int32_t cy = m_layout.m_rcMouth.CenterPoint().y;
  switch (m_nMouthPose) {
    case 0:
      DrawOpenMouth(surface, m_layout.m_rcMouth, cy);
      break;
    case 1:
      DrawLaughingMouth(surface, m_layout.m_rcMouth, cy);
      break;
    case 2:
      DrawClosedMouth(surface, m_layout.m_rcMouth);
      break;
    default:  // the animation only ever sets 0, 1 or 2
      break;
  }
}

}  // namespace pelmoro
