#pragma once
#include <cstdint>

#include "model/color.h"
#include "model/gradient_mode.h"

namespace pelmoro {

enum FillType : std::int32_t { FillSolid = 0, FillGradient = 1 };

// The background of the picture: one solid colour, or a two-colour linear gradient in one
// of four directions. Holds the construction values until the start-up fill is applied.
struct FillSettings {
  std::int32_t m_nFillType = FillSolid;
  Color m_crBackground = 0x00740115;
  Color m_crGradientFrom = 0x00000000;
  Color m_crGradientTo = 0x00FFFFFF;
  std::int32_t m_bVertical = 0;
  std::int32_t m_bHorizontal = 1;
  std::int32_t m_bForwardDiagonal = 0;
  std::int32_t m_bBackwardDiagonal = 0;

  // The direction the flags select: vertical first, then horizontal, forward and backward
  // diagonal; horizontal when none is set.
  GradientMode GetGradientMode() const;
  // Sets the flag of the direction and clears the other three.
  void SetGradientMode(GradientMode mode);

  // The fill the program starts with and File / New restores: a forward-diagonal gradient
  // from dark blue to white. The solid colour is left as it is.
  void ApplyStartupFill();

  friend bool operator==(const FillSettings&, const FillSettings&) = default;
};

}  // namespace pelmoro
