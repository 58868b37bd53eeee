#pragma once
#include <QFrame>
#include <cstdint>

#include "model/color.h"
#include "render/surface.h"

namespace pelmoro {

// The live preview square of the fill type dialog: inside a thin border it shows the solid
// colour or the gradient the dialog's current choices give. The dialog sets the members
// and repaints it.
class CFillPreview : public QFrame {
 public:
  explicit CFillPreview(QWidget* parent = nullptr);

  // The direction the flags select, with the same priority as the picture's fill:
  // vertical, then horizontal, forward and backward diagonal; horizontal when none is set.
  void SetModeFromFlags(std::int32_t vertical, std::int32_t horizontal, std::int32_t forward, std::int32_t backward);

  std::int32_t m_nFillType = 0;
  Color m_crGradientFrom = 0x00000000;
  Color m_crGradientTo = 0x00000000;
  Color m_crBackground = 0x00000000;
  GradientMode m_nGradientMode = GradientHorizontal;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pelmoro
