#include "controls/shaded_slider.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include "controls/shaded_slider_draw.h"
#include "controls/shaded_slider_style.h"
#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

namespace {

// The groove's height and how far its ends reach out beyond the thumb's centre.
constexpr int kChannelHeight = 6;
constexpr int kChannelOverhang = 2;

}  // namespace

CShadedSlider::CShadedSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent), m_style(new CShadedSliderStyle) {
  m_style->setParent(this);
  setStyle(m_style);
  const QPalette& p = palette();
  m_crSelection = FromQColor(p.color(QPalette::Highlight));
  m_crButtonFace = FromQColor(p.color(QPalette::Button));
  m_colors.channel = FromQColor(p.color(QPalette::Base));
  m_colors.thumb = m_crButtonFace;
  m_colors.highlight = FromQColor(p.color(QPalette::Light));
  m_colors.shadowMid = Mid(FromQColor(p.color(QPalette::Dark)), FromQColor(p.color(QPalette::Shadow)));
  m_colors.faceMid = Mid(m_crButtonFace, FromQColor(p.color(QPalette::Dark)));
  m_colors.frame = FromQColor(p.color(QPalette::WindowText));
  RecalcColors();
}

void CShadedSlider::RecalcColors() { m_colors.RecalcThumbShades(); }

void CShadedSlider::RepaintNow() { repaint(); }

void CShadedSlider::SetChannelColor(Color color) {
  m_colors.channel = color;
  RecalcColors();
}

void CShadedSlider::SetThumbColor(Color color) {
  m_colors.thumb = color;
  RecalcColors();
  RepaintNow();
}

void CShadedSlider::SetSelectionColor(Color color) {
  m_crSelection = color;
  RecalcColors();
  RepaintNow();
}

int CShadedSlider::ThumbWidth() const { return m_style->ThumbWidth(); }

void CShadedSlider::SetThumbWidth(int width) {
  m_style->SetThumbWidth(width);
  update();
}

Rect CShadedSlider::ThumbRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect r = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

Rect CShadedSlider::ChannelRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect travel = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const int inset = std::max(0, ThumbWidth() / 2 - kChannelOverhang);
  const int top = (height() - kChannelHeight) / 2;
  return {travel.left() + inset, top, travel.right() + 1 - inset, top + kChannelHeight};
}

SliderColors CShadedSlider::PaintColors() const {
  SliderColors colors = m_colors;
  if (isSliderDown()) {
    colors.thumb = LowerChannels(colors.thumb, kPressedShade);
    colors.RecalcThumbShades();
  }
  if (!isEnabled()) colors.channel = m_crButtonFace;
  return colors;
}

void CShadedSlider::paintEvent(QPaintEvent*) {
  const QColor background = palette().color(QPalette::Window);
  CMemoryDC surface(width(), height(), FromQColor(background));
  if (!surface.IsValid()) return;
  const SliderColors colors = PaintColors();
  DrawSliderChannel(surface, ChannelRect(), colors);
  DrawSliderThumb(surface, ThumbRect(), colors, isEnabled());

  QPainter painter(this);
  painter.drawImage(0, 0, WrapSurface(surface));
  if (hasFocus()) PaintFocusFrame(painter);
}

void CShadedSlider::PaintFocusFrame(QPainter& painter) {
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pelmoro
