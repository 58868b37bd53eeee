// The long hair behind the head and the hair on top of it, in one of nine styles built
// from pie segments of the hair mass (and a zigzag fringe for one style).
#include <array>

#include "render/face_picture.h"
#include "render/renderer_angles.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kBackHairCorner = 60;
constexpr int kFringePoints = 15;

// A pie of r from the radial at angle `start` to the one at angle `end`, each with its
// own quadrant signs.
void PieBetween(Surface& surface, const Rect& r, double start, int startSx, int startSy, double end, int endSx,
                int endSy) {
  surface.Pie(r, Rad(r, start, startSx, startSy), Rad(r, end, endSx, endSy));
}

// A row of seven downward teeth across the hair mass, hanging from its middle line.
void DrawFringe(Surface& surface, const Rect& hair) {
  const std::int32_t width = hair.Width();
  const std::int32_t height = hair.Height();
  std::array<Point, kFringePoints> points;
  for (int i = 0; i < kFringePoints; ++i) {
    points[i] = {hair.left + width * i / (kFringePoints - 1), hair.top + height / 2 + (i % 2) * (height / 6)};
  }
  surface.Polygon(points.data(), kFringePoints);
}

// Type 5: a dome narrowed on the right plus a smaller piece swept to the right.
void DrawHairType5(Surface& surface, const Rect& hair, const Rect& face, std::int32_t width, std::int32_t height) {
  const Rect dome{hair.left, hair.top, hair.left + hair.Width() - height / 10, hair.bottom};
  PieBetween(surface, dome, kAngle20, +1, -1, kAngle20, -1, +1);
  const Rect swept{width / 2, hair.top + height / 20, width / 2 + (face.Width() + hair.Width()) / 4, hair.bottom};
  PieBetween(surface, swept, kAngle30, +1, +1, kAngle30, -1, -1);
}

// Type 7: the near mirror image of type 5.
void DrawHairType7(Surface& surface, const Rect& hair, const Rect& face, std::int32_t height) {
  const Rect dome{hair.left + height / 10, hair.top, hair.right, hair.bottom};
  PieBetween(surface, dome, kAngle20, +1, +1, kAngle20, -1, -1);
  const std::int32_t left = (face.left + hair.left) / 2;
  const Rect swept{left, hair.top + height / 20, left + (face.Width() + hair.Width()) / 4, hair.bottom};
  PieBetween(surface, swept, kAngle30, +1, -1, kAngle30, -1, +1);
}

// Type 8: two overlapping tilted segments over the left and the right three quarters.
void DrawHairType8(Surface& surface, const Rect& hair, std::int32_t height) {
  const std::int32_t span = 3 * hair.Width() / 4;
  const std::int32_t bottom = hair.bottom - height / 8;
  const Rect leftPiece{hair.left, hair.top, hair.left + span, bottom};
  PieBetween(surface, leftPiece, kAngle40, +1, -1, kAngle40, -1, +1);
  const std::int32_t left = hair.left + hair.Width() / 4;
  const Rect rightPiece{left, hair.top, left + span, bottom};
  PieBetween(surface, rightPiece, kAngle40, +1, +1, kAngle40, -1, -1);
}

}  // namespace

void FacePicture::DrawBackHair(Surface& surface) const {
  const Color hair = m_face.GetHairColor();
  CSolidPen pen(surface, hair);
  CSolidBrush brush(surface, hair);
  surface.RoundRect(m_layout.m_rcBackHair, kBackHairCorner, kBackHairCorner);
}

void FacePicture::DrawHair(Surface& surface) const {
  const Color hair = m_face.GetHairColor();
  CSolidPen pen(surface, hair);
  CSolidBrush brush(surface, hair);
  const Rect& a = m_layout.m_rcHair;
  switch (m_face.hairType) {
    case 0:
      PieBetween(surface, a, kAngle10, +1, -1, kAngle10, -1, -1);
      break;
    case 1:
      PieBetween(surface, a, kAngle30, +1, -1, kAngle30, -1, -1);
      break;
    case 2:
      PieBetween(surface, a, kAngle5, +1, +1, kAngle5, -1, +1);
      DrawFringe(surface, a);
      break;
    case 3:
    case 6:  // the same dome; the two differ only in their front piece
      PieBetween(surface, a, kAngle10, +1, +1, kAngle10, -1, -1);
      break;
    case 4:
      PieBetween(surface, a, kAngle10, +1, -1, kAngle10, -1, +1);
      break;
    case 5:
      DrawHairType5(surface, a, m_layout.m_rcFace, m_nWidth, m_nHeight);
      break;
    case 7:
      DrawHairType7(surface, a, m_layout.m_rcFace, m_nHeight);
      break;
    case 8:
      DrawHairType8(surface, a, m_nHeight);
      break;
    default:  // 9 has only a front piece; other values draw no hair on top
      break;
  }
}

}  // namespace pelmoro
