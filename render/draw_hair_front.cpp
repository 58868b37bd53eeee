// Hair laid over everything else: a fringe swept to one side for hair types 4 and 6 and
// a rounded block on top of the head for type 9.
#include "render/face_picture.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kBlockCorner = 40;

// Type 4: the top of the hair oval, cut off by a line falling to the lower right.
void DrawFringeFallingRight(Surface& surface, const Rect& hair) {
  const std::int32_t h = hair.bottom - hair.top;
  const std::int32_t cy = (hair.top + hair.bottom) / 2;
  surface.Chord(hair, {hair.right, cy / 2 + h / 2}, {hair.left, cy - h / 2});
}

// Type 6: the top of the hair oval, cut off by a line rising to the upper right.
void DrawFringeRisingRight(Surface& surface, const Rect& hair) {
  const std::int32_t h = hair.bottom - hair.top;
  const std::int32_t cy = (hair.top + hair.bottom) / 2;
  surface.Chord(hair, {hair.right, cy / 2}, {hair.left, cy + h / 2});
}

// Type 9: a rounded block centred over the head, wider with more hair volume.
void DrawHairBlock(Surface& surface, const Rect& hair, const Rect& face, std::int32_t hairVolume, std::int32_t width) {
  const std::int32_t blockWidth = (face.right - face.left) * (hairVolume + 2) / 12;
  const std::int32_t left = (width - blockWidth) / 2;
  const std::int32_t top = (hair.top + face.top) / 2;
  const std::int32_t h = hair.bottom - hair.top;
  surface.RoundRect({left, top, left + blockWidth, top + h / 3}, kBlockCorner, kBlockCorner);
}

}  // namespace

void FacePicture::DrawHairFront(Surface& surface) const {
  const Color hair = m_face.GetHairColor();
  CSolidPen pen(surface, hair);
  const int type = m_face.hairType;
  if (type != 4 && type != 6 && type != 9) return;

  CSolidBrush brush(surface, hair);
  if (type == 4) {
    DrawFringeFallingRight(surface, m_layout.m_rcHair);
  } else if (type == 6) {
    DrawFringeRisingRight(surface, m_layout.m_rcHair);
  } else {
    DrawHairBlock(surface, m_layout.m_rcHair, m_layout.m_rcFace, m_face.hairVolume, m_nWidth);
  }
}

}  // namespace pelmoro
