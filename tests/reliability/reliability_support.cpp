#include "reliability_support.h"

#include <dirent.h>
#include <unistd.h>

#include <QComboBox>
#include <QFile>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/face_dlg.h"
#include "app/list_mapping.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

std::vector<std::string> FolderEntries(const QString& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(NativePath(folder).c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::uint64_t BytesReadByProcess() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return 0;
}

std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t total = 0;
  std::size_t resident = 0;
  statm >> total >> resident;
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t AnonymousResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("RssAnon:", 0) == 0) return std::stoull(line.substr(8)) * 1024;  // "RssAnon:  4712 kB"
  }
  return 0;
}

::testing::AssertionResult ControlsShowTheRecord(CFaceDlg& dialog) {
  const CFace& face = dialog.Preview().Face();
  std::ostringstream wrong;
  for (int i = 0; i < CFaceDlg::kSliderCount; ++i) {
    const QSlider* slider = dialog.Slider(i);
    const int shown = std::clamp(face.SliderParameter(i), slider->minimum(), slider->maximum());
    if (slider->value() != shown)
      wrong << " slider " << i << " shows " << slider->value() << " for " << face.SliderParameter(i) << ";";
  }
  const auto checkList = [&wrong](const QComboBox* list, const char* name, const char* expected) {
    if (list->currentText() != QString::fromLatin1(expected))
      wrong << " " << name << " list shows \"" << list->currentText().toStdString() << "\" instead of \"" << expected
            << "\";";
  };
  checkList(dialog.FaceTypeList(), "face type", FaceTypeItemText(face.faceType));
  checkList(dialog.GlassesList(), "glasses", GlassesItemText(face.glasses));
  checkList(dialog.MustacheList(), "mustache", MustacheItemText(face.mustache));
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "controls and record disagree:" << wrong.str();
}

}  // namespace pelmoro
