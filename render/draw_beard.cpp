// Facial hair as bundles of thin arcs in the darkened hair colour: a mustache of three
// half-ellipses over the mouth and a chin beard of ten arcs along the face outline.
#include <cmath>

#include "render/face_picture.h"
#include "render/shading.h"

namespace pelmoro {
namespace {

constexpr std::int32_t kShadePercent = 27;
// Half the opening of the chin arc, measured from the horizontal: 3.14 / 3.
constexpr double kBeardAngle = 1.0466666666666666;

// Three nested upper half-ellipses around the mouth box, grown by i + 2 pixels to the
// sides and i pixels up and down.
void DrawMustache(Surface& surface, const Rect& mouth) {
  for (std::int32_t i = 3; i <= 5; ++i) {
    const std::int32_t left = mouth.left - i - 2;
    const std::int32_t top = mouth.top - i;
    const std::int32_t right = left + (mouth.right - mouth.left) + 2 * i + 4;
    const std::int32_t bottom = top + (mouth.bottom - mouth.top) + 2 * i;
    const std::int32_t y0 = (top + bottom) / 2;
    surface.Arc({left, top, right, bottom}, {right, y0}, {left, y0});
  }
}

// The lower part of the ellipse in box, about 30 degrees either side of its bottom.
void DrawChinArc(Surface& surface, const Rect& box) {
  const double radius = static_cast<double>((box.right - box.left) / 2);
  const double dx = radius * std::cos(kBeardAngle);
  const double dy = radius * std::sin(kBeardAngle);
  const std::int32_t cx = (box.left + box.right) / 2;
  const std::int32_t cy = (box.top + box.bottom) / 2;
  const std::int32_t y = TruncToInt(cy + dy);
  surface.Arc(box, {TruncToInt(cx - dx), y}, {TruncToInt(cx + dx), y});
}

// Ten chin arcs on the face box with its top and bottom moved toward each other by j,
// from 6 pixels outside the outline to 3 pixels inside.
void DrawChinBeard(Surface& surface, const Rect& face) {
  const std::int32_t width = face.right - face.left;
  const std::int32_t height = face.bottom - face.top;
  for (std::int32_t j = -6; j <= 3; ++j) {
    const std::int32_t top = face.top + j;
    DrawChinArc(surface, {face.left, top, face.left + width, top + height - 2 * j});
  }
}

}  // namespace

void FacePicture::DrawBeard(Surface& surface, std::int32_t kind) const {
  CSolidPen pen(surface, DarkenColor(m_face.GetHairColor(), kShadePercent));
  if (kind == MustacheOnly || kind == MustacheAndBeard) DrawMustache(surface, m_layout.m_rcMouth);
  if (kind >= BeardOnly) DrawChinBeard(surface, m_layout.m_rcFace);
}

}  // namespace pelmoro
