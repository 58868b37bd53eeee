#pragma once
#include <QSlider>

class QPainter;

#include "controls/shaded_slider_colors.h"
#include "render/geometry.h"

namespace pelmoro {

class CShadedSliderStyle;

// The horizontal slider of the control panel. It keeps Qt's slider behaviour (mouse,
// keyboard, range, signals) and paints its own look: a bevelled thumb with grip ridges
// and a rounded groove. A pressed thumb is drawn darker; a disabled slider has a thumb
// without ridges and a groove filled with the button face colour.
//
// The base colours are read from the palette when the slider is made and stay fixed.
class CShadedSlider : public QSlider {
  Q_OBJECT

 public:
  static constexpr int kPressedShade = 51;

  explicit CShadedSlider(QWidget* parent = nullptr);

  void SetChannelColor(Color color);
  Color GetChannelColor() const { return m_colors.channel; }
  void SetThumbColor(Color color);
  Color GetThumbColor() const { return m_colors.thumb; }
  // The colour of a selection range; kept for completeness, the program's sliders have none.
  void SetSelectionColor(Color color);
  Color GetSelectionColor() const { return m_crSelection; }

  int ThumbWidth() const;
  void SetThumbWidth(int width);

  // Where the thumb and the groove are painted, in widget coordinates.
  Rect ThumbRect() const;
  Rect ChannelRect() const;

  // The colours of the next paint: with the thumb darkened while it is pressed, and the
  // groove in the button face colour while the slider is disabled.
  SliderColors PaintColors() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void RecalcColors();
  void RepaintNow();
  void PaintFocusFrame(QPainter& painter);

  CShadedSliderStyle* m_style;
  Color m_crSelection;
  Color m_crButtonFace;
  SliderColors m_colors;
};

}  // namespace pelmoro
