// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small structured books built by hand for the book layout's tests.
#include <memory>
#include <string>
#include <vector>

#include "app/document/document.h"
#include "app/pictures/book_pictures.h"
#include "app/typeset/typeset_page.h"
#include "pictures/picture_fixtures.h"

namespace fixture {

using document::TBlockKind;

inline document::TBlock Block(TBlockKind kind, std::vector<document::TRun> runs, int level = 0,
                              std::string marker = {}) {
  document::TBlock block;
  block.kind = kind;
  block.level = level;
  block.marker = std::move(marker);
  block.runs = std::move(runs);
  return block;
}

inline document::TBlock Text(TBlockKind kind, const std::string& text, int level = 0,
                             std::string marker = {}) {
  return Block(kind, {{text}}, level, std::move(marker));
}

// A paragraph of `words` words from a fixed Latin-letter vocabulary, varied by `seed`.
inline std::string Words(int words, int seed = 0) {
  static const char* const kVocabulary[] = {"the",   "reader", "turned", "another", "page",    "of",
                                            "a",     "long",   "winter", "evening", "while",   "snow",
                                            "fell",  "slowly", "over",   "quiet",   "houses",  "and",
                                            "lamps", "burned", "behind", "frosted", "windows", "just"};
  std::string text;
  for (int i = 0; i < words; ++i) {
    if (i) text += ' ';
    text += kVocabulary[(i * 7 + seed * 3 + i / 5) % std::size(kVocabulary)];
  }
  return text + ".";
}

// Three chapters of a dozen paragraphs each, long enough to fill several pages.
inline document::TDocument Novel() {
  document::TDocument book;
  book.title = "A Winter Evening";
  book.authors = {"Anna Nowak"};
  book.language = "en-US";
  for (int chapter = 1; chapter <= 3; ++chapter) {
    book.blocks.push_back(Text(TBlockKind::ChapterStart, "Chapter " + std::to_string(chapter)));
    for (int paragraph = 0; paragraph < 12; ++paragraph)
      book.blocks.push_back(Text(TBlockKind::Paragraph, Words(40 + paragraph * 3, chapter * 10 + paragraph)));
    book.blocks.push_back(Text(TBlockKind::Heading, "An interlude", 2));
    book.blocks.push_back(Text(TBlockKind::Paragraph, Words(60, chapter)));
  }
  return book;
}

// One of each kind of block, in two chapters.
inline document::TDocument Sampler() {
  document::TDocument book;
  book.blocks = {
      Text(TBlockKind::ChapterStart, "One"),
      Block(TBlockKind::Paragraph, {{"A claim"},
                                    {"1", document::kNoteReference},
                                    {" and "},
                                    {"bold", document::kBold},
                                    {" and "},
                                    {"slanted", document::kItalic},
                                    {"."}}),
      Text(TBlockKind::ListItem, Words(30), 1, "•"),
      Text(TBlockKind::ListItem, "Nested", 2, "2."),
      Text(TBlockKind::Quote, Words(40, 3), 1),
      Text(TBlockKind::Preformatted, "int main() {\n\treturn 0;  // done\n}\n" + std::string(90, 'x')),
      Text(TBlockKind::Note, "The note's text.", 0, "1"),
      Text(TBlockKind::Break, ""),
      Text(TBlockKind::Paragraph, Words(12)),
      Text(TBlockKind::ChapterStart, "Two"),
      Text(TBlockKind::Paragraph, Words(12)),
  };
  document::TBlock table;
  table.kind = TBlockKind::Table;
  table.rows = {
      {{{{"Name"}}, true}, {{{"Size"}}, true}}, {{{{"disk"}}}, {{{"20 GB"}}}}, {{{{"card"}}}, {{{"2 GB"}}}}};
  book.blocks.insert(book.blocks.begin() + 6, table);
  document::TBlock wide = table;
  wide.rows[1][0].runs[0].text = Words(25);
  book.blocks.insert(book.blocks.begin() + 7, wide);
  return book;
}

// The pictures of a book that has only its cover, "cover.png", a colourful picture of
// `width` × `height`.
inline pictures::TBookPictures CoverPictures(int width, int height) {
  class TCover final : public pictures::TPictureSource {
  public:
    explicit TCover(std::string png) : png_(std::move(png)) {}
    std::optional<std::string> Read(const std::string& source) override {
      return source == "cover.png" ? std::optional(png_) : std::nullopt;
    }

  private:
    std::string png_;
  };
  return pictures::TBookPictures(std::make_unique<TCover>(PngBytes(width, height)));
}

inline std::vector<const TTypesetLine*> TextLines(const TTypesetBook& book) {
  std::vector<const TTypesetLine*> lines;
  for (const auto& page : book.pages)
    if (page.kind == TPageKind::Text)
      for (const auto& line : page.lines) lines.push_back(&line);
  return lines;
}

}  // namespace fixture
