#include "tests/support/qt_files.h"

#include <QFile>

#include "tests/support/test_files.h"

namespace pelmoro {

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::vector<std::uint8_t> ReadBytes(const QString& path) { return testing::ReadBytes(NativePath(path)); }

void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
  testing::WriteBytes(NativePath(path), bytes);
}

}  // namespace pelmoro
