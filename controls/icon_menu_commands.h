#pragma once
#include <QString>

class QAction;

namespace pelmoro {

// Command identifiers of the main window's menu.
namespace menu_command {
inline constexpr int kOpen = 40001;
inline constexpr int kSave = 40002;
inline constexpr int kExit = 40003;
inline constexpr int kAbout = 40004;
inline constexpr int kExportPng = 40006;
inline constexpr int kExportJpg = 40007;
inline constexpr int kExportBmp = 40008;
inline constexpr int kExportTiff = 40009;
inline constexpr int kExportGif = 40010;
inline constexpr int kNew = 40012;
inline constexpr int kEnableSelection = 40017;
}  // namespace menu_command

// The command of a menu item text of the main window ("&New..." gives 40012); 0 for a
// text that is not one of them.
int CommandIdOfMenuText(const QString& text);

// The command of a menu item: its data when that holds a positive number, otherwise the
// command its text names.
int CommandIdOf(const QAction& action);

}  // namespace pelmoro
