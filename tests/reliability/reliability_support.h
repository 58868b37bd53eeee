#pragma once
#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/qt_files.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/slider_geometry.h"

class QSlider;
class QWidget;

namespace pelmoro {

class CFaceDlg;

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
