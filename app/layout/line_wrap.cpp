// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/line_wrap.h"

#include "app/layout/font_metrics.h"
#include "platform/cancellation.h"

namespace {

// Appends the display lines of one text line (no line break inside).
void WrapLine(std::string_view line, TGlyphWidths& widths, int boxWidth, TLineViews& out) {
  if (line.empty()) {
    out.emplace_back();
    return;
  }
  std::size_t start = 0;
  while (start < line.size()) {
    CheckCancelled();
    float pen = 0;
    std::size_t i = start;
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
    std::size_t end = i;
    if (i < line.size()) {
      if (lastSpace != std::string_view::npos)
        end = lastSpace + 1;
      else if (i == start)
        end = start + static_cast<std::size_t>(length);  // one glyph wider than the box
    }
    out.emplace_back(line.substr(start, end - start));
    start = end;
  }
}

}  // namespace

TLineViews WrapText(std::string_view text, const TPageFont& font, int width) {
  TGlyphWidths widths(font);
  TLineViews lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    WrapLine(text.substr(start, end - start), widths, width, lines);
    if (end == text.size()) break;
    start = end + 2;
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}
