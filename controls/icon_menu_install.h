#pragma once

class QMenuBar;
class QWidget;

namespace pelmoro {

class CIconMenuManager;

// The toolbar that gives the main window's commands their menu images: New, Open, Save,
// the five picture formats and About.
inline constexpr unsigned kMenuToolbarId = 128;

// Loads the menu toolbar into `manager` and installs it on every menu of `bar`. When the
// images cannot be loaded it tells the user "Failed to load toolbar for icon menu !" in a
// message box over `owner` and returns false; the owner then gives up starting.
bool InstallIconMenus(QWidget* owner, QMenuBar* bar, CIconMenuManager& manager);

}  // namespace pelmoro
