// Pelmoro: one modal window; the program ends when it closes.
#include <QApplication>
#include <ctime>

#include "app/face_dlg.h"
#include "model/termination_cleanup.h"

int main(int argc, char* argv[]) {
  pelmoro::RemoveTemporaryFilesOnTermination();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pelmoro"));
  // The one seeding of the program's random generator: the time in seconds.
  pelmoro::CFaceDlg dialog(static_cast<std::uint32_t>(std::time(nullptr)));
  if (!dialog.IsCreated()) return 1;
  dialog.exec();
  return 0;
}
