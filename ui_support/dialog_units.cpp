#include "ui_support/dialog_units.h"

#include <QFont>
#include <QFontMetrics>

namespace pelmoro {

DialogUnits DialogUnits::ForFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int lettersWidth =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const int averageWidth = (lettersWidth / 26 + 1) / 2;
  return {averageWidth > 0 ? averageWidth : 1, metrics.height() > 0 ? metrics.height() : 1};
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  const int left = ToPixelsX(x);
  const int top = ToPixelsY(y);
  const int right = ToPixelsX(x + width);
  const int bottom = ToPixelsY(y + height);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace pelmoro
