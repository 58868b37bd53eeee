#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>

class QPainter;
class QRect;

namespace pelmoro {

// Painting helpers shared by the icon menus and the flat button.

// A one-pixel frame: top and left lines in `topLeft`, bottom and right lines (which own
// the corners they share with the others) in `bottomRight`. Light over dark looks raised,
// dark over light sunken.
void Draw3dFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// The shape an image leaves in a monochrome copy made over white: its opaque pixels that
// are not white. The result is `image`'s size, `color` where the shape is and
// transparent elsewhere.
QImage StampOf(const QImage& image, const QColor& color);

// Draws `image` as a disabled item looks: its shape in `highlight` one pixel right and
// down, then in `shadow` at `position`, so it seems pressed into the surface.
void DrawEmbossed(QPainter& painter, QPoint position, const QImage& image, const QColor& highlight,
                  const QColor& shadow);

}  // namespace pelmoro
