// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/plain_text.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/document/document_builder.h"
#include "platform/utf8.h"

namespace document {

namespace {

struct TLine {
  std::string text;       // in UTF-8, without its line end and the white space around it
  std::size_t width = 0;  // in characters, with its indent
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

// A text's lines one at a time, so that a text of millions of lines is never held twice. The
// white space around a line is ASCII in every encoding and goes before the line is decoded:
// a line of millions of spaces is never decoded at all.
class TLineReader {
public:
  TLineReader(std::string_view text, const TLineDecoder& toUtf8) : text_(text), toUtf8_(toUtf8) {}

  bool Next(TLine& out) {
    if (text_.empty()) return false;
    const std::size_t end = std::min(text_.find_first_of("\r\n"), text_.size());
    std::string_view line = text_.substr(0, end);
    const std::size_t next = end + (text_.substr(end, 2) == "\r\n" ? 2 : 1);
    text_.remove_prefix(std::min(next, text_.size()));
    out.chapter = line.find('\f') != std::string_view::npos;
    while (!line.empty() && (IsSpace(line.back()) || line.back() == '\f')) line.remove_suffix(1);
    out.indented = !line.empty() && IsSpace(line.front());
    const std::size_t indent = line.size();
    while (!line.empty() && (IsSpace(line.front()) || line.front() == '\f')) line.remove_prefix(1);
    out.text = line.empty() ? std::string() : toUtf8_(line);
    out.width = indent - line.size() + CharCount(out.text);
    out.blank = line.empty();
    return true;
  }

private:
  std::string_view text_;
  const TLineDecoder& toUtf8_;
};

// The column a text is hard-wrapped at, when it is: the width that the most lines followed
// by another line of their paragraph reach within a few characters (the next word would
// have passed it), holding at least three quarters of them.
std::optional<std::size_t> WrapWidth(std::string_view text, const TLineDecoder& toUtf8) {
  std::map<std::size_t, std::size_t> widths;  // how many lines have each width
  std::size_t count = 0;
  TLineReader reader(text, toUtf8);
  TLine line, next;
  for (bool more = reader.Next(line); more && reader.Next(next); line = std::move(next)) {
    if (!line.blank && !line.chapter && !next.blank && !next.chapter && !next.indented) {
      ++widths[line.width];
      ++count;
    }
  }
  if (count < 4) return std::nullopt;
  // The widest lines but a few stray ones: the width of the line at this place in width order.
  std::size_t rank = count - 1 - count / 20;
  auto at = widths.begin();
  for (; rank >= at->second; ++at) rank -= at->second;
  const std::size_t width = at->first;
  if (width < 30) return std::nullopt;
  const std::size_t slack = width / 5;
  std::size_t near = 0;
  for (const auto& [w, lines] : widths)
    if (w + slack >= width && w <= width + 2) near += lines;
  if (near * 4 < count * 3) return std::nullopt;
  return width;
}

}  // namespace

TDocument DocumentOfText(std::string_view text, const TLineDecoder& toUtf8) {
  const std::optional<std::size_t> wrap = WrapWidth(text, toUtf8);
  TDocumentBuilder builder;
  bool lineEndsParagraph = true;
  TLineReader reader(text, toUtf8);
  for (TLine line; reader.Next(line);) {
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

TDocument DocumentOfText(std::string_view utf8) {
  return DocumentOfText(utf8, [](std::string_view line) { return ValidUtf8(line); });
}

}  // namespace document
