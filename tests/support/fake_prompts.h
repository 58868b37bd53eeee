#pragma once
#include <QString>
#include <vector>

#include "ui_support/user_prompts.h"

namespace pelmoro {

// Answers every file dialog with a prepared path (empty: the user cancels) and every number
// prompt with a prepared number, keeps what each was asked for, and collects the error
// messages instead of showing them.
class FakePrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
  QString SaveFileName(QWidget*, const FileDialogRequest& request) override { return Answer(request); }
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }
  // Answers with `number`, or cancels when it is empty.
  std::optional<int> AskNumber(QWidget*, const NumberRequest& request) override {
    numberRequests.push_back(request);
    return number;
  }

  QString answer;
  std::vector<FileDialogRequest> requests;
  std::vector<QString> errors;
  std::optional<int> number = 10;
  std::vector<NumberRequest> numberRequests;

 private:
  QString Answer(const FileDialogRequest& request) {
    requests.push_back(request);
    return answer;
  }
};

}  // namespace pelmoro
