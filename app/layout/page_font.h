// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font the book is shown and drawn in: the text box's font.
#include <string>

#include "app/layout/color.h"
#include "app/text/font_script.h"

struct TPageFont {
  std::string face = "Times New Roman";
  // The character height in pixels (the em height, internal leading excluded), stored
  // negative as a font dialog gives it.
  int height = -16;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  TFontScript script = TFontScript::CentralEuropean;
  TColor color = clBlack;

  friend bool operator==(const TPageFont&, const TPageFont&) = default;
};
