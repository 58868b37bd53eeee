#pragma once
#include <QString>

namespace pelmoro {

// The target of the About box's home link: the README that is installed with the program.
struct ReadmeLink {
  QString url;      // a file: URL of the README; empty when none was found
  QString tooltip;  // the README's path, or why there is no link
  bool found() const { return !url.isEmpty(); }
};

// Looks for README.md in the documentation folder of an installation whose programs are
// in `programFolder`, then beside the program itself (an unpacked archive). A program run
// from its build folder finds neither, and says so.
ReadmeLink FindReadme(const QString& programFolder);

}  // namespace pelmoro
