// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/text_document.h"

#include "app/layout/line_list.h"
#include "app/text/code_page.h"

document::TDocument DocumentOfClassicText(std::string_view text, TFontScript script) {
  using document::TBlockKind;
  document::TDocument book;
  const TCodePage& codePage = CodePageOf(script);
  bool chapterOpen = false;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // CR LF leaves an empty line between, which is skipped like every blank line.
    if (line == kChapterMark) {
      book.blocks.emplace_back().kind = TBlockKind::ChapterStart;
      chapterOpen = true;
      continue;
    }
    const std::string utf8 = codePage.Decode(line).trimmed().toStdString();
    if (utf8.empty()) continue;
    document::TBlock& block = book.blocks.emplace_back();
    block.kind = chapterOpen ? TBlockKind::Heading : TBlockKind::Paragraph;
    block.level = chapterOpen ? 1 : 0;
    block.runs.push_back({utf8});
    chapterOpen = false;
  }
  return book;
}
