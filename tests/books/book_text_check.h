// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape every extracted book text keeps, whatever the input: valid UTF-8, lines ending
// in CR LF, never two blank lines in a row, no chapter mark first, no blank or mark last.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/books/book_reader.h"
#include "document/document_check.h"
#include "platform/utf8.h"

// Empty when the text keeps its shape; otherwise what is wrong with it.
inline std::string BookTextFault(std::string_view text) {
  if (!IsValidUtf8(text)) return "invalid UTF-8";
  if (text.empty()) return {};
  if (!text.ends_with("\r\n")) return "the last line lacks CR LF";
  if (text.starts_with("\f\r\n")) return "a chapter mark before the text";
  if (text.starts_with("\r\n")) return "a blank line before the text";
  if (text.ends_with("\r\n\r\n") || text.ends_with("\f\r\n")) return "a blank line or mark after the text";
  if (text.find("\r\n\r\n\r\n") != std::string_view::npos) return "two blank lines in a row";
  for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 2)) {
    if (at + 1 >= text.size() || text[at + 1] != '\n') return "a CR without LF";
  }
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    if (at == 0 || text[at - 1] != '\r') return "an LF without CR";
  }
  return {};
}

// A fuzzer's step: reads `bytes` as a book named `name` within small limits, as text and as
// a structured book; a clear refusal is a right answer, a badly shaped result aborts.
inline void ReadFuzzedBook(std::string_view bytes, std::string_view name) {
  constexpr std::size_t kCapacity = std::size_t{1} << 20;
  const TUnpackLimits unpack{.maxTotal = std::size_t{8} << 20};
  try {
    const std::optional<TBook> book = ReadMarkupBook(bytes, name, kCapacity, unpack);
    if (!book) return;
    if (const std::string fault = BookTextFault(book->text); !fault.empty()) {
      std::fprintf(stderr, "badly shaped text: %s\n", fault.c_str());
      std::abort();
    }
  } catch (const Exception&) {
  }
  try {
    const std::optional<document::TDocument> document = ReadBookDocument(bytes, name, kCapacity, unpack);
    if (!document) return;
    if (const std::string fault = document::DocumentFault(*document); !fault.empty()) {
      std::fprintf(stderr, "badly shaped document: %s\n", fault.c_str());
      std::abort();
    }
  } catch (const Exception&) {
  }
}
