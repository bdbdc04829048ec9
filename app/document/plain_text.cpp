// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/plain_text.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/document/document_builder.h"
#include "platform/utf8.h"

namespace document {

namespace {

struct TLine {
  std::string_view text;  // without its line end and trailing white space
  std::size_t width = 0;  // in characters
  bool indented = false;
  bool blank = false;
  bool chapter = false;  // holds a form feed
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::size_t CharCount(std::string_view text) {
  // Continuation bytes do not start a character.
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<TLine> SplitLines(std::string_view text) {
  std::vector<TLine> lines;
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(0, end);
    const std::size_t next = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    text.remove_prefix(std::min(next, text.size()));
    TLine out;
    out.chapter = line.find('\f') != std::string_view::npos;
    while (!line.empty() && (IsSpace(line.back()) || line.back() == '\f')) line.remove_suffix(1);
    out.indented = !line.empty() && IsSpace(line.front());
    out.width = CharCount(line);
    while (!line.empty() && (IsSpace(line.front()) || line.front() == '\f')) line.remove_prefix(1);
    out.text = line;
    out.blank = line.empty();
    lines.push_back(out);
  }
  return lines;
}

// The column a text is hard-wrapped at, when it is: the width that the most lines followed
// by another line of their paragraph reach within a few characters (the next word would
// have passed it), holding at least three quarters of them.
std::optional<std::size_t> WrapWidth(const std::vector<TLine>& lines) {
  std::vector<std::size_t> widths;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const TLine& next = lines[i + 1];
    if (!lines[i].blank && !lines[i].chapter && !next.blank && !next.chapter && !next.indented)
      widths.push_back(lines[i].width);
  }
  if (widths.size() < 4) return std::nullopt;
  std::sort(widths.begin(), widths.end());
  // The widest lines but a few stray ones.
  const std::size_t width = widths[widths.size() - 1 - widths.size() / 20];
  if (width < 30) return std::nullopt;
  const std::size_t slack = width / 5;
  const auto near = std::count_if(widths.begin(), widths.end(),
                                  [&](std::size_t w) { return w + slack >= width && w <= width + 2; });
  if (static_cast<std::size_t>(near) * 4 < widths.size() * 3) return std::nullopt;
  return width;
}

}  // namespace

TDocument DocumentOfText(std::string_view utf8) {
  const std::string repaired = IsValidUtf8(utf8) ? std::string() : ValidUtf8(utf8);
  const std::vector<TLine> lines = SplitLines(repaired.empty() ? utf8 : std::string_view(repaired));
  const std::optional<std::size_t> wrap = WrapWidth(lines);
  TDocumentBuilder builder;
  bool lineEndsParagraph = true;
  for (const TLine& line : lines) {
    if (line.chapter) builder.Chapter();
    if (line.blank) {
      builder.EndBlock();
    } else {
      if (line.indented || lineEndsParagraph) builder.EndBlock();
      builder.Text(line.text, kRegular);
      builder.Space();
    }
    // Without a wrap width each line is a paragraph of its own; with one, a line well short
    // of the width ends one.
    lineEndsParagraph = !wrap || line.width + *wrap / 5 < *wrap;
  }
  TDocument document;
  document.blocks = builder.Finish();
  return document;
}

}  // namespace document
