#pragma once
#include <cstdint>

#include "model/face.h"
#include "model/fill_settings.h"
#include "render/layout.h"
#include "render/surface.h"

namespace pelmoro {

class CRandom;

// What the selection draws over the face when it is shown: the blocks, then the tracker.
class SelectionLayer {
 public:
  virtual ~SelectionLayer() = default;
  virtual void Draw(Surface& surface) const = 0;
};

// The drawing logic of the preview, without any window: the one face, its background
// fill, the animation poses and the layout of the current paint, and the renderers that
// compose the 224 x 192 picture from them.
class FacePicture {
 public:
  static constexpr std::int32_t kWidth = 224;
  static constexpr std::int32_t kHeight = 192;

  CFace m_face;
  FillSettings m_fill;
  std::int32_t m_nWidth = kWidth;
  std::int32_t m_nHeight = kHeight;
  // The geometry of the current paint, computed from the face by CalcLayout.
  FaceLayout m_layout;

  // Animation poses (0, 1 or 2 each); the values here are the rest poses.
  std::int32_t m_nEyePose = 0;
  std::int32_t m_nMouthPose = 1;
  std::int32_t m_nBrowPose = 1;

  // Composes the whole picture onto the surface: the background, the face, then the
  // selection layer when given.
  void Paint(Surface& surface, const SelectionLayer* selection = nullptr);
  // The background: clear with the solid colour, gradient when the fill type is exactly 1.
  void PaintBackground(Surface& surface) const;
  // The face alone, as a picture over a transparent background has it: the layout, then
  // the twelve feature renderers in order (glasses and beard only when positive).
  void PaintFace(Surface& surface);

  void CalcLayout() { m_layout.CalcLayout(m_face, m_nWidth, m_nHeight); }

  // Feature renderers, in paint order. Each leaves the surface's pen and brush as it
  // found them and needs CalcLayout to have run for the current face.
  void DrawBackHair(Surface& surface) const;
  void DrawNeck(Surface& surface) const;
  void DrawEars(Surface& surface) const;
  void DrawHead(Surface& surface) const;
  void DrawHair(Surface& surface) const;
  void DrawEyes(Surface& surface) const;
  void DrawMouth(Surface& surface) const;
  void DrawBrows(Surface& surface) const;
  void DrawGlasses(Surface& surface, std::int32_t kind) const;
  void DrawBeard(Surface& surface, std::int32_t kind) const;
  void DrawNose(Surface& surface) const;
  void DrawHairFront(Surface& surface) const;

  // Animation: puts the poses back to rest (eyes 0, mouth 1, brows 1).
  void RestPoses();
  // Changes exactly one pose to a different value: the eyes with chance 0.4, the mouth
  // with 0.4, the brows with 0.2.
  void AnimateStep(CRandom& random);
};

// Milliseconds until the next animation step: 50 + r % 500.
int NextAnimationInterval(CRandom& random);

}  // namespace pelmoro
