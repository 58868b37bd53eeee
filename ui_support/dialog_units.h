#pragma once
#include <QRect>

#include "render/mul_div.h"

class QFont;

namespace pelmoro {

// Converts dialog units to pixels. A dialog unit is a quarter of the dialog font's average
// character width horizontally and an eighth of its height vertically, so a layout written
// in dialog units grows and shrinks with the font.
class DialogUnits {
 public:
  DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

  // The units of a font: its average width of the 52 Latin letters, rounded, and its height.
  static DialogUnits ForFont(const QFont& font);

  int BaseX() const { return baseX_; }
  int BaseY() const { return baseY_; }

  int ToPixelsX(int units) const { return MulDiv(units, baseX_, 4); }
  int ToPixelsY(int units) const { return MulDiv(units, baseY_, 8); }
  // A rectangle given as x, y, width, height in dialog units; its four edges are converted
  // separately, so neighbouring rectangles stay neighbours.
  QRect ToPixels(int x, int y, int width, int height) const;

  DialogUnits WiderBy(int step) const { return {baseX_ + step, baseY_}; }
  DialogUnits TallerBy(int step) const { return {baseX_, baseY_ + step}; }

 private:
  int baseX_;
  int baseY_;
};

}  // namespace pelmoro
