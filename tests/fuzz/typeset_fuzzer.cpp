// SPDX-License-Identifier: GPL-3.0-or-later
// The book layout on any structured book: blocks of any kind and depth holding any text
// (invalid UTF-8, controls, soft hyphens, right-to-left and CJK text, huge words), set
// with any margin, font size and language, the first text page drawn. The pages must be
// numbered 1 … N in their footers and none may be blank.
// Input: margin, font height, options, then blocks: a kind byte, a level byte and text up
// to a NUL byte; style bytes split a block's text into runs (any byte below 0x08).
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/drawing/page_drawing.h"
#include "app/layout/text_box.h"
#include "app/typeset/book_typesetter.h"
#include "app/typeset/typeset_drawing.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr std::size_t kSettingBytes = 3;
constexpr std::size_t kMaxFuzzedBytes = 8192;
constexpr const char* kLanguages[] = {"", "pl", "en-US", "xx"};

document::TDocument BookOf(const std::uint8_t* data, std::size_t size, const char* language) {
  document::TDocument book;
  book.language = language;
  for (std::size_t at = 0; at + 2 <= size;) {
    document::TBlock& block = book.blocks.emplace_back();
    block.kind = static_cast<document::TBlockKind>(data[at] % 10);
    block.level = data[at + 1] % 8;
    at += 2;
    std::string* text = &block.runs.emplace_back().text;
    for (; at < size && data[at] != 0; ++at) {
      if (data[at] < 0x08) {
        block.runs.push_back({{}, data[at]});
        text = &block.runs.back().text;
      } else {
        *text += static_cast<char>(data[at]);
      }
    }
    ++at;
    if (block.kind == document::TBlockKind::Table)
      block.rows = {{{block.runs, true}, {block.runs, false}}, {{block.runs, false}}};
    if (block.kind == document::TBlockKind::ListItem || block.kind == document::TBlockKind::Note)
      block.marker = block.runs.front().text.substr(0, 3);
  }
  return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingBytes) return 0;
  const document::TDocument book =
      BookOf(data + kSettingBytes, std::min(size - kSettingBytes, kMaxFuzzedBytes), kLanguages[data[2] % 4]);
  TTextBox box;
  TPageFont font = box.Font();
  font.height = -(4 + data[1] % 40);
  box.SetFont(font);
  TTypesetOptions options;
  options.margin = data[0] % 200;
  options.justify = data[2] & 4;
  options.hyphenate = data[2] & 8;
  options.footer = data[2] & 16;
  options.contents = data[2] & 32;
  const TTypesetBook typeset = TypesetBook(book, box.Font(), options, "fuzz");
  const int total = static_cast<int>(typeset.pages.size()) - 1;
  for (int number = 1; number <= total; ++number) {
    const TTypesetPage& page = typeset.pages[static_cast<std::size_t>(number)];
    if (page.lines.empty()) FuzzFailure("a blank page");
    if (options.footer && page.footer != std::to_string(number) + " / " + std::to_string(total))
      FuzzFailure("a footer out of order");
  }
  if (total > 0) {
    TPageRaster raster;
    ClearPage(raster, box);
    TTypesetDrawing(box, typeset.font).Draw(raster, typeset.pages.back());
  }
  return 0;
}
