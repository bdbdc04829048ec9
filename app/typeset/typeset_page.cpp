// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/typeset_page.h"

float TTypesetLine::Right() const {
  float right = 0;
  for (const TTypesetRun& run : runs) right = std::max(right, run.x + run.width);
  return right + overhang;
}

std::string TTypesetLine::Text() const {
  std::string text;
  for (const TTypesetRun& run : runs) text += run.text;
  return text;
}
