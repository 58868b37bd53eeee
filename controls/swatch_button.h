#pragma once
#include <QPushButton>
#include <optional>

#include "model/color.h"
#include "render/geometry.h"

namespace pelmoro {

class Surface;

// The states a swatch button draws differently.
struct SwatchLook {
  bool pressed = false;
  bool disabled = false;
  bool focused = false;
};

// Draws a swatch button into `item` on the surface: the button face filled without an
// outline, a raised (or, pressed, sunken) frame, a separator and a small drop-down arrow on
// the right, and the colour swatch on the left when enabled. Pressed, everything inside the
// frame sits one pixel lower and further right.
void DrawSwatchButton(Surface& surface, const Rect& item, Color color, Color face, const SwatchLook& look);

// A push button that shows a colour like a colour picker: a swatch on its left and a small
// arrow on its right. A click opens the colour chooser at the button's colour; a confirmed
// choice becomes the button's colour and is announced by colorChosen.
class CSwatchButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CSwatchButton(QWidget* parent = nullptr);

  Color GetColor() const { return m_crColor; }
  void SetColor(Color color);

  // Opens the colour chooser at the button's colour. On confirm the button takes the
  // chosen colour, repaints and returns it; a cancelled chooser changes nothing.
  std::optional<Color> ChooseColor();

 signals:
  void colorChosen(quint32 color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Color m_crColor = 0x00000000;
  // The button-face colour, read once when the button is made.
  const Color m_crFace;
};

}  // namespace pelmoro
