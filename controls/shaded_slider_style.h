#pragma once
#include <QProxyStyle>

namespace pelmoro {

// The geometry of a shaded slider, given to Qt's slider logic so that clicks and drags
// find the thumb where the slider paints it: the thumb travels between small side
// margins and is as tall as the control less one pixel above and below.
class CShadedSliderStyle : public QProxyStyle {
  Q_OBJECT

 public:
  static constexpr int kSideMargin = 2;
  static constexpr int kThumbMargin = 1;
  static constexpr int kDefaultThumbWidth = 11;

  CShadedSliderStyle();

  int ThumbWidth() const { return m_nThumbWidth; }
  void SetThumbWidth(int width) { m_nThumbWidth = width; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;

 private:
  int m_nThumbWidth = kDefaultThumbWidth;
};

}  // namespace pelmoro
