// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text box's word wrap: how the book's text becomes display lines, the page lines.
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/layout/page_font.h"

class TGlyphWidths;

// A few display lines as views of their text: a title's, or a test's.
using TLineViews = std::vector<std::string_view>;

// The inner width of the 480-pixel text box with its 2-pixel border. Drawn at x = 1, a
// line of this width ends well inside the 480-pixel page.
inline constexpr int kWrapWidth = 480 - 2 * 2;

// The display lines of a text whose lines end with CR LF, wrapped to kWrapWidth in `font`,
// less the last one when it is empty (so a final line break adds no line and an empty
// text has none). A line that is too wide breaks after its last space that fits; the
// spaces at a break stay at the end of the upper line and take no width, as in a text
// box. A word wider than the width breaks between characters; a single character wider
// than the width makes a line of its own. In UTF-8 a character is never split. A tab is
// measured as the space-wide gap it is drawn as, and is not a place to break.
// The lines are views of `text`, which must outlive them. `width`: a narrower box. For a
// short text (a title); a book's lines are a TLineList.
TLineViews WrapText(std::string_view text, const TPageFont& font, int width = kWrapWidth);

// How many bytes of a non-empty text line (no line break inside) its first display line
// takes, by the rule above.
std::size_t FirstDisplayLineLength(std::string_view line, TGlyphWidths& widths, int width);
