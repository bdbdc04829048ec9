// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the book layout sets of its own (not the book's) in the book's language: one
// row per language, English for a language without one. A new language is a new row.
#include <QString>
#include <array>
#include <string_view>

struct TPageWords {
  std::string_view language;                   // the primary BCP 47 subtag of the row ("pl")
  std::string_view contents;                   // the contents page's heading
  std::string_view notes;                      // the heading over a chapter's notes
  std::string_view picture;                    // a left-out picture's placeholder: "[Illustration: alt]"
  std::array<std::string_view, 3> titleLines;  // under the book on the title page
  std::string_view chapterLabels;              // words that name a chapter by its number, '|' between them
};

// The row for `language` (BCP 47: "pl", "en-US", "pl_PL"); English when there is none.
const TPageWords& PageWordsOf(std::string_view language);

// Whether `language` (BCP 47) is the language of the primary subtag `primary` ("pl").
bool IsLanguage(std::string_view language, std::string_view primary);

// Whether `title` only names a chapter by its number in any row's language: "III",
// "12.", "Chapter 3", "Rozdział piąty".
bool IsChapterLabel(const QString& title);
