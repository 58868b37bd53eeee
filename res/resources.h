#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pelmoro {

// Makes the program's built-in images available (they live in the program's library,
// which a static link would otherwise drop); safe to call more than once.
void InitResources();

// The application icon, a small face, in all its sizes (16, 32 and 48 pixels).
QIcon ApplicationIcon();
// The application icon at one of its sizes.
QPixmap ApplicationIconPixmap(int size);
// The green check mark of the OK buttons, 16 x 16 with a transparent background.
QPixmap CheckMarkImage();
// The menu images of the main window's commands, 16 x 16 each, side by side.
QImage MenuImageStrip();

}  // namespace pelmoro
