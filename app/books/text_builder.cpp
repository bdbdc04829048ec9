// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/text_builder.h"

#include <algorithm>

#include "app/books/book.h"
#include "app/books/text_capacity.h"
#include "platform/exceptions.h"
#include "platform/utf8.h"

namespace books {

namespace {

// HTML's white space, plus the other control characters, which a page cannot show.
bool IsCollapsible(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

TTextBuilder::TTextBuilder(std::size_t capacity) : capacity_(capacity) {}

void TTextBuilder::Reserve(std::size_t bytes) { text_.reserve(std::min(bytes, capacity_)); }

void TTextBuilder::CheckCapacity() const {
  // Every line costs its CR LF as well.
  if (text_.size() + line_.size() + 2 > capacity_) throw ETextTooLarge();
}

void TTextBuilder::Text(std::string_view utf8) {
  // The HTML parser passes on bytes it could not decode; a page must not get them.
  const std::string repaired = IsValidUtf8(utf8) ? std::string() : ValidUtf8(utf8);
  for (const char c : repaired.empty() ? utf8 : std::string_view(repaired)) {
    if (IsCollapsible(static_cast<unsigned char>(c)) || c == ' ') {
      pendingSpace_ = !line_.empty();
      continue;
    }
    if (pendingSpace_) line_ += ' ';
    pendingSpace_ = false;
    line_ += c;
  }
  CheckCapacity();
}

void TTextBuilder::PreText(std::string_view utf8) {
  const std::string repaired = IsValidUtf8(utf8) ? std::string() : ValidUtf8(utf8);
  for (const char c : repaired.empty() ? utf8 : std::string_view(repaired)) {
    if (c == '\n') {
      Break();
    } else if (c == '\t') {
      line_ += c;
    } else if (c != '\r') {
      line_ += IsCollapsible(static_cast<unsigned char>(c)) ? ' ' : c;
    }
  }
  pendingSpace_ = false;
  CheckCapacity();
}

void TTextBuilder::Space() { pendingSpace_ = !line_.empty(); }

void TTextBuilder::EndLine() {
  pendingSpace_ = false;
  if (line_.empty()) return;
  PushLine(line_, TLineKind::Content);
  line_.clear();
}

void TTextBuilder::Break() {
  if (line_.empty()) {
    Blank();
  } else {
    EndLine();
  }
}

void TTextBuilder::Blank() {
  EndLine();
  pendingBlank_ = true;
}

void TTextBuilder::BeginHeading() {
  Blank();
  ++headingDepth_;
}

void TTextBuilder::EndHeading() {
  EndLine();
  if (headingDepth_ > 0) --headingDepth_;
  pendingBlank_ = true;
}

void TTextBuilder::Chapter() {
  EndLine();
  if (last_ == TLineKind::None || last_ == TLineKind::Mark) return;
  if (last_ != TLineKind::Blank) PushLine("", TLineKind::Blank);
  PushLine(kChapterMark, TLineKind::Mark);
  pendingBlank_ = false;
  bodySinceMark_ = false;
}

void TTextBuilder::HeadingChapter() {
  EndLine();
  if (bodySinceMark_) Chapter();
}

void TTextBuilder::PushLine(std::string_view line, TLineKind kind) {
  if (kind == TLineKind::Content) {
    if (pendingBlank_ && last_ == TLineKind::Content) PushLine("", TLineKind::Blank);
    pendingBlank_ = false;
    if (headingDepth_ == 0) bodySinceMark_ = true;
  }
  if (text_.size() + line.size() + 2 > capacity_) throw ETextTooLarge();
  text_ += line;
  text_ += "\r\n";
  last_ = kind;
  if (kind == TLineKind::Content) contentEnd_ = text_.size();
}

std::string TTextBuilder::Finish() {
  EndLine();
  text_.resize(contentEnd_);
  return std::move(text_);
}

}  // namespace books
