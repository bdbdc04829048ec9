// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/blank_lines.h"

#include <algorithm>

namespace {

constexpr std::size_t kDrawnHangingSpaces = std::size_t{1} << 16;

}  // namespace

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

std::string_view DrawnPart(std::string_view line) {
  const std::size_t text = line.find_last_not_of(' ') + 1;  // npos + 1 is 0
  return line.substr(0, text + kDrawnHangingSpaces);
}
