#pragma once
#include <QProxyStyle>

#include "controls/icon_menu_draw.h"

namespace pelmoro {

class CIconMenuManager;

// Measures and draws the items of the managed menus (the images come from the items'
// icons, which the manager sets while a menu is open); everything else is left to the
// application's style.
class CIconMenuStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit CIconMenuStyle(const CIconMenuManager& manager);

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

  static MenuColors ColorsOf(const QPalette& palette);
  static constexpr int kFrameWidth = 2;

 private:
  MenuMetrics MetricsFor(const QFontMetrics& metrics) const;

  const CIconMenuManager& m_manager;
};

}  // namespace pelmoro
