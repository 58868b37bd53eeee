#pragma once
#include <QString>
#include <QStringList>

namespace pelmoro {

inline constexpr const char* kStartUsage = "usage: pelmoro [FACE.plm]";

// What the command line asks the program to start with.
struct StartDocument {
  QString path;          // the document to open; empty for a new random face
  bool refused = false;  // the arguments are not ones the program takes
};

// Reads the arguments after the program's name (the toolkit's own already taken out): none,
// or the one document to open. "--" ends the options, so a name may start with "-"; every
// other option, an empty name and a second name are refused.
StartDocument ChooseStartDocument(QStringList arguments);

}  // namespace pelmoro
