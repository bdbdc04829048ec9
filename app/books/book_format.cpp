// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_format.h"

#include <string>

namespace books {

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(text[i]) != lower(prefix[i])) return false;
  }
  return true;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWithIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The head as 8-bit text: a UTF-16 head keeps its low bytes, which hold the ASCII markup.
std::string AsciiHead(std::string_view head) {
  if (head.size() >= 2 && (head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF")) {
    std::string ascii;
    for (std::size_t i = head[0] == '\xFF' ? 2 : 3; i < head.size(); i += 2) ascii += head[i];
    return ascii;
  }
  if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
  return std::string(head);
}

// Drops everything up to and including `end`; false when `end` never comes.
bool SkipPast(std::string_view& text, std::string_view end) {
  const std::size_t at = text.find(end);
  if (at == std::string_view::npos) return false;
  text.remove_prefix(at + end.size());
  return true;
}

}  // namespace

std::optional<TBookFormat> SniffMarkup(std::string_view head) {
  const std::string ascii = AsciiHead(head);
  std::string_view text = ascii;
  for (;;) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    if (text.empty() || text.front() != '<') return std::nullopt;
    if (text.starts_with("<?")) {
      if (!SkipPast(text, "?>")) return std::nullopt;
    } else if (text.starts_with("<!--")) {
      if (!SkipPast(text, "-->")) return std::nullopt;
    } else if (StartsWithIgnoringCase(text, "<!DOCTYPE")) {
      text.remove_prefix(9);
      while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
      if (StartsWithIgnoringCase(text, "html")) return TBookFormat::Html;
      if (text.starts_with("FictionBook")) return TBookFormat::Fb2;
      if (!SkipPast(text, ">")) return std::nullopt;
    } else {
      text.remove_prefix(1);
      const std::size_t end = text.find_first_of(" \t\r\n/>");
      std::string_view name = text.substr(0, end);
      if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
        name.remove_prefix(colon + 1);
      if (name == "FictionBook") return TBookFormat::Fb2;
      for (const std::string_view html : {"html", "head", "body"}) {
        if (name.size() == html.size() && StartsWithIgnoringCase(name, html)) return TBookFormat::Html;
      }
      return std::nullopt;
    }
  }
}

TBookFormat FormatByExtension(std::string_view name) {
  if (EndsWithIgnoringCase(name, ".epub")) return TBookFormat::Epub;
  if (EndsWithIgnoringCase(name, ".fb2")) return TBookFormat::Fb2;
  if (EndsWithIgnoringCase(name, ".fb2.zip") || EndsWithIgnoringCase(name, ".zip"))
    return TBookFormat::Fb2Zip;
  for (const std::string_view html : {".html", ".htm", ".xhtml", ".xht"}) {
    if (EndsWithIgnoringCase(name, html)) return TBookFormat::Html;
  }
  return TBookFormat::PlainText;
}

bool HasZipMagic(std::string_view head) {
  return head.starts_with("PK\x03\x04") || head.starts_with(std::string_view("PK\x05\x06", 4));
}

}  // namespace books
