#include "render/layout.h"

namespace pelmoro {

// The steps below keep the exact order of operations and truncation of the face's
// geometry: integer divisions truncate toward zero, doubles are converted with
// TruncToInt. While a rectangle is being built its left and top are still 0, so its
// right and bottom hold its width and height until they are moved into place. Integer
// overflow (possible only for values far outside the sliders' ranges) wraps.

void FaceLayout::ResetLayout() { *this = FaceLayout(); }

void FaceLayout::CalcLayout(const CFace& face, std::int32_t W, std::int32_t H) {
  ResetLayout();

  // The head, centred in the frame.
  Rect& F = m_rcFace;
  F.bottom = TruncToInt(H * 3 / 5 + (H / 5) * (face.faceSize / 10.0));
  F.right = F.bottom * (face.faceShape + 6) / 12;
  F.left = (W - F.right) / 2;
  F.top = (H - F.bottom) / 2;
  F.right += F.left;
  F.bottom += F.top;
  const std::int32_t Wf = F.Width();
  const std::int32_t Hf = F.Height();

  // The hair mass on top of the head.
  Rect& A = m_rcHair;
  const double volume = face.hairVolume * 0.3 / 10.0 + 1.0;
  A.right = TruncToInt(Wf * volume);
  A.bottom = TruncToInt(Hf * volume * (face.hairThickness + 10) / 20.0);
  A.left = (W - A.right) / 2;
  A.top = F.top - TruncToInt(static_cast<double>(A.bottom / 4) * face.forehead / 10.0) - 10;
  A.right += A.left;
  A.bottom += A.top;

  // Long hair behind the head.
  Rect& B = m_rcBackHair;
  B.right = TruncToInt(Wf * (face.hairWidth / 10.0 + 0.5));
  B.bottom = TruncToInt(Hf * (face.hairLength / 10.0 + 0.5));
  B.left = (W - B.right) / 2;
  B.top = A.top + A.Height() / 4;
  B.right += B.left;
  B.bottom += B.top;

  // Size of one eye; its left and top are the half width and half height.
  Rect& E = m_rcEye;
  E.right = (face.eyeSize + 5) * W / 100;
  E.bottom = TruncToInt((2 * face.eyeSize + 10) * (face.eyeShape + 2) / 12.0) * H / 180;
  E.left = E.right / 2;
  E.top = E.bottom / 2;
  E.right += E.left;
  E.bottom += E.top;

  // Eye offset from the centre line, and the eye line.
  Point& P = m_ptEye;
  P.x = TruncToInt(Wf / 3.0 * face.eyeWidth / 10.0 + (E.Width() / 2.0 + 2.0));
  P.y = TruncToInt(Hf * ((face.eyeHeight - 5) / 5.0) / 8.0 + (H / 2));

  // The mouth, horizontally centred.
  Rect& M = m_rcMouth;
  M.right = (face.mouthSize + 5) * 3 * W / 200;
  M.bottom = face.mouthSize * H / 180 + 5;
  M.left = (W - M.right) / 2;
  M.top = H / 2 + Hf / 4 + (Hf / 8) * face.mouthHeight / 10 - M.bottom / 2;
  M.right += M.left;
  M.bottom += M.top;

  // The brows: length and thickness, placed at the eye offset half an eye above the eye line.
  Rect& Br = m_rcBrow;
  Br.right = (face.browLength + 10) * W / 100;
  Br.bottom = (face.browWidth + 1) * H / 200;
  Br.left = P.x;
  Br.top = P.y - E.top;
  Br.right += Br.left;
  Br.bottom += Br.top;

  // The nose: a square box that slides from just above the mouth up to the eye line.
  Rect& N = m_rcNose;
  N.right = (2 * face.noseSize + 5) * W / 200;
  N.bottom = N.right;
  N.left = (W - N.right) / 2;
  const std::int32_t n = N.bottom;
  N.top = ((10 - face.noseHeight) * (M.top - n) + face.noseHeight * (P.y - n / 2)) / 10;
  N.right += N.left;
  N.bottom += N.top;

  // Size of one ear, and its offset and line.
  Rect& R = m_rcEar;
  R.right = (face.earSize + 5) * W / 100;
  R.bottom = R.right;
  R.left = R.right / 2;
  R.top = R.bottom / 2;
  R.right += R.left;
  R.bottom += R.top;
  m_ptEar.x = Wf / 2;
  m_ptEar.y = P.y + R.Height() / 4;
}

}  // namespace pelmoro
