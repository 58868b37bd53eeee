// The Edit menu: the history of the face (every step the user takes on the face record or
// the fill, Undo and Redo) and Copy picture.
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSlider>
#include <QUndoStack>

#include "app/face_dlg.h"
#include "output/picture_export.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "ui_support/qt_bridge.h"
#include "ui_support/user_prompts.h"

namespace pelmoro {

FaceState CFaceDlg::CurrentState() const {
  return {m_preview->Face(), m_preview->Fill(), m_preview->LoadError(),
          m_preview->LoadError() ? m_preview->toolTip() : QString()};
}

// The selection, its mode and the animation stay as they are; only a loading error takes
// the selection away, as opening such a document does.
void CFaceDlg::ShowState(const FaceState& state) {
  ++m_stepDepth;
  m_preview->SetFace(state.face);
  m_preview->SetFill(state.fill);
  m_preview->SetLoadError(state.loadError, state.loadReason);
  if (state.loadError) {
    SetSelectionEnabled(false);
  } else {
    UpdateControlsFromFace();
  }
  OnUpdateEnableSelection();
  --m_stepDepth;
  m_openSlider = -1;
}

void CFaceDlg::RecordStep(const QString& name, const std::function<void()>& change, int mergeKey, bool continues) {
  if (m_stepDepth > 0) {
    change();
    return;
  }
  const FaceState before = CurrentState();
  ++m_stepDepth;
  change();
  --m_stepDepth;
  PushStep(name, before, mergeKey, continues);
}

void CFaceDlg::PushStep(const QString& name, const FaceState& before, int mergeKey, bool continues) {
  if (mergeKey < 0) m_openSlider = -1;
  FaceState after = CurrentState();
  if (after == before) return;
  m_history->push(new FaceStepCommand(
      name, before, std::move(after), [this](const FaceState& state) { ShowState(state); }, mergeKey, continues));
}

void CFaceDlg::UpdateHistoryCommands() {
  const auto named = [](const char* command, const QString& step) {
    return step.isEmpty() ? QString::fromLatin1(command) : QString::fromLatin1(command) + QLatin1Char(' ') + step;
  };
  QAction* undo = Action(ID_EDIT_UNDO);
  undo->setText(named("&Undo", m_history->undoText()));
  undo->setEnabled(m_history->canUndo());
  QAction* redo = Action(ID_EDIT_REDO);
  redo->setText(named("&Redo", m_history->redoText()));
  redo->setEnabled(m_history->canRedo());
}

void CFaceDlg::OnUndo() { m_history->undo(); }

void CFaceDlg::OnRedo() { m_history->redo(); }

bool CFaceDlg::eventFilter(QObject* watched, QEvent* event) {
  const bool endsBurst = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusOut;
  if (endsBurst && m_openSlider >= 0 && watched == m_sliders[m_openSlider]) m_openSlider = -1;
  return QDialog::eventFilter(watched, event);
}

// The picture as the window shows it, without the selection frame, or the inside of the
// frame while one is shown; as figures too while the picture shows a face.
void CFaceDlg::OnCopy() {
  CMemoryDC picture(CFacePreview::kWidth, CFacePreview::kHeight);
  if (!picture.IsValid()) {
    m_prompts->ShowError(this, QStringLiteral("Cannot copy the picture: not enough memory for it"));
    return;
  }
  m_preview->RenderPicture(picture);
  QImage image = WrapSurface(picture);
  std::optional<Rect> frame;
  if (SelectionShown()) {
    frame = m_preview->Tracker()->m_rect;
    const std::optional<Rect> inside = InsideOfFrame(*frame, picture.Width(), picture.Height());
    if (!inside) {
      m_prompts->ShowError(this, QStringLiteral("Cannot copy the picture: the selection holds no pixels"));
      return;
    }
    image = image.copy(inside->left, inside->top, inside->right - inside->left, inside->bottom - inside->top);
  } else {
    image = image.copy();
  }
  auto* clip = new QMimeData;
  clip->setImageData(image);
  if (!m_preview->LoadError()) {
    ExportOptions options;
    options.format = ImageFormat::Svg;
    options.selection = frame;
    std::vector<std::uint8_t> svg;
    if (EncodePicture(m_preview->Picture(), options, svg))
      clip->setData(QStringLiteral("image/svg+xml"),
                    QByteArray(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size())));
  }
  QGuiApplication::clipboard()->setMimeData(clip);
}

}  // namespace pelmoro
