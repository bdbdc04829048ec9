// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display lines of a text, held compactly: a book of millions of lines keeps only its
// text and where every few thousandth line starts, and wraps again from there whatever it
// reads. Empty lines cost nothing, so a text of nothing but line breaks takes no more than
// its text.
#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/books/chapter_mark.h"
#include "app/layout/font_metrics.h"
#include "app/layout/line_wrap.h"

// Where a line of a list starts: all a cursor needs to read on from it.
struct TLinePlace {
  std::size_t index = 0;    // its number in the list
  std::size_t start = 0;    // its first byte in the text
  std::size_t lineEnd = 0;  // the end of its text line: its CR LF, or the text's end
  bool afterBlank = false;  // the line before it in the list is blank
};

// Reads a text's display lines in order, from the first or from any place of a list; with
// `squeezed`, each run of blank lines shrinks to one, except that the first two lines
// are never removed (two blank lines at the very start both stay).
class TLineCursor {
public:
  TLineCursor(std::string_view text, std::shared_ptr<TGlyphWidths> widths, int width = kWrapWidth,
              bool squeezed = false, const TLinePlace& place = {});

  bool AtEnd() const { return start_ >= text_.size(); }
  std::string_view Next();
  // Where the next line starts.
  TLinePlace Place() const { return {index_, start_, lineEnd_, afterBlank_}; }

private:
  std::string_view NextDisplayLine();
  void MoveTo(std::size_t start);
  void SkipRemovedBlankLines();

  std::string_view text_;
  std::shared_ptr<TGlyphWidths> widths_;
  int width_;
  bool squeezed_;
  std::size_t index_;
  std::size_t start_;
  std::size_t lineEnd_;
  bool afterBlank_;
};

// A text's display lines (TLineCursor's), sharing the text, which no one changes.
class TLineList {
public:
  TLineList() = default;
  TLineList(std::shared_ptr<const std::string> text, const TPageFont& font, bool squeezed = false,
            int width = kWrapWidth);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // Reading from line `index` (at most size()), measuring with `widths` (of the list's font)
  // when given: a thread's own, kept from page to page.
  TLineCursor From(std::size_t index, std::shared_ptr<TGlyphWidths> widths = nullptr) const;
  TLineCursor From(const TLinePlace& place, std::shared_ptr<TGlyphWidths> widths = nullptr) const;
  // One line; std::out_of_range past the end.
  std::string_view at(std::size_t index) const;

  // Reading the lines one by one, for loops and checks.
  class const_iterator {
  public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using reference = std::string_view;
    using iterator_category = std::forward_iterator_tag;

    const_iterator() = default;
    explicit const_iterator(const TLineCursor& cursor);
    std::string_view operator*() const { return line_; }
    const_iterator& operator++();
    const_iterator operator++(int);
    friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.index_ == b.index_; }

  private:
    std::optional<TLineCursor> cursor_;  // after the line
    std::string_view line_;
    std::size_t index_ = static_cast<std::size_t>(-1);  // the end's
  };
  using iterator = const_iterator;
  using value_type = std::string_view;
  const_iterator begin() const;
  const_iterator end() const { return {}; }

private:
  // A cursor's place every kStride lines: the only memory that grows with the list.
  static constexpr std::size_t kStride = 4096;

  std::shared_ptr<const std::string> text_ = std::make_shared<const std::string>();
  TPageFont font_;
  bool squeezed_ = false;
  int width_ = kWrapWidth;
  std::size_t size_ = 0;
  std::vector<TLinePlace> places_;
};

// A few display lines as views of their text: a title's, or a test's.
using TLineViews = std::vector<std::string_view>;

// The display lines of a text whose lines end with CR LF, wrapped to kWrapWidth in `font`,
// less the last one when it is empty (so a final line break adds no line and an empty
// text has none). Lines break as FirstDisplayLineLength says.
// The lines are views of `text`, which must outlive them. `width`: a narrower box. For a
// short text (a title); a book's lines are a TLineList.
TLineViews WrapText(std::string_view text, const TPageFont& font, int width = kWrapWidth);
