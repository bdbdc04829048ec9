// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's text box holds: the book's text and the look of the pages (its
// font, with the text colour, and its own colour, the page background). Its display lines
// are the text wrapped to the box's width in its font; they are the page lines. A copy
// shares the text and the lines wrapped so far and then goes its own way: a run converts a
// copy while the window goes on with its box.
#include <memory>
#include <string>
#include <string_view>

#include "app/layout/color.h"
#include "app/layout/line_list.h"
#include "app/layout/page_font.h"

class TTextBox {
public:
  const std::string& Text() const { return *text_; }
  // The text, to be shared by what outlives the box.
  const std::shared_ptr<const std::string>& SharedText() const { return text_; }
  // Replaces the text; the box holds it only up to its first NUL byte.
  void SetText(std::string_view text);
  // The same, sharing the string instead of copying it (a book is held once).
  void SetText(std::shared_ptr<const std::string> text);
  void Clear() { SetText(std::string_view()); }
  // Appends a line and a line break.
  void AppendLine(std::string_view line);

  const TPageFont& Font() const { return font_; }
  void SetFont(const TPageFont& font);
  // The box's own colour: the page background.
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }

  // The display lines, wrapped on first use after a change of text or font.
  const TLineList& Lines() const;
  int LineCount() const { return static_cast<int>(Lines().size()); }

private:
  std::shared_ptr<const std::string> text_ = std::make_shared<const std::string>();
  TPageFont font_;
  TColor color_ = clWhite;
  // Lines of *text_, which no one changes; shared by copies, which never change them either.
  mutable std::shared_ptr<const TLineList> lines_;
};
