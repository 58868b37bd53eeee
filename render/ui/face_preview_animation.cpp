// The animation: a single-shot timer re-armed with a fresh random interval after every
// step, each step changing one expression pose.
#include "model/random.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

void CFacePreview::StartAnimation() { m_animationTimer.start(NextAnimationInterval(m_random)); }

void CFacePreview::StopAnimation() {
  m_picture.RestPoses();
  m_animationTimer.stop();
  update();
}

void CFacePreview::OnAnimationTimer() {
  m_picture.AnimateStep(m_random);
  update();
  m_animationTimer.start(NextAnimationInterval(m_random));
}

}  // namespace pelmoro
