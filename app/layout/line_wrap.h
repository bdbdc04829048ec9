// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text box's word wrap: how the book's text becomes display lines, the page lines.
#include <cstddef>
#include <string_view>

#include "app/layout/page_font.h"

class TGlyphWidths;

// The inner width of the 480-pixel text box with its 2-pixel border. Drawn at x = 1, a
// line of this width ends well inside the 480-pixel page.
inline constexpr int kWrapWidth = 480 - 2 * 2;

// How many bytes of a non-empty text line (no line break inside) its first display line
// takes. A line that is too wide breaks after its last space that fits; the spaces at a
// break stay at the end of the upper line and take no width, as in a text box. A word wider
// than the width breaks between characters; a single character wider than the width makes a
// line of its own. In UTF-8 a character is never split. A tab is measured as the space-wide
// gap it is drawn as, and is not a place to break.
std::size_t FirstDisplayLineLength(std::string_view line, TGlyphWidths& widths, int width);
