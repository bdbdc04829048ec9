// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/line_list.h"

#include <stdexcept>

#include "app/layout/blank_lines.h"
#include "platform/cancellation.h"

TLineCursor::TLineCursor(std::string_view text, std::shared_ptr<TGlyphWidths> widths, int width,
                         bool squeezed, const TLinePlace& place)
    : text_(text),
      widths_(std::move(widths)),
      width_(width),
      squeezed_(squeezed),
      index_(place.index),
      start_(place.start),
      lineEnd_(place.lineEnd),
      afterBlank_(place.afterBlank) {
  if (place.start == 0 && place.index == 0) MoveTo(0);
}

void TLineCursor::MoveTo(std::size_t start) {
  start_ = std::min(start, text_.size());
  lineEnd_ = std::min(text_.find("\r\n", start_), text_.size());
}

std::string_view TLineCursor::NextDisplayLine() {
  const std::size_t start = start_;
  if (start == lineEnd_) {  // an empty text line
    MoveTo(lineEnd_ + 2);
    return text_.substr(start, 0);
  }
  const std::size_t length = FirstDisplayLineLength(text_.substr(start, lineEnd_ - start), *widths_, width_);
  if (start + length == lineEnd_)
    MoveTo(lineEnd_ + 2);
  else
    start_ = start + length;
  return text_.substr(start, length);
}

void TLineCursor::SkipRemovedBlankLines() {
  // Looks one line ahead, so that a list ending in removed lines ends where its last kept one does.
  while (squeezed_ && afterBlank_ && index_ >= 2 && !AtEnd()) {
    const TLinePlace before = Place();
    if (!IsBlankLine(NextDisplayLine())) {
      start_ = before.start;
      lineEnd_ = before.lineEnd;
      return;
    }
  }
}

std::string_view TLineCursor::Next() {
  const std::string_view line = NextDisplayLine();
  ++index_;
  afterBlank_ = IsBlankLine(line);
  SkipRemovedBlankLines();
  return line;
}

TLineList::TLineList(std::shared_ptr<const std::string> text, const TPageFont& font, bool squeezed, int width)
    : text_(std::move(text)), font_(font), squeezed_(squeezed), width_(width) {
  for (TLineCursor cursor = From(TLinePlace()); !cursor.AtEnd(); cursor.Next()) {
    if (size_ % kStride == 0) {
      CheckCancelled();
      places_.push_back(cursor.Place());
    }
    ++size_;
  }
  places_.shrink_to_fit();
}

TLineCursor TLineList::From(const TLinePlace& place, std::shared_ptr<TGlyphWidths> widths) const {
  if (!widths) widths = std::make_shared<TGlyphWidths>(font_);
  return TLineCursor(*text_, std::move(widths), width_, squeezed_, place);
}

TLineCursor TLineList::From(std::size_t index, std::shared_ptr<TGlyphWidths> widths) const {
  if (index >= size_) {
    TLineCursor cursor = From(TLinePlace{size_, text_->size(), text_->size()}, std::move(widths));
    return cursor;
  }
  TLineCursor cursor = From(places_[index / kStride], std::move(widths));
  for (std::size_t skip = index % kStride; skip > 0; --skip) cursor.Next();
  return cursor;
}

std::string_view TLineList::at(std::size_t index) const {
  if (index >= size_) throw std::out_of_range("TLineList::at");
  return From(index).Next();
}

TLineList::const_iterator TLineList::begin() const {
  return empty() ? end() : const_iterator(From(TLinePlace()));
}

TLineList::const_iterator::const_iterator(const TLineCursor& cursor) : cursor_(cursor), index_(0) {
  line_ = cursor_->Next();
}

TLineList::const_iterator& TLineList::const_iterator::operator++() {
  if (cursor_->AtEnd()) {
    *this = const_iterator();
  } else {
    line_ = cursor_->Next();
    ++index_;
  }
  return *this;
}

TLineList::const_iterator TLineList::const_iterator::operator++(int) {
  const_iterator before = *this;
  ++*this;
  return before;
}

TLineViews WrapText(std::string_view text, const TPageFont& font, int width) {
  TLineViews lines;
  for (TLineCursor cursor(text, std::make_shared<TGlyphWidths>(font), width); !cursor.AtEnd();)
    lines.push_back(cursor.Next());
  return lines;
}
