#pragma once
#include <optional>
#include <span>
#include <vector>

#include "output/image.h"

namespace pelmoro {

class CFaceDlg;
struct ExportCommand;
struct MenuToolbar;

// The main window's command identifiers.
enum MenuCommandId : int {
  ID_FILE_OPEN = 40001,
  ID_FILE_SAVE = 40002,
  ID_APP_EXIT = 40003,
  ID_APP_ABOUT = 40004,
  ID_EXPORT_PNG = 40006,
  ID_EXPORT_JPG = 40007,
  ID_EXPORT_BMP = 40008,
  ID_EXPORT_TIFF = 40009,
  ID_EXPORT_GIF = 40010,
  ID_FILE_NEW = 40012,
  ID_ENABLE_SELECTION = 40017,
  ID_EXPORT_AT_SIZE = 40030,
  ID_SMOOTH_EDGES = 40031,
  ID_EXPORT_ANIMATION = 40032,
  ID_EDIT_UNDO = 40040,
  ID_EDIT_REDO = 40041,
  ID_EDIT_COPY = 40042,
};

// One line of the main menu, written once: the command with its text, its image and what
// it does, or a separator (id 0). `menu` is the path of the menu it sits in, "File" or
// "File/Import" for a submenu; menus and submenus appear in the order the table first
// names them.
struct MenuCommand {
  int id = 0;
  const char* menu = "";
  const char* text = "";                                   // "&" before the mnemonic
  int image = -1;                                          // its image in the menu images' strip; -1 for none
  void (CFaceDlg::*run)() = nullptr;                       // what it does; the picture exports run ExportPicture
  std::optional<ImageFormat> exportFormat = std::nullopt;  // the format a picture export writes
  bool checkable = false;
  // Its keys, as QKeySequence reads them ("Ctrl+Shift+Z; Ctrl+Y"); the menu shows the first.
  const char* shortcut = "";
  // Brings the command's enabled and checked state up to date when its menu opens.
  void (CFaceDlg::*update)() = nullptr;
};

// The main menu, in order.
std::span<const MenuCommand> MenuCommands();

// The picture export commands, in menu order.
std::vector<ExportCommand> ExportCommands();
// The export command of a format.
int ExportCommandId(ImageFormat format);

// The menu images of the commands: the strip drawn into the program's resources and the
// command of each of its images.
MenuToolbar MenuImages();

}  // namespace pelmoro
