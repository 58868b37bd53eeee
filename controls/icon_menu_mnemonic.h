#pragma once
#include <QChar>
#include <QStringList>

namespace pelmoro {

// What a typed character does in an open menu.
struct MenuCharResult {
  enum Action { kNone, kExecute, kSelect };
  Action action = kNone;
  int position = -1;  // the item to execute or select
};

// The item of a menu that a typed character picks, given the items' texts in menu order
// (separators as empty texts) and the position of the highlighted item (-1 for none).
// An item answers to the character after the first "&" in its text that is not part of
// an "&&" pair (which shows an ampersand), compared without regard to case. A character no item answers to does
// nothing; a character exactly one item answers to executes it; a character several items answer to selects the first
// of them after the highlighted item, or the first of all when none lies after it.
MenuCharResult OnMenuChar(QChar typed, const QStringList& texts, int highlighted);

}  // namespace pelmoro
