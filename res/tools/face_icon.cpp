#include "res/tools/face_icon.h"

#include <algorithm>

#include "render/face_picture.h"
#include "res/tools/surface_image.h"

namespace pelmoro::resources {

namespace {

// A friendly, plain face with dark hair and large eyes, which stay readable at 16 pixels;
// small enough that the whole head fits the square.
CFace IconFace() {
  CFace face;
  face.faceSize = 2;
  face.faceShape = 5;
  face.faceColor = 2;
  face.forehead = 5;
  face.hairVolume = 6;
  face.hairThickness = 6;
  face.hairType = 1;
  face.hairLength = 4;
  face.hairWidth = 6;
  face.hairColor = 0;
  face.eyeSize = 10;
  face.eyeHeight = 5;
  face.eyeWidth = 5;
  face.eyeShape = 3;
  face.mouthSize = 6;
  face.mouthHeight = 5;
  face.browLength = 5;
  face.browWidth = 4;
  face.browShape = 5;
  face.noseSize = 4;
  face.noseHeight = 5;
  face.earSize = 4;
  face.faceType = FaceOval;
  face.glasses = GlassesNone;
  face.mustache = MustacheNone;
  return face;
}

// A square around the head and its hair with a small margin, kept inside the picture.
QRect HeadSquare(const FacePicture& picture) {
  const Rect& face = picture.m_rcFace;
  const Rect& hair = picture.m_rcHair;
  const Rect head{std::min(face.left, hair.left), std::min(face.top, hair.top), std::max(face.right, hair.right),
                  std::max(face.bottom, hair.bottom)};
  const int side = std::min({std::max(head.Width(), head.Height()) * 9 / 8, picture.m_nWidth, picture.m_nHeight});
  const Point centre = head.CenterPoint();
  const int left = std::clamp(centre.x - side / 2, 0, picture.m_nWidth - side);
  const int top = std::clamp(centre.y - side / 2, 0, picture.m_nHeight - side);
  return {left, top, side, side};
}

// Halves the image while it is more than twice the target, then scales the rest of the
// way, so every source pixel counts in the result.
QImage ScaledDown(QImage image, int size) {
  while (image.width() >= 2 * size)
    image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage DrawFaceIcon(int size) {
  FacePicture picture;
  picture.m_face = IconFace();
  picture.m_fill.ApplyStartupFill();
  CMemoryDC dc(picture.m_nWidth, picture.m_nHeight);
  picture.Paint(dc);
  return ScaledDown(ImageOf(dc).copy(HeadSquare(picture)), size);
}

}  // namespace pelmoro::resources
