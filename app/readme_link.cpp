#include "app/readme_link.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef PELMORO_DOC_DIR_FROM_BIN_DIR
#error "PELMORO_DOC_DIR_FROM_BIN_DIR (the documentation folder relative to the programs' folder) comes from the build"
#endif

namespace pelmoro {

namespace {

constexpr const char* kReadmeName = "README.md";

}  // namespace

ReadmeLink FindReadme(const QString& programFolder) {
  const QDir programs(programFolder);
  const QString candidates[] = {
      QDir::cleanPath(programs.filePath(QStringLiteral(PELMORO_DOC_DIR_FROM_BIN_DIR "/") + kReadmeName)),
      QDir::cleanPath(programs.filePath(QString::fromLatin1(kReadmeName))),
  };
  for (const QString& path : candidates) {
    if (QFileInfo(path).isFile()) return {QUrl::fromLocalFile(path).toString(), path};
  }
  return {QString(), QStringLiteral("The README is not installed with this copy of Pelmoro: there is no %1 and no %2")
                         .arg(candidates[0], candidates[1])};
}

}  // namespace pelmoro
