#include "gui_test_support.h"

#include <QEvent>
#include <QFile>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>

#include "app/face_dlg.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

QString FakePrompts::OpenFileName(QWidget*, const FileDialogRequest& request) {
  requests.push_back(request);
  return answer;
}

QString FakePrompts::SaveFileName(QWidget*, const FileDialogRequest& request) {
  requests.push_back(request);
  return answer;
}

PaintCounter::PaintCounter(QWidget* widget) { widget->installEventFilter(this); }

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++count_;
  return false;
}

ShownDialog::ShownDialog(std::uint32_t seed) : dialog(new CFaceDlg(seed)) {
  dialog->SetUserPrompts(prompts);
  dialog->show();
  (void)QTest::qWaitForWindowExposed(dialog);
}

ShownDialog::~ShownDialog() { delete dialog; }

bool WaitForPaint(const PaintCounter& counter, int before) {
  return QTest::qWaitFor([&] { return counter.count() > before; }, 1000);
}

QImage PipelinePicture(const FacePicture& picture) {
  FacePicture copy = picture;
  CMemoryDC dc(FacePicture::kWidth, FacePicture::kHeight);
  copy.Paint(dc);
  return WrapSurface(dc).copy();
}

QImage Shown(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

std::vector<std::uint8_t> ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

}  // namespace pelmoro
