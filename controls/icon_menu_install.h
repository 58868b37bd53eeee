#pragma once

class QMenuBar;
class QWidget;

namespace pelmoro {

class CIconMenuManager;
struct MenuToolbar;

// Loads the toolbar into `manager` and installs it on every menu of `bar`. When the images
// cannot be loaded it tells the user "Failed to load toolbar for icon menu !" in a message
// box over `owner` and returns false; the owner then gives up starting.
bool InstallIconMenus(QWidget* owner, QMenuBar* bar, CIconMenuManager& manager, const MenuToolbar& toolbar);

}  // namespace pelmoro
