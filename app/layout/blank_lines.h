// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blank lines, which the pages squeeze (TLineList's `squeezed`).
#include <string_view>

// True when the line is empty or holds spaces (code 32) only; a tab makes it non-blank.
bool IsBlankLine(std::string_view line);

// What drawing a display line can show of it: the spaces hanging at its end past the first
// 65536 go, since those already reach past any page or box (Qt's pen moves by 1/64 pixel at
// the least) and the rest would only make Qt lay out a line of millions of characters.
std::string_view DrawnPart(std::string_view line);
