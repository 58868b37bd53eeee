#pragma once
#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/gui/slider_geometry.h"
#include "ui_support/user_prompts.h"

class QSlider;
class QWidget;

namespace pelmoro {

class CFaceDlg;

// Answers every file dialog with a prepared path (empty: the user cancels) and collects
// the error messages instead of showing them.
class ScriptedPrompts : public UserPrompts {
 public:
  QString OpenFileName(QWidget*, const FileDialogRequest&) override { return answer; }
  QString SaveFileName(QWidget*, const FileDialogRequest&) override { return answer; }
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }

  QString answer;
  std::vector<QString> errors;
};

// A main dialog on screen, with scripted prompts and a fixed seed.
struct DialogOnScreen {
  explicit DialogOnScreen(std::uint32_t seed = 4321);
  ~DialogOnScreen();
  ScriptedPrompts prompts;
  CFaceDlg* dialog;
};

// The path as the file system spells it (UTF-8 bytes).
std::string NativePath(const QString& path);

std::vector<std::uint8_t> FileBytes(const QString& path);
void PutFileBytes(const QString& path, const std::vector<std::uint8_t>& bytes);
// The names in a folder, without "." and "..".
std::vector<std::string> FolderEntries(const QString& folder);

// Bytes this process has read through read() and similar calls so far (/proc/self/io).
std::uint64_t BytesReadByProcess();
// Resident memory of the process, in bytes (/proc/self/statm), and the part of it that is
// not mapped from files (RssAnon in /proc/self/status): the heap, stacks and other
// private memory, without library pages that are read in on first use.
std::size_t ResidentBytes();
std::size_t AnonymousResidentBytes();

// True when slider, lists and record agree: each slider shows its parameter (held to the
// slider's range) and each list the item for its value.
::testing::AssertionResult ControlsShowTheRecord(CFaceDlg& dialog);

}  // namespace pelmoro
