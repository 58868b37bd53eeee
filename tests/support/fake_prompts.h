#pragma once
#include <QString>
#include <vector>

#include "ui_support/user_prompts.h"

namespace pelmoro {

// Answers every file dialog with a prepared path (empty: the user cancels), keeps what each
// dialog was asked for, and collects the error messages instead of showing them.
class FakePrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
  QString SaveFileName(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }

  QString answer;
  std::vector<FileDialogRequest> requests;
  std::vector<QString> errors;

 private:
  QString Answer(const FileDialogRequest& request) {
    requests.push_back(request);
    return answer;
  }
};

}  // namespace pelmoro
