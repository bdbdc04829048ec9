// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/page_words.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "app/drawing/page_drawing.h"

namespace {

// The first row is the one for a language without a row of its own. The Polish title
// lines are the classic title page's, without its web address.
constexpr TPageWords kRows[] = {
    {"en",
     "Contents",
     "Notes",
     "Illustration",
     {"Pages made by Stronix", "greetings to PSP readers", "Enjoy the book!"},
     "chapter|part|book|canto|volume"},
    {"pl",
     "Spis treści",
     "Przypisy",
     "Ilustracja",
     {kTitleToolLines[0], kTitleToolLines[2], kTitleToolLines[3]},
     "rozdział|część|księga|pieśń|tom"},
};

QRegularExpression ChapterLabelPattern() {
  QString labels;
  for (const TPageWords& row : kRows)
    labels += (labels.isEmpty() ? "" : "|") + QString::fromUtf8(row.chapterLabels);
  // A number, a Roman one, or a label with one word after it ("Chapter One").
  return QRegularExpression(
      "^(?:\\d+|(?-i:[IVXLCDM]+)|(?:" + labels + ")\\s+\\S+)[.:]?$",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

}  // namespace

bool IsLanguage(std::string_view language, std::string_view primary) {
  const std::string_view subtag = language.substr(0, language.find_first_of("-_"));
  return std::ranges::equal(subtag, primary, [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

const TPageWords& PageWordsOf(std::string_view language) {
  const auto row =
      std::ranges::find_if(kRows, [&](const TPageWords& r) { return IsLanguage(language, r.language); });
  return row == std::end(kRows) ? kRows[0] : *row;
}

bool IsChapterLabel(const QString& title) {
  static const QRegularExpression pattern = ChapterLabelPattern();
  return pattern.match(title.trimmed()).hasMatch();
}
