#include "output/ui/selection_menu.h"

#include "output/selection_tracker.h"
#include "output/ui/export_command.h"

namespace pelmoro {

bool InsideSelectionFrame(const CSelectionTracker* tracker, Point point) {
  return tracker != nullptr && tracker->m_rect.Contains(point);
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
