#include "app/text_box.h"

#include "app/line_wrap.h"

void TTextBox::SetText(std::string_view text) {
  text_ = std::string(text.substr(0, text.find('\0')));
  lines_.reset();
}

void TTextBox::AppendLine(std::string_view line) {
  text_ += line.substr(0, line.find('\0'));
  text_ += "\r\n";
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
  if (!lines_) lines_ = WrapText(text_, font_);
  return *lines_;
}
