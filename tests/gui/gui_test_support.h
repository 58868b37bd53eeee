#pragma once
#include <QImage>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ui_support/user_prompts.h"
#include "render/face_picture.h"
#include "slider_geometry.h"

class QSlider;

namespace pelmoro {

class CFaceDlg;

// Answers file dialogs with a prepared path (empty: the user cancels) and collects the
// error messages instead of showing them.
class FakePrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget*, const FileDialogRequest& request) override;
  QString SaveFileName(QWidget*, const FileDialogRequest& request) override;
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }

  QString answer;
  std::vector<FileDialogRequest> requests;
  std::vector<QString> errors;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget);
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int count_ = 0;
};

// A main dialog shown on screen with fake prompts, seeded with a fixed number.
struct ShownDialog {
  explicit ShownDialog(std::uint32_t seed = 1234);
  ~ShownDialog();
  FakePrompts prompts;
  CFaceDlg* dialog;
};

// Waits until the counter has seen more paints than `before`; false after a second.
bool WaitForPaint(const PaintCounter& counter, int before);

// The picture the paint pipeline makes for a face and fill, without selection.
QImage PipelinePicture(const FacePicture& picture);
// What a widget shows, as 32-bit RGB.
QImage Shown(QWidget* widget);

std::vector<std::uint8_t> ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes);

}  // namespace pelmoro
