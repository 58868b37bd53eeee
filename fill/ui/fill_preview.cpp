#include "fill/ui/fill_preview.h"

#include <QPainter>

#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

CFillPreview::CFillPreview(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
}

void CFillPreview::SetFill(const FillSettings& fill) {
  m_fill = fill;
  update();
}

void CFillPreview::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // Fill types other than solid and gradient paint nothing inside the border.
  if (m_fill.m_nFillType != FillSolid && m_fill.m_nFillType != FillGradient) return;

  const QRect area = contentsRect();
  CMemoryDC dc(area.width(), area.height());
  if (!dc.IsValid()) return;
  if (m_fill.m_nFillType == FillSolid) {
    dc.FillSolidRect(0, 0, dc.Width(), dc.Height(), m_fill.m_crBackground);
  } else {
    dc.GradientFill(0, 0, dc.Width(), dc.Height(), m_fill.m_crGradientFrom, m_fill.m_crGradientTo,
                    m_fill.GetGradientMode());
  }
  QPainter painter(this);
  painter.drawImage(area.topLeft(), WrapSurface(dc));
}

}  // namespace pelmoro
