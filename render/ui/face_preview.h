#pragma once
#include <QString>
#include <QTimer>
#include <QWidget>

class QPainter;

#include "output/selection_model.h"
#include "output/ui/selection_controller.h"
#include "render/face_picture.h"

namespace pelmoro {

class CMemoryDC;
class CRandom;

// The window the face is drawn in, exactly 224 x 192 pixels. It owns the one face record,
// the background fill, the animation poses and the selection. Every repaint composes the
// whole picture off screen and copies it to the window in one step, so nothing flickers.
// On a screen of more device pixels than logical ones, each picture pixel shows as a sharp
// block of device pixels; with smooth edges on, the vector surface draws the picture at the
// screen's own resolution instead. Either way the mouse works in picture pixels.
class CFacePreview : public QWidget, private SelectionHost {
  Q_OBJECT

 public:
  static constexpr int kWidth = FacePicture::kWidth;
  static constexpr int kHeight = FacePicture::kHeight;
  static constexpr const char* kLoadErrorText = "Loading error !";

  // The animation draws its random numbers from `random`, the program's one generator.
  explicit CFacePreview(CRandom& random, QWidget* parent = nullptr);
  ~CFacePreview() override;

  const CFace& Face() const { return m_picture.m_face; }
  const FillSettings& Fill() const override { return m_picture.m_fill; }
  const FacePicture& Picture() const { return m_picture; }
  // Take a new face record or background fill and repaint.
  void SetFace(const CFace& face);
  void SetFill(const FillSettings& fill) override;

  // While set, the window shows "Loading error !" on white instead of the face.
  // `reason` (shown as the window's tooltip) says what was wrong with the file.
  bool LoadError() const { return m_bLoadError; }
  void SetLoadError(bool failed, const QString& reason = QString());

  // Composes the picture the window shows, without the selection layer, into a surface of
  // kWidth x kHeight pixels: what an export writes.
  void RenderPicture(CMemoryDC& dc);

  // Selection: one rectangle block with its tracker frame, drawn over the face while shown
  // (the selection model's operations, with a repaint where the picture changes).
  void EnableSelection();
  void DisableSelection();
  void ClearSelection() { m_selectionModel.Clear(); }
  bool HasSelection() const { return m_selectionModel.HasSelection(); }
  void HideSelection();
  void ShowSelection();
  void RememberSelection() { m_selectionModel.Remember(); }
  void RestoreSelection();
  bool IsSelectionShown() const { return m_selectionModel.IsShown(); }
  CSelectionTracker* Tracker() const { return m_selectionModel.Tracker(); }
  const Rect& SavedSelection() const { return m_selectionModel.Saved(); }
  // The selection's mouse handling, size tooltip and context menu.
  SelectionController& Selection() { return m_selection; }

  // Whether the picture is drawn with smooth edges (off at first).
  bool SmoothEdges() const { return m_bSmoothEdges; }
  void SetSmoothEdges(bool on);

  // Animation: a random pose change at random intervals until stopped; stopping puts the
  // face back into its rest poses.
  void StartAnimation();
  void StopAnimation();
  bool IsAnimating() const { return m_animationTimer.isActive(); }

 signals:
  // "Save selection as..." was chosen in the context menu; the main window asks for the file.
  void selectionExportRequested(pelmoro::ImageFormat format);
  // The fill type dialog's OK changed the fill, which was `before`.
  void fillChosen(const pelmoro::FillSettings& before);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The selection's dragging, cursors, size tooltip and the context menu.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Compose(CMemoryDC& dc, bool withSelection);
  // Draws the picture with its selection layer smooth at the screen's resolution; false when
  // it cannot (no memory for the pixels).
  bool PaintSmooth(QPainter& painter);
  void ComposeLoadError(CMemoryDC& dc) const;
  void OnAnimationTimer();
  // SelectionHost: what the selection's mouse handling works on.
  QWidget* HostWidget() override { return this; }
  SelectionModel& Model() override { return m_selectionModel; }
  bool HasLoadError() const override { return m_bLoadError; }
  void ExportSelection(ImageFormat format) override { emit selectionExportRequested(format); }
  void ChooseFill(const FillSettings& fill) override;

  CRandom& m_random;
  FacePicture m_picture;
  bool m_bLoadError = false;
  bool m_bSmoothEdges = false;
  SelectionModel m_selectionModel;
  QTimer m_animationTimer;
  SelectionController m_selection{*this};
};

}  // namespace pelmoro
