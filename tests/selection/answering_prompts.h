#pragma once
#include <QString>
#include <vector>

#include "ui_support/user_prompts.h"

namespace pelmoro {

// Answers the save dialog with a prepared path (empty: the user cancels) and collects the
// error messages instead of showing them.
class AnsweringPrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString SaveFileName(QWidget*, const FileDialogRequest&) override { return answer; }
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }

  QString answer;
  std::vector<QString> errors;
};

}  // namespace pelmoro
