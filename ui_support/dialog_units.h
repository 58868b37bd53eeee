#pragma once
#include <QRect>

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

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }

  int ToPixelsX(int units) const { return MulDiv(units, baseX_, 4); }
  int ToPixelsY(int units) const { return MulDiv(units, baseY_, 8); }
  // A rectangle given as x, y, width, height in dialog units; its four edges are converted
  // separately, so neighbouring rectangles stay neighbours.
  QRect ToPixels(int x, int y, int width, int height) const;

  DialogUnits WiderBy(int step) const { return {baseX_ + step, baseY_}; }
  DialogUnits TallerBy(int step) const { return {baseX_, baseY_ + step}; }

 private:
  // a * b / c rounded to the nearest integer, halves away from zero.
  static int MulDiv(int a, int b, int c);

  int baseX_;
  int baseY_;
};

}  // namespace pelmoro
