// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/typeset_page.h"

float TTypesetLine::Right() const {
  float right = 0;
  for (const TTypesetRun& run : runs) right = std::max(right, run.x + run.width);
  return right + overhang;
}

std::string TTypesetLine::Text() const {
  std::string text;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    // Runs set apart (table columns, a contents entry's page number) read apart too.
    constexpr float kGap = 1.5f;
    if (i > 0 && runs[i].x - (runs[i - 1].x + runs[i - 1].width) > kGap && !text.ends_with(' ')) text += ' ';
    text += runs[i].text;
  }
  return text;
}
