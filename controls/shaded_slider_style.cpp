#include "controls/shaded_slider_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace pelmoro {

// A style of the application's kind of its own, so the proxy never owns the application's.
CShadedSliderStyle::CShadedSliderStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int CShadedSliderStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_SliderLength) return m_nThumbWidth;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CShadedSliderStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                         const QWidget* widget) const {
  const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_Slider || !slider || slider->orientation != Qt::Horizontal)
    return QProxyStyle::subControlRect(control, option, sub, widget);

  // The groove is the thumb's travel: Qt maps positions along it.
  const QRect travel = slider->rect.adjusted(kSideMargin, 0, -kSideMargin, 0);
  switch (sub) {
    case SC_SliderGroove:
      return travel;
    case SC_SliderHandle: {
      const int offset = sliderPositionFromValue(slider->minimum, slider->maximum, slider->sliderPosition,
                                                 travel.width() - m_nThumbWidth, slider->upsideDown);
      return {travel.left() + offset, slider->rect.top() + kThumbMargin, m_nThumbWidth,
              slider->rect.height() - 2 * kThumbMargin};
    }
    default:
      return QProxyStyle::subControlRect(control, option, sub, widget);
  }
}

}  // namespace pelmoro
