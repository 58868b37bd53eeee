#include "busiest_face.h"

namespace pelmoro::bench {

FacePicture BusiestFace() {
  FacePicture picture;
  for (int i = 0; i < CFace::kParameterCount; ++i) picture.m_face.DocumentParameter(i) = 5;
  picture.m_face.faceType = FaceOval;
  picture.m_face.hairType = 2;
  picture.m_face.glasses = GlassesBlackRimmed;
  picture.m_face.mustache = MustacheAndBeard;
  picture.m_fill.ApplyStartupFill();
  return picture;
}

}  // namespace pelmoro::bench
