#include "model/fill_settings.h"

namespace pelmoro {

GradientMode FillSettings::GetGradientMode() const {
  if (m_bVertical != 0) return GradientVertical;
  if (m_bHorizontal != 0) return GradientHorizontal;
  if (m_bForwardDiagonal != 0) return GradientForwardDiagonal;
  if (m_bBackwardDiagonal != 0) return GradientBackwardDiagonal;
  return GradientHorizontal;
}

void FillSettings::ApplyStartupFill() {
  m_nFillType = FillGradient;
  m_crGradientFrom = 0x00740115;
  m_crGradientTo = 0x00FFFFFF;
  m_bVertical = 0;
  m_bHorizontal = 0;
  m_bForwardDiagonal = 1;
  m_bBackwardDiagonal = 0;
}

}  // namespace pelmoro
