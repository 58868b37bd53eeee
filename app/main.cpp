// Pelmoro: one modal window; the program ends when it closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/face_dlg.h"
#include "app/start_document.h"
#include "app/start_seed.h"
#include "model/termination_cleanup.h"

int main(int argc, char* argv[]) {
  pelmoro::RemoveTemporaryFilesOnTermination();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pelmoro"));
  // Ties the window to the installed launcher entry (its name without ".desktop").
  QGuiApplication::setDesktopFileName(QStringLiteral(PELMORO_APP_ID));
  const pelmoro::StartDocument document = pelmoro::ChooseStartDocument(QCoreApplication::arguments().mid(1));
  if (document.refused) {
    std::fprintf(stderr, "%s\n", pelmoro::kStartUsage);
    return 2;
  }
  // The one seeding of the program's random generator: the time in seconds, unless
  // PELMORO_SEED fixes it.
  const pelmoro::StartSeed start = pelmoro::ChooseStartSeed(std::getenv("PELMORO_SEED"), std::time(nullptr));
  if (!start.problem.empty()) std::fprintf(stderr, "pelmoro: %s\n", start.problem.c_str());
  pelmoro::CFaceDlg dialog(start.seed);
  if (!dialog.IsCreated()) return 1;
  if (!document.path.isEmpty()) dialog.OpenStartDocument(document.path);
  dialog.exec();
  return 0;
}
