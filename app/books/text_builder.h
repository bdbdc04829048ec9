// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lays extracted markup text out as source lines, the way a browser would flow it: runs of
// white space collapse, block boundaries end lines, headings stand between blank lines.
#include <cstddef>
#include <string>
#include <string_view>

namespace books {

class TTextBuilder {
public:
  // Throws ETextTooLarge once the text passes `capacity` bytes.
  explicit TTextBuilder(std::size_t capacity);

  // Room for about `bytes` of text (at most the capacity) at once: a text that grows by
  // doubling holds its old and new copies while it moves, too much for the largest books.
  // Untouched room costs no memory.
  void Reserve(std::size_t bytes);

  // Flowing text: white space collapses to one space, none at a line's start or end.
  void Text(std::string_view utf8);
  // Preformatted text: white space kept, each line break ends a line.
  void PreText(std::string_view utf8);
  // A word boundary (a table cell): a space unless the line is still empty.
  void Space();
  // A block boundary: the current line ends when it holds anything.
  void EndLine();
  // A forced break (<br>, <empty-line/>): ends the line, or asks for a blank one when empty.
  void Break();
  // Asks for one blank line before the next line; never at the start, never doubled.
  void Blank();
  // Lines added between these are heading lines, set off by blank lines.
  void BeginHeading();
  void EndHeading();
  // A chapter starts here: a chapter mark line, unless nothing was written since the last
  // one. A heading chapter (h1, h2) also gives way when only headings came since the mark,
  // so that a title and its subtitle stay together.
  void Chapter();
  void HeadingChapter();

  // The text, every line ending in CR LF, with no blank lines or marks at its end.
  std::string Finish();

private:
  enum class TLineKind { None, Content, Blank, Mark };
  void PushLine(std::string_view line, TLineKind kind);
  void CheckCapacity() const;

  std::size_t capacity_;
  std::string text_;            // the lines ended so far, each with its CR LF
  std::size_t contentEnd_ = 0;  // where the text ends without its trailing blanks and marks
  TLineKind last_ = TLineKind::None;
  std::string line_;
  bool pendingSpace_ = false;
  bool pendingBlank_ = false;
  bool bodySinceMark_ = false;
  int headingDepth_ = 0;
};

}  // namespace books
