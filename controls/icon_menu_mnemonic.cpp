#include "controls/icon_menu_mnemonic.h"

#include <vector>

namespace pelmoro {

namespace {

// The character after the first single "&"; "&&" shows an ampersand and marks nothing.
QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1];
    ++i;
  }
  return QChar();
}

bool AnswersTo(const QString& text, QChar typed) {
  const QChar mnemonic = MnemonicOf(text);
  return !mnemonic.isNull() && mnemonic.toUpper() == typed.toUpper();
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
