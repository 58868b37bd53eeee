#pragma once
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include "model/fill_settings.h"
#include "output/image.h"
#include "output/selection_model.h"
#include "output/ui/export_command.h"
#include "output/ui/selection_size_tip.h"

class QWidget;

namespace pelmoro {

// What the selection's mouse handling needs of the preview window: the window itself, its
// selection, whether the loading error is shown, its fill (a new one repaints), and the
// export of the selected part.
class SelectionHost {
 public:
  virtual ~SelectionHost() = default;
  virtual QWidget* HostWidget() = 0;
  virtual SelectionModel& Model() = 0;
  virtual bool HasLoadError() const = 0;
  virtual const FillSettings& Fill() const = 0;
  virtual void SetFill(const FillSettings& fill) = 0;
  // Takes the fill the user chose in the fill type dialog.
  virtual void ChooseFill(const FillSettings& fill) { SetFill(fill); }
  // Asks for a file and writes the part of the picture inside the selection frame.
  virtual void ExportSelection(ImageFormat format) = 0;
};

// The preview's mouse handling for the selection: the left button's presses, moves and
// releases passed to the selection model, the cursor over the frame, the size tooltip
// during a drag, and the context menu. The preview calls it from its event handlers;
// calls that return false leave the event to the preview's default handling.
class SelectionController : private SelectionOwner {
 public:
  explicit SelectionController(SelectionHost& host);
  ~SelectionController() override;

  // Left button pressed: starts moving or resizing the block whose frame is under the
  // point. False when no block was hit (or there is none).
  bool OnLeftButtonDown(Point point);
  // The mouse moved: drags while a drag runs (the left button still down), otherwise
  // shows the frame's cursor and lets the size tooltip follow.
  void OnMouseMove(Point point, bool leftButtonDown);
  // Left button released: ends a drag and keeps the frame's new rectangle in its block.
  void OnLeftButtonUp(Point point);
  // Escape during a drag: the frame goes back where it was and the size tooltip away. False
  // when no drag was running.
  bool CancelDrag();
  // Takes the size tooltip off the screen until the next drag shows it (a menu opens).
  void HideSizeTip() { m_sizeTip.Hide(); }
  // Right button pressed: the context menu and its command. False while the loading error
  // is shown (no menu, and the event goes no further).
  bool OnRightButtonDown(Point point, const QPoint& globalPoint);
  // Carries out a context menu command: the fill type dialog or a selection export.
  void RunMenuCommand(int commandId);
  // The export commands "Save selection as..." offers; none until they are given.
  void SetExportCommands(std::vector<ExportCommand> commands) { m_exportCommands = std::move(commands); }

  bool IsTracking() const;
  const CSizeInfo* SizeInfo() const { return m_pSizeInfo.get(); }
  const SelectionSizeTip& SizeTip() const { return m_sizeTip; }

 private:
  // SelectionOwner: what the tracker reports during a drag.
  Point CursorPos() const override { return m_ptCursor; }
  void OnShowSelSize(std::unique_ptr<CSizeInfo> info) override;
  void OnHideSelSize() override;

  // The cursor of the frame part under the point; the window's own cursor elsewhere.
  void UpdateCursor(Point point);
  void RelayToSizeTip(Point point, bool buttonEvent);
  void Repaint();

  SelectionHost& m_host;
  std::vector<ExportCommand> m_exportCommands;
  Point m_ptCursor;
  std::unique_ptr<CSizeInfo> m_pSizeInfo;
  SelectionSizeTip m_sizeTip;
};

// "width,height" of the rectangle, both as absolute values.
QString SelectionSizeText(const Rect& rect);

}  // namespace pelmoro
