#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace pelmoro {

// What a file dialog is asked for: its title, its name filters ("Pelmoro file (*.plm)", or
// several joined by ";;", the first chosen at first), the suffix a typed name without one
// gets under the first filter (under the others, their own extension), and the folder it
// starts in.
struct FileDialogRequest {
  QString caption;
  QString filter;
  QString defaultSuffix;
  QString directory;
};

// What a number prompt asks: its title, the text before the field ("&" before the
// mnemonic), the value it shows at first and the range the number must lie in.
struct NumberRequest {
  QString caption;
  QString label;
  int value = 0;
  int minimum = 0;
  int maximum = 0;
};

// The modal questions and messages the commands show. The program uses the Qt dialogs;
// tests put in their own answers so that no dialog blocks them.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // The chosen file, or an empty string when the user cancelled.
  virtual QString OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  // The chosen file (with the default suffix added to a name typed without one, and the
  // user's consent to overwrite an existing file), or an empty string when cancelled.
  virtual QString SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual void ShowError(QWidget* parent, const QString& message) = 0;
  // The number chosen, within the request's range, or nothing when the user cancelled.
  virtual std::optional<int> AskNumber(QWidget* parent, const NumberRequest& request) = 0;
};

// QFileDialog and QMessageBox.
class QtUserPrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString SaveFileName(QWidget* parent, const FileDialogRequest& request) override;
  void ShowError(QWidget* parent, const QString& message) override;
  std::optional<int> AskNumber(QWidget* parent, const NumberRequest& request) override;
};

// The prompts the program shows by default.
UserPrompts& DefaultUserPrompts();

// The folder file dialogs start in: the program's own folder when the user may write
// there, otherwise the user's documents folder (or home folder when there is none).
QString StartFolder();

}  // namespace pelmoro
