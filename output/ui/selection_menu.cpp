#include "output/ui/selection_menu.h"

#include "output/selection_tracker.h"
#include "output/ui/export_command.h"

namespace pelmoro {

bool InsideSelectionFrame(const CSelectionTracker* tracker, Point point) {
  return tracker != nullptr && tracker->m_rect.Contains(point);
}

std::unique_ptr<QMenu> BuildSelectionMenu(bool loadError, const CSelectionTracker* tracker, Point point,
                                          std::span<const ExportCommand> exports, QWidget* parent) {
  if (loadError) return nullptr;
  auto menu = std::make_unique<QMenu>(parent);
  menu->addAction(QStringLiteral("Change fill type"))->setData(kChangeFillTypeId);
  if (InsideSelectionFrame(tracker, point)) {
    QMenu* save = menu->addMenu(QStringLiteral("Save selection as..."));
    for (const ExportCommand& command : exports) {
      // The menu texts without their keyboard mnemonic: ".BMP", ".GIF", ...
      save->addAction(QString::fromLatin1(command.menuText).remove(QLatin1Char('&')))->setData(command.commandId);
    }
  }
  return menu;
}

std::optional<ImageFormat> SelectionExportFormat(int commandId, std::span<const ExportCommand> exports) {
  for (const ExportCommand& command : exports) {
    if (command.commandId == commandId) return command.format;
  }
  return std::nullopt;
}

}  // namespace pelmoro
