#pragma once
#include <QMenu>
#include <memory>
#include <optional>
#include <span>

#include "output/image.h"
#include "output/ui/export_command.h"
#include "render/geometry.h"

namespace pelmoro {

class CSelectionTracker;

// Command identifiers of the preview's context menu; the export entries share theirs
// with the main menu's export commands.
constexpr int kChangeFillTypeId = 446;

// True when the point lies inside the tracker's rectangle, left and top inclusive, right
// and bottom exclusive; false without a tracker.
bool InsideSelectionFrame(const CSelectionTracker* tracker, Point point);

// The preview's context menu for a right click at `point`: "Change fill type" always, and
// the submenu "Save selection as..." with the export commands (their texts without the
// mnemonic) when the click lies inside the selection frame. No menu at all while the
// loading error is shown. Each entry carries its command identifier as data.
std::unique_ptr<QMenu> BuildSelectionMenu(bool loadError, const CSelectionTracker* tracker, Point point,
                                          std::span<const ExportCommand> exports, QWidget* parent = nullptr);

// The picture format an export command writes; nothing for other commands.
std::optional<ImageFormat> SelectionExportFormat(int commandId, std::span<const ExportCommand> exports);

}  // namespace pelmoro
