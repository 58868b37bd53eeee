#include "fill/ui/fill_preview.h"

#include <QPainter>

#include "model/fill_settings.h"
#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

CFillPreview::CFillPreview(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
}

void CFillPreview::SetModeFromFlags(std::int32_t vertical, std::int32_t horizontal, std::int32_t forward,
                                    std::int32_t backward) {
  FillSettings flags;
  flags.m_bVertical = vertical;
  flags.m_bHorizontal = horizontal;
  flags.m_bForwardDiagonal = forward;
  flags.m_bBackwardDiagonal = backward;
  m_nGradientMode = flags.GetGradientMode();
}

void CFillPreview::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // Fill types other than solid and gradient paint nothing inside the border.
  if (m_nFillType != FillSolid && m_nFillType != FillGradient) return;

  const QRect area = contentsRect();
  CMemoryDC dc(area.width(), area.height());
  if (!dc.IsValid()) return;
  if (m_nFillType == FillSolid) {
    dc.FillSolidRect(0, 0, dc.Width(), dc.Height(), m_crBackground);
  } else {
    dc.GradientFill(0, 0, dc.Width(), dc.Height(), m_crGradientFrom, m_crGradientTo, m_nGradientMode);
  }
  QPainter painter(this);
  painter.drawImage(area.topLeft(), WrapSurface(dc));
}

}  // namespace pelmoro
