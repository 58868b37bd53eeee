#include "app/menu_commands.h"

#include <algorithm>

#include "app/face_dlg.h"
#include "controls/icon_menu.h"
#include "output/ui/export_command.h"
#include "res/resources.h"

namespace pelmoro {

namespace {

// The toolbar whose strip holds the menu images, and the size of one image.
constexpr unsigned kMenuToolbarId = 128;
constexpr QSize kMenuImageSize{16, 16};

// The image numbers are the images' places in the strip res/tools draws.
constexpr MenuCommand kMenu[] = {
    {.id = ID_FILE_NEW, .menu = "File", .text = "&New...", .image = 0, .run = &CFaceDlg::OnNew, .shortcut = "Ctrl+N"},
    {.id = ID_FILE_OPEN,
     .menu = "File",
     .text = "&Open...",
     .image = 1,
     .run = &CFaceDlg::OnOpen,
     .shortcut = "Ctrl+O"},
    {.id = ID_FILE_SAVE,
     .menu = "File",
     .text = "&Save...",
     .image = 2,
     .run = &CFaceDlg::OnSave,
     .shortcut = "Ctrl+S"},
    {.menu = "File"},
    // The submenu of the picture export keeps its historic name.
    {.id = ID_EXPORT_BMP, .menu = "File/Import", .text = ".&BMP", .image = 3, .exportFormat = ImageFormat::Bmp},
    {.id = ID_EXPORT_GIF, .menu = "File/Import", .text = ".&GIF", .image = 4, .exportFormat = ImageFormat::Gif},
    {.id = ID_EXPORT_JPG, .menu = "File/Import", .text = ".&JPG", .image = 5, .exportFormat = ImageFormat::Jpeg},
    {.id = ID_EXPORT_PNG, .menu = "File/Import", .text = ".&PNG", .image = 6, .exportFormat = ImageFormat::Png},
    {.id = ID_EXPORT_TIFF, .menu = "File/Import", .text = ".&TIFF", .image = 7, .exportFormat = ImageFormat::Tiff},
    {.id = ID_EXPORT_AT_SIZE,
     .menu = "File",
     .text = "Export at any size...",
     .image = 9,
     .run = &CFaceDlg::OnExportAtSize},
    {.id = ID_EXPORT_ANIMATION,
     .menu = "File",
     .text = "Export &animation...",
     .image = 10,
     .run = &CFaceDlg::OnExportAnimation},
    {.menu = "File"},
    {.id = ID_APP_EXIT, .menu = "File", .text = "&Exit", .run = &CFaceDlg::OnExit, .shortcut = "Ctrl+Q"},
    // The history's commands name the step they take back or again as the stack changes.
    {.id = ID_EDIT_UNDO, .menu = "Edit", .text = "&Undo", .run = &CFaceDlg::OnUndo, .shortcut = "Ctrl+Z"},
    {.id = ID_EDIT_REDO, .menu = "Edit", .text = "&Redo", .run = &CFaceDlg::OnRedo, .shortcut = "Ctrl+Shift+Z; Ctrl+Y"},
    {.menu = "Edit"},
    {.id = ID_EDIT_COPY, .menu = "Edit", .text = "&Copy picture", .run = &CFaceDlg::OnCopy, .shortcut = "Ctrl+C"},
    {.id = ID_ENABLE_SELECTION,
     .menu = "Tools",
     .text = "Enable selection",
     .run = &CFaceDlg::OnEnableSelection,
     .checkable = true,
     .update = &CFaceDlg::OnUpdateEnableSelection},
    {.id = ID_SMOOTH_EDGES, .menu = "View", .text = "Smooth edges", .run = &CFaceDlg::OnSmoothEdges, .checkable = true},
    {.id = ID_APP_ABOUT, .menu = "Help", .text = "&About", .image = 8, .run = &CFaceDlg::OnAbout},
};

}  // namespace

std::span<const MenuCommand> MenuCommands() { return kMenu; }

std::vector<ExportCommand> ExportCommands() {
  std::vector<ExportCommand> exports;
  for (const MenuCommand& command : kMenu)
    if (command.exportFormat) exports.push_back({command.id, command.text, *command.exportFormat});
  return exports;
}

int ExportCommandId(ImageFormat format) {
  for (const MenuCommand& command : kMenu)
    if (command.exportFormat == format) return command.id;
  return 0;
}

MenuToolbar MenuImages() {
  MenuToolbar toolbar;
  toolbar.id = kMenuToolbarId;
  toolbar.strip = MenuImageStrip();
  toolbar.imageSize = kMenuImageSize;
  for (const MenuCommand& command : kMenu) {
    if (command.image < 0) continue;
    const auto place = static_cast<std::size_t>(command.image);
    if (toolbar.commands.size() <= place) toolbar.commands.resize(place + 1, 0);
    toolbar.commands[place] = command.id;
  }
  return toolbar;
}

}  // namespace pelmoro
