#include "controls/icon_menu_mnemonic.h"

#include <vector>

namespace pelmoro {

namespace {

bool AnswersTo(const QString& text, QChar typed) {
  const qsizetype marker = text.indexOf(u'&');
  return marker >= 0 && marker + 1 < text.size() && text[marker + 1].toUpper() == typed.toUpper();
}

}  // namespace

MenuCharResult OnMenuChar(QChar typed, const QStringList& texts, int highlighted) {
  std::vector<int> matches;
  for (int i = 0; i < texts.size(); ++i)
    if (AnswersTo(texts[i], typed)) matches.push_back(i);

  if (matches.empty()) return {};
  if (matches.size() == 1) return {MenuCharResult::kExecute, matches.front()};
  for (int position : matches)
    if (position > highlighted) return {MenuCharResult::kSelect, position};
  return {MenuCharResult::kSelect, matches.front()};
}

}  // namespace pelmoro
