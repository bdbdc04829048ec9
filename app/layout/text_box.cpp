// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/text_box.h"

void TTextBox::SetText(std::string_view text) {
  text_ = std::make_shared<const std::string>(text.substr(0, text.find('\0')));
  lines_.reset();
}

void TTextBox::SetText(std::shared_ptr<const std::string> text) {
  if (!text || text->find('\0') != std::string::npos) return SetText(text ? std::string_view(*text) : "");
  text_ = std::move(text);
  lines_.reset();
}

void TTextBox::AppendLine(std::string_view line) {
  std::string text = *text_;
  text += line.substr(0, line.find('\0'));
  text += "\r\n";
  text_ = std::make_shared<const std::string>(std::move(text));
  lines_.reset();
}

void TTextBox::SetFont(const TPageFont& font) {
  // Only what changes the widths re-wraps; a colour does not.
  const bool rewrap = font.face != font_.face || font.height != font_.height || font.bold != font_.bold ||
                      font.italic != font_.italic || font.script != font_.script;
  font_ = font;
  if (rewrap) lines_.reset();
}

const TLineList& TTextBox::Lines() const {
  if (!lines_) lines_ = std::make_shared<const TLineList>(text_, font_);
  return *lines_;
}
