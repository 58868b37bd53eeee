// Draws every image of the program's resources into the res/ folder given as argument:
// the application icon in three sizes, the menu toolbar strip and the check mark.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "res/tools/command_images.h"
#include "res/tools/face_icon.h"

namespace {

bool Save(const QImage& image, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <res folder>\n", argv[0]);
    return 1;
  }
  const QDir res(QString::fromLocal8Bit(argv[1]));
  using namespace pelmoro::resources;
  bool written = true;
  for (int size : {16, 32, 48})
    written = Save(DrawFaceIcon(size), res.filePath(QStringLiteral("icons/face_%1.png").arg(size))) && written;
  written = Save(DrawCommandStrip(), res.filePath(QStringLiteral("toolbar/128.png"))) && written;
  written = Save(DrawCheckMark(), res.filePath(QStringLiteral("bitmaps/137.png"))) && written;
  return written ? 0 : 2;
}
