// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/palette.h"

#include <algorithm>

TPalette::TPalette(std::vector<TPaletteEntry> entries) : entries_(std::move(entries)) {}

std::vector<TPaletteEntry> TPalette::Entries(int first, int count) const {
  if (first < 0 || first >= Count() || count <= 0) return {};
  const int n = std::min({count, Count() - first, kMaxPaletteEntries});
  return {entries_.begin() + first, entries_.begin() + first + n};
}
