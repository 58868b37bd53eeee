#pragma once
#include <QImage>

namespace pelmoro::resources {

// The menu images of the main window's commands, 16 x 16 each, side by side in the order
// the main menu's table (app/menu_commands.cpp) numbers them: New, Open, Save, BMP, GIF,
// JPG, PNG, TIFF, About, Export at any size, Export animation.
QImage DrawCommandStrip();

// The green check mark of the OK buttons, 16 x 16.
QImage DrawCheckMark();

}  // namespace pelmoro::resources
