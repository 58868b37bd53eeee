#pragma once
#include <cstdint>

#include "model/face.h"
#include "render/geometry.h"

namespace pelmoro {

// The rectangles and points every renderer takes its geometry from, computed from the face
// at the start of every paint.
struct FaceLayout {
  Rect m_rcFace;      // the head, centred in the frame
  Rect m_rcHair;      // the hair mass on top of the head
  Rect m_rcEye;       // size box of one eye: left and top are half its width and height
  Rect m_rcMouth;     // mouth box, horizontally centred
  Rect m_rcBackHair;  // long hair hanging behind the head
  Rect m_rcBrow;      // brow length and thickness; left = eye offset, top = brow base line
  Rect m_rcNose;      // square nose box, horizontally centred
  Rect m_rcEar;       // size box of one ear, built like m_rcEye
  Point m_ptEye;      // x: eye offset from the frame's centre line; y: the eye line
  Point m_ptEar;      // x: ear offset from the frame's centre line; y: the ear line

  void ResetLayout();
  // Computes every member from the face for a frame of width x height pixels.
  void CalcLayout(const CFace& face, std::int32_t width, std::int32_t height);
};

}  // namespace pelmoro
