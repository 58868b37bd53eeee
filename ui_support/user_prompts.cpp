#include "ui_support/user_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

namespace pelmoro {

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.caption, request.directory, request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  // A name typed under another filter gets that filter's extension: "SVG (*.svg)" gives svg.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
    const bool first = filter == request.filter.section(QStringLiteral(";;"), 0, 0);
    dialog.setDefaultSuffix(first || star < 0 ? request.defaultSuffix : filter.mid(star + 2, end - star - 2));
  });
  // Saving over an existing file asks first (QFileDialog's default for save dialogs).
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtUserPrompts::OpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtUserPrompts::SaveFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtUserPrompts::ShowError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QStringLiteral("Pelmoro"), message);
}

std::optional<int> QtUserPrompts::AskNumber(QWidget* parent, const NumberRequest& request) {
  bool accepted = false;
  const int number = QInputDialog::getInt(parent, request.caption, request.label, request.value, request.minimum,
                                          request.maximum, 1, &accepted);
  if (!accepted) return std::nullopt;
  return number;
}

UserPrompts& DefaultUserPrompts() {
  static QtUserPrompts prompts;
  return prompts;
}

QString StartFolder() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QFileInfo programInfo(programFolder);
  if (!programFolder.isEmpty() && programInfo.isDir() && programInfo.isWritable()) return programFolder;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

}  // namespace pelmoro
