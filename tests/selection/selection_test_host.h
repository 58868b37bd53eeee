#pragma once
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <list>
#include <memory>
#include <vector>

#include "output/ui/selection_block.h"
#include "output/ui/selection_controller.h"
#include "render/face_picture.h"

namespace pelmoro {

// A 224 x 192 picture window with a selection, wired to the selection's mouse handling the
// way the program's preview is: paint through the pipeline with the blocks and the frame
// on top, mouse events to the controller.
class SelectionTestHost : public QWidget, public SelectionHost, private SelectionLayer {
 public:
  SelectionTestHost();

  // One block at (50, 50, 100, 100) with its frame, shown.
  void EnableSelection();
  CSelectionTracker* Tracker() { return tracker.get(); }
  const Rect& BlockRect() const { return blocks.front()->m_rcBlock; }
  // What the window shows, as 32-bit RGB.
  QImage Shown();

  QWidget* HostWidget() override { return this; }
  std::list<std::unique_ptr<CBlock>>& Blocks() override { return blocks; }
  std::unique_ptr<CSelectionTracker>& TrackerSlot() override { return tracker; }
  bool HasLoadError() const override { return loadError; }
  FillSettings& FillToEdit() override { return picture.m_fill; }
  void ExportSelection(ImageFormat format) override { exported.push_back(format); }

  FacePicture picture;
  bool loadError = false;
  bool selectionShown = false;
  std::vector<ImageFormat> exported;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Draw(Surface& surface) const override;

  std::list<std::unique_ptr<CBlock>> blocks;
  std::unique_ptr<CSelectionTracker> tracker;

 public:
  SelectionController controller{*this};
};

inline Point ToPoint(const QPoint& p) { return {p.x(), p.y()}; }

}  // namespace pelmoro
