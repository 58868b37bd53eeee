#include "controls/icon_menu_commands.h"

#include <QAction>
#include <array>
#include <utility>

namespace pelmoro {

namespace {

using namespace menu_command;

constexpr std::array<std::pair<const char*, int>, 11> kMenuTexts{{
    {"&New...", kNew},
    {"&Open...", kOpen},
    {"&Save...", kSave},
    {".&BMP", kExportBmp},
    {".&GIF", kExportGif},
    {".&JPG", kExportJpg},
    {".&PNG", kExportPng},
    {".&TIFF", kExportTiff},
    {"&Exit", kExit},
    {"Enable selection", kEnableSelection},
    {"&About", kAbout},
}};

}  // namespace

int CommandIdOfMenuText(const QString& text) {
  for (const auto& [menuText, id] : kMenuTexts)
    if (text == QLatin1String(menuText)) return id;
  return 0;
}

int CommandIdOf(const QAction& action) {
  bool isNumber = false;
  const int id = action.data().toInt(&isNumber);
  return isNumber && id > 0 ? id : CommandIdOfMenuText(action.text());
}

}  // namespace pelmoro
