// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/line_wrap.h"

#include "app/layout/font_metrics.h"

std::size_t FirstDisplayLineLength(std::string_view line, TGlyphWidths& widths, int boxWidth) {
  float pen = 0;
  std::size_t i = 0;
  std::size_t lastSpace = std::string_view::npos;
  int length = 1;
  while (i < line.size()) {
    const auto width = widths.Next(line.substr(i), length);
    if (line[i] == ' ') {
      lastSpace = i;  // spaces hang past the edge rather than start a line
    } else if (pen + width.extent > boxWidth) {
      break;
    }
    pen += width.advance;
    i += static_cast<std::size_t>(length);
  }
  if (i == line.size()) return i;
  if (lastSpace != std::string_view::npos) return lastSpace + 1;
  return i == 0 ? static_cast<std::size_t>(length) : i;  // one glyph wider than the box
}
