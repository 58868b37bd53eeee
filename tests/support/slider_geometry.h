#pragma once
// Where a slider's handle stands, so GUI tests can press and drag it like a person.
#include <QPoint>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace pelmoro {

// The centre of a slider's handle when it stands at `value`.
inline QPoint SliderHandleCentre(const QSlider* slider, int value) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = value;
  option.sliderValue = value;
  option.singleStep = slider->singleStep();
  option.pageStep = slider->pageStep();
  option.tickPosition = slider->tickPosition();
  option.upsideDown = slider->invertedAppearance();
  if (slider->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  option.subControls = QStyle::SC_All;
  return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

}  // namespace pelmoro
