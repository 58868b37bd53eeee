#include "model/fill_settings.h"

namespace pelmoro {

GradientMode FillSettings::GetGradientMode() const {
  if (m_bVertical != 0) return GradientVertical;
  if (m_bHorizontal != 0) return GradientHorizontal;
  if (m_bForwardDiagonal != 0) return GradientForwardDiagonal;
  if (m_bBackwardDiagonal != 0) return GradientBackwardDiagonal;
  return GradientHorizontal;
}

void FillSettings::SetGradientMode(GradientMode mode) {
  m_bVertical = mode == GradientVertical ? 1 : 0;
  m_bHorizontal = mode == GradientHorizontal ? 1 : 0;
  m_bForwardDiagonal = mode == GradientForwardDiagonal ? 1 : 0;
  m_bBackwardDiagonal = mode == GradientBackwardDiagonal ? 1 : 0;
}

void FillSettings::ApplyStartupFill() {
  m_nFillType = FillGradient;
  m_crGradientFrom = 0x00740115;
  m_crGradientTo = 0x00FFFFFF;
  SetGradientMode(GradientForwardDiagonal);
}

}  // namespace pelmoro
