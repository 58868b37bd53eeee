// The menu commands: New, Open, Save, Exit, About, Enable selection and the picture and
// animation exports.
// A file that cannot be read or written is reported and changes nothing; a document that
// holds wrong values shows the loading error in the preview.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>

#include "app/about_box.h"
#include "app/face_dlg.h"
#include "model/document.h"
#include "model/message_text.h"
#include "output/picture_export.h"
#include "output/ui/animation_command.h"
#include "output/ui/export_command.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "ui_support/user_prompts.h"

namespace pelmoro {

namespace {

FileDialogRequest DocumentDialogRequest(const QString& caption) {
  return {caption, QStringLiteral("Pelmoro file (*.plm)"), QStringLiteral("plm"), StartFolder()};
}

// The path as the file system spells it.
std::string ChosenPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The document a drop brings: one local file named .plm; empty for anything else.
QString DroppedDocument(const QMimeData* dropped) {
  if (dropped == nullptr || !dropped->hasUrls()) return {};
  const QList<QUrl> urls = dropped->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  if (QFileInfo(path).suffix().compare(QStringLiteral("plm"), Qt::CaseInsensitive) != 0) return {};
  return path;
}

}  // namespace

void CFaceDlg::OnNew() {
  RecordStep(QStringLiteral("new face"), [this] {
    m_preview->SetLoadError(false);
    ShowNewFace();
  });
}

void CFaceDlg::ShowNewFace() {
  OnRandomFace();
  FillSettings fill = m_preview->Fill();
  fill.ApplyStartupFill();
  m_preview->SetFill(fill);
  OnUpdateEnableSelection();
}

void CFaceDlg::OnOpen() {
  const QString path = m_prompts->OpenFileName(this, DocumentDialogRequest(QStringLiteral("Open")));
  if (path.isEmpty()) return;
  OpenDocument(path);
}

void CFaceDlg::OpenDocument(const QString& path) {
  CFace face = m_preview->Face();
  FillSettings fill = m_preview->Fill();
  LoadReport report;
  const Status opened = LoadDocument(ChosenPath(path), face, fill, report);
  if (!opened) {
    m_prompts->ShowError(this, QString::fromStdString(opened.message()));
    return;
  }
  FaceState loaded{face, fill, report.LoadError(), QString::fromStdString(report.Describe())};
  if (!loaded.loadError) loaded.loadReason.clear();
  RecordStep(QStringLiteral("open"), [this, &loaded] { ShowState(loaded); });
}

void CFaceDlg::OpenStartDocument(const QString& path) {
  OpenDocument(path);
  m_history->clear();
}

void CFaceDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedDocument(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CFaceDlg::dropEvent(QDropEvent* event) {
  const QString path = DroppedDocument(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenDocument(path);
}

void CFaceDlg::OnSave() {
  const QString path = m_prompts->SaveFileName(this, DocumentDialogRequest(QStringLiteral("Save As")));
  if (path.isEmpty()) return;
  const Status saved = SaveDocument(ChosenPath(path), m_preview->Face(), m_preview->Fill());
  if (!saved) {
    m_prompts->ShowError(this, QString::fromStdString(saved.message()));
    return;
  }
  // A face that failed to load is shown again once it has been saved.
  m_preview->SetLoadError(false);
  OnUpdateEnableSelection();
}

void CFaceDlg::OnExit() { done(QDialog::Accepted); }

void CFaceDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CFaceDlg::OnEnableSelection() { SetSelectionEnabled(!m_bSelectionEnabled); }

void CFaceDlg::SetSelectionEnabled(bool enabled) {
  m_bSelectionEnabled = enabled;
  if (enabled) {
    m_preview->EnableSelection();
  } else {
    m_preview->DisableSelection();
  }
  OnUpdateEnableSelection();
}

// "Enable selection" can be used while the picture shows a face, and is checked while the
// selection is on.
void CFaceDlg::OnUpdateEnableSelection() {
  QAction* selection = Action(ID_ENABLE_SELECTION);
  selection->setEnabled(!m_preview->LoadError());
  selection->setChecked(m_bSelectionEnabled);
}

void CFaceDlg::ExportPicture(ImageFormat format, bool selectionOnly) {
  // The selection entries are offered only while there is a selection.
  if (selectionOnly && !m_preview->HasSelection()) return;
  const QString path = AskExportPath(this, format, *m_prompts);
  if (path.isEmpty()) return;
  std::optional<Rect> frame;
  if (selectionOnly) frame = m_preview->Tracker()->m_rect;
  // A name chosen as WebP, SVG or PDF in the save dialog writes that format; SVG and PDF
  // are drawn from the figures.
  format = ChosenExportFormat(path, format);
  if (IsVectorFormat(format)) {
    ExportOptions options;
    options.format = format;
    options.selection = frame;
    ExportFaceFigures(path, options);
    return;
  }
  // The picture is composed afresh, without the selection layer, once the file is chosen;
  // the window's selection stays where and as it is.
  CMemoryDC picture(CFacePreview::kWidth, CFacePreview::kHeight);
  if (picture.IsValid()) m_preview->RenderPicture(picture);
  ExportPreviewPicture(this, path, picture, format, frame, *m_prompts);
}

void CFaceDlg::ExportFaceFigures(const QString& path, const ExportOptions& options) {
  if (m_preview->LoadError()) {
    m_prompts->ShowError(this, QStringLiteral("Cannot write %1: the picture shows a loading error, not a face")
                                   .arg(QString::fromStdString(QuotedName(path.toStdString()))));
    return;
  }
  ExportFigures(this, path, m_preview->Picture(), options, *m_prompts);
}

void CFaceDlg::OnExportAtSize() {
  CSizeExportDlg dialog(SelectionShown(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto choice = dialog.Choice()) ExportAtSize(*choice);
}

void CFaceDlg::ExportAtSize(const SizedExport& choice) {
  const QString path = AskExportPath(this, choice.format, *m_prompts);
  if (path.isEmpty()) return;
  std::optional<Rect> frame;
  if (SelectionShown()) frame = m_preview->Tracker()->m_rect;
  ExportOptions options = choice.Options(CFacePreview::kWidth, frame);
  options.format = ChosenExportFormat(path, options.format);
  ExportFaceFigures(path, options);
}

void CFaceDlg::OnExportAnimation() {
  if (m_preview->LoadError()) {
    m_prompts->ShowError(this,
                         QStringLiteral("Cannot write an animation: the picture shows a loading error, not a face"));
    return;
  }
  ExportAnimation(this, m_preview->Picture(), m_random, *m_prompts);
}

bool CFaceDlg::SelectionShown() const { return m_preview->HasSelection() && m_preview->IsSelectionShown(); }

void CFaceDlg::OnSmoothEdges() { m_preview->SetSmoothEdges(Action(ID_SMOOTH_EDGES)->isChecked()); }

}  // namespace pelmoro
