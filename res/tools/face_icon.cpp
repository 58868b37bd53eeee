#include "res/tools/face_icon.h"

#include <QPainter>
#include <algorithm>

#include "output/picture_export.h"
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
  const Rect& face = picture.m_layout.m_rcFace;
  const Rect& hair = picture.m_layout.m_rcHair;
  const Rect head{std::min(face.left, hair.left), std::min(face.top, hair.top), std::max(face.right, hair.right),
                  std::max(face.bottom, hair.bottom)};
  const int side = std::min({std::max(head.Width(), head.Height()) * 9 / 8, picture.m_nWidth, picture.m_nHeight});
  const Point centre = head.CenterPoint();
  const int left = std::clamp(centre.x - side / 2, 0, picture.m_nWidth - side);
  const int top = std::clamp(centre.y - side / 2, 0, picture.m_nHeight - side);
  return {left, top, side, side};
}

// Scales the picture to size x size. A larger size is reached by repeating whole pixels
// first, so the picture's hard edges stay sharp instead of blurring; then the image is
// halved while it is more than twice the target and scaled the rest of the way, so every
// source pixel counts in the result.
QImage Resized(QImage image, int size) {
  const int factor = (size + image.width() - 1) / image.width();
  if (factor > 1)
    image =
        image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  while (image.width() >= 2 * size)
    image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The icon face over the default background, painted once so that its layout is known.
FacePicture IconPicture() {
  FacePicture picture;
  picture.m_face = IconFace();
  picture.m_fill.ApplyStartupFill();
  CMemoryDC layoutOnly(picture.m_nWidth, picture.m_nHeight);
  picture.Paint(layoutOnly);
  return picture;
}

// The head of the icon face, cut out of the exact 224 x 192 picture.
QImage HeadPicture() {
  FacePicture picture = IconPicture();
  CMemoryDC dc(picture.m_nWidth, picture.m_nHeight);
  picture.Paint(dc);
  return ImageOf(dc).copy(HeadSquare(picture));
}

// The head drawn smooth by the vector surface, in `format` at `scale` times the picture's
// size. A selection frame writes what lies inside its line, so the frame runs one pixel
// outside the head square. Empty if the picture cannot be encoded.
std::vector<std::uint8_t> SmoothHead(ImageFormat format, double scale) {
  const FacePicture picture = IconPicture();
  const QRect head = HeadSquare(picture);
  ExportOptions options;
  options.format = format;
  options.scale = scale;
  options.selection =
      Rect{head.left() - 1, head.top() - 1, head.left() + head.width() + 1, head.top() + head.height() + 1};
  std::vector<std::uint8_t> bytes;
  if (!EncodePicture(picture, options, bytes).ok()) bytes.clear();
  return bytes;
}

// A sheet of paper with its top right corner folded over, on the transparent key colour,
// `side` pixels square, with an outline `line` pixels thick.
void DrawPage(Surface& s, int side, int line) {
  const int left = side * 5 / 32, right = side - left, top = side / 32, bottom = side - top;
  const int fold = side / 4;
  const Color outline = RGB(72, 72, 80);
  {
    CSolidPen pen(s, outline);
    CSolidBrush brush(s, outline);
    const Point sheet[] = {{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}};
    s.Polygon(sheet, 5);
  }
  CSolidPen pen(s, RGB(255, 255, 255));
  CSolidBrush paper(s, RGB(255, 255, 255));
  const Point inside[] = {{left + line, top + line},
                          {right - fold - line / 2, top + line},
                          {right - line, top + fold + line / 2},
                          {right - line, bottom - line},
                          {left + line, bottom - line}};
  s.Polygon(inside, 5);
  CSolidPen foldPen(s, outline);
  CSolidBrush foldBrush(s, RGB(214, 214, 222));
  const Point corner[] = {{right - fold, top}, {right - fold, top + fold}, {right, top + fold}};
  s.Polygon(corner, 3);
}

}  // namespace

QImage DrawFaceIcon(int size) {
  // Icons smaller than the head are the exact picture shrunk, which keeps small icons crisp;
  // larger ones are drawn smooth at their own size instead of enlarged.
  const QImage exact = HeadPicture();
  if (size <= exact.width()) return Resized(exact, size);
  const std::vector<std::uint8_t> png = SmoothHead(ImageFormat::Png, static_cast<double>(size) / exact.width());
  const QImage smooth = QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
  if (smooth.isNull()) return Resized(exact, size);
  return smooth.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::vector<std::uint8_t> DrawScalableFaceIcon() { return SmoothHead(ImageFormat::Svg, 1); }

QImage DrawDocumentIcon(int size) {
  // Drawn four times larger and scaled down, so the page's edges come out smooth.
  constexpr int kOversample = 4;
  const int side = size * kOversample;
  CMemoryDC dc(side, side, kTransparentKey);
  DrawPage(dc, side, std::max(1, size / 64) * kOversample);
  QImage page = ImageWithTransparentKey(dc).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int faceSide = side / 2;
  const QRect face((side - faceSide) / 2, side * 13 / 32, faceSide, faceSide);
  QPainter(&page).drawImage(face, Resized(HeadPicture(), faceSide));
  return page.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace pelmoro::resources
