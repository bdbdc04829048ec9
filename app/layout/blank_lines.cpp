// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/blank_lines.h"

#include <algorithm>

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

void SqueezeBlankLines(TLineViews& lines) {
  // The rule walks from the third line and deletes line i while it and line i - 1 are
  // both blank. Deleting from the middle one line at a time is quadratic on a long
  // book, so the same walk compacts in place: the kept line before i is line i - 1.
  if (lines.size() <= 2) return;
  auto kept = lines.begin() + 2;
  for (auto it = kept; it != lines.end(); ++it) {
    if (IsBlankLine(*it) && IsBlankLine(*std::prev(kept))) continue;
    if (kept != it) *kept = std::move(*it);
    ++kept;
  }
  lines.erase(kept, lines.end());
}
