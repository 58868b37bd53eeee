#include "output/ui/selection_menu.h"

#include "output/ui/export_command.h"
#include "output/ui/selection_tracker.h"

namespace pelmoro {

bool InsideSelectionFrame(const CSelectionTracker* tracker, Point point) {
  if (tracker == nullptr) return false;
  const Rect& r = tracker->m_rect;
  return point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom;
}

std::unique_ptr<QMenu> BuildSelectionMenu(bool loadError, const CSelectionTracker* tracker, Point point,
                                          QWidget* parent) {
  if (loadError) return nullptr;
  auto menu = std::make_unique<QMenu>(parent);
  menu->addAction(QStringLiteral("Change fill type"))->setData(kChangeFillTypeId);
  if (InsideSelectionFrame(tracker, point)) {
    QMenu* save = menu->addMenu(QStringLiteral("Save selection as..."));
    for (const ExportFormatEntry& entry : ExportFormats()) {
      // The menu texts without their keyboard mnemonic: ".BMP", ".GIF", ...
      save->addAction(QString::fromLatin1(entry.menuText).remove(QLatin1Char('&')))->setData(entry.commandId);
    }
  }
  return menu;
}

std::optional<ImageFormat> SelectionExportFormat(int commandId) {
  for (const ExportFormatEntry& entry : ExportFormats()) {
    if (entry.commandId == commandId) return entry.format;
  }
  return std::nullopt;
}

}  // namespace pelmoro
