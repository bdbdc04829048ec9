// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/word_shapes.h"

#include <algorithm>

namespace {

bool IsSeparator(QChar c) { return c == u'/' || c == u'.' || c == u'-' || c == u'_' || c == u'\\'; }

bool IsAddress(QStringView word) {
  const qsizetype at = word.indexOf(u'@');
  return word.contains(u'/') || word.contains(u'\\') || word.startsWith(u"www.", Qt::CaseInsensitive) ||
         (at > 0 && word.indexOf(u'.', at) > at);
}

// "live-config.user", "e.g.": a full stop between letters joins the parts of a name.
bool HasInnerStop(QStringView word) {
  for (qsizetype i = 1; i + 1 < word.size(); ++i)
    if (word[i] == u'.' && word[i - 1].isLetter() && word[i + 1].isLetter()) return true;
  return false;
}

bool InCapitals(QStringView word) {
  int letters = 0;
  for (const QChar c : word) {
    if (!c.isLetter()) continue;
    if (c.isLower()) return false;
    ++letters;
  }
  return letters >= 2;
}

}  // namespace

bool MayHyphenate(QStringView word) {
  const bool digitOrUnderscore =
      std::ranges::any_of(word, [](QChar c) { return c.isDigit() || c == u'_' || c == u'@'; });
  return !digitOrUnderscore && !IsAddress(word) && !HasInnerStop(word) && !InCapitals(word);
}

std::vector<int> AddressBreaks(QStringView word) {
  std::vector<int> breaks;
  if (!IsAddress(word)) return breaks;
  // A break ends a run of separators ("://") and leaves something to read after it.
  qsizetype last = word.size();
  while (last > 0 && !word[last - 1].isLetterOrNumber()) --last;
  for (qsizetype p = 1; p < last; ++p)
    if (IsSeparator(word[p - 1]) && !IsSeparator(word[p])) breaks.push_back(static_cast<int>(p));
  return breaks;
}
