// Draws the program's images.
//
//   pelmoro_resource_painter RES_FOLDER
//     the images built into the program, into the res/ folder: the application icon in
//     three sizes, the menu toolbar strip and the check mark;
//   pelmoro_resource_painter --hicolor FOLDER APP_ICON DOCUMENT_ICON SIZE...
//     the icons installed for the desktop, into an icon theme folder: for each size,
//     SIZExSIZE/apps/APP_ICON.png and SIZExSIZE/mimetypes/DOCUMENT_ICON.png; and the
//     scalable icon scalable/apps/APP_ICON.svg.
#include <QDir>
#include <QFile>
#include <QImage>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "res/tools/command_images.h"
#include "res/tools/face_icon.h"

namespace {

using namespace pelmoro::resources;

constexpr int kLargestIcon = 1024;

bool Save(const QImage& image, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SaveScalableIcon(const QString& path) {
  const std::vector<std::uint8_t> svg = DrawScalableFaceIcon();
  QFile file(path);
  const bool written = !svg.empty() && QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
                       file.write(reinterpret_cast<const char*>(svg.data()), static_cast<qint64>(svg.size())) ==
                           static_cast<qint64>(svg.size()) &&
                       file.flush();
  if (!written) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return written;
}

bool DrawBuiltInImages(const QDir& res) {
  bool written = true;
  for (int size : {16, 32, 48})
    written = Save(DrawFaceIcon(size), res.filePath(QStringLiteral("icons/face_%1.png").arg(size))) && written;
  written = Save(DrawCommandStrip(), res.filePath(QStringLiteral("toolbar/128.png"))) && written;
  written = Save(DrawCheckMark(), res.filePath(QStringLiteral("bitmaps/137.png"))) && written;
  return written;
}

std::optional<int> IconSize(std::string_view text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size < 1 || size > kLargestIcon) return std::nullopt;
  return size;
}

bool DrawThemeIcons(const QDir& theme, const QString& appIcon, const QString& documentIcon, int size) {
  const QString folder = QStringLiteral("%1x%1/").arg(size);
  const bool app = Save(DrawFaceIcon(size), theme.filePath(folder + QStringLiteral("apps/") + appIcon + ".png"));
  const bool document =
      Save(DrawDocumentIcon(size), theme.filePath(folder + QStringLiteral("mimetypes/") + documentIcon + ".png"));
  return app && document;
}

int Usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s RES_FOLDER\n"
               "       %s --hicolor FOLDER APP_ICON DOCUMENT_ICON SIZE...\n",
               program, program);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--hicolor") != 0)
    return DrawBuiltInImages(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 2;
  if (argc < 6 || std::strcmp(argv[1], "--hicolor") != 0) return Usage(argv[0]);
  const QDir theme(QString::fromLocal8Bit(argv[2]));
  const QString appIcon = QString::fromLocal8Bit(argv[3]), documentIcon = QString::fromLocal8Bit(argv[4]);
  bool written = SaveScalableIcon(theme.filePath(QStringLiteral("scalable/apps/") + appIcon + ".svg"));
  for (int i = 5; i < argc; ++i) {
    const auto size = IconSize(argv[i]);
    if (!size) {
      std::fprintf(stderr, "not an icon size from 1 to %d: %s\n", kLargestIcon, argv[i]);
      return 1;
    }
    written = DrawThemeIcons(theme, appIcon, documentIcon, *size) && written;
  }
  return written ? 0 : 2;
}
