// The paint pipeline: background, layout, the twelve feature renderers in their fixed
// order (later features overdraw earlier ones), then the selection.
#include "render/face_picture.h"

namespace pelmoro {

void FacePicture::Paint(Surface& surface, const SelectionLayer* selection) {
  PaintBackground(surface);
  PaintFace(surface);
  if (selection != nullptr) selection->Draw(surface);
}

void FacePicture::PaintBackground(Surface& surface) const {
  if (m_fill.m_nFillType == FillGradient) {
    surface.FillThenGradient(0, 0, m_nWidth, m_nHeight, m_fill.m_crBackground, m_fill.m_crGradientFrom,
                             m_fill.m_crGradientTo, m_fill.GetGradientMode());
  } else {
    surface.FillSolidRect(0, 0, m_nWidth, m_nHeight, m_fill.m_crBackground);
  }
}

void FacePicture::PaintFace(Surface& surface) {
  CalcLayout();
  DrawBackHair(surface);
  DrawNeck(surface);
  DrawEars(surface);
  DrawHead(surface);
  DrawHair(surface);
  DrawEyes(surface);
  DrawMouth(surface);
  DrawBrows(surface);
  if (m_face.glasses > 0) DrawGlasses(surface, m_face.glasses);
  if (m_face.mustache > 0) DrawBeard(surface, m_face.mustache);
  DrawNose(surface);
  DrawHairFront(surface);
}

}  // namespace pelmoro
