#pragma once
// The standard faces the figure tests and the golden pictures are drawn from, and
// printers that make failed comparisons of rectangles and points readable.
#include <cstdint>
#include <ostream>

#include "model/face.h"
#include "render/face_picture.h"
#include "render/geometry.h"

namespace pelmoro {

// Every slider parameter v, with the three lists given separately (oval, no glasses and no
// mustache unless asked for).
inline CFace SliderFace(std::int32_t v, std::int32_t faceType = FaceOval, std::int32_t glasses = GlassesNone,
                        std::int32_t mustache = MustacheNone) {
  CFace face;
  for (int i = 0; i < CFace::kSliderCount; ++i) face.SliderParameter(i) = v;
  face.faceType = faceType;
  face.glasses = glasses;
  face.mustache = mustache;
  return face;
}

// All 25 parameters v, lists included.
inline CFace UniformFace(std::int32_t v) { return SliderFace(v, v, v, v); }

// A picture of the face with its layout computed, ready for a single renderer.
inline FacePicture LaidOut(const CFace& face) {
  FacePicture picture;
  picture.m_face = face;
  picture.CalcLayout();
  return picture;
}

inline void PrintTo(const Point& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace pelmoro
