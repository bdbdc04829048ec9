// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/book_font.h"

#include <algorithm>
#include <cmath>

namespace {

// The shorter side of the default screen, which the default size is given for.
constexpr int kDefaultShortSide = 272;

}  // namespace

TPageFont BookFont(const TPageFont& page, const TTypesetOptions& options) {
  const TPageFont classic;
  TPageFont font = page;
  if (!options.ownFace && page.face == classic.face) font.face = kBookFace;
  if (!options.ownSize && page.height == classic.height) {
    // A tall page keeps the size a wide one of the same screen has; a small screen keeps
    // the default size, below which type gets hard to read.
    const double scale = std::max(
        1.0, static_cast<double>(std::min(options.pageWidth, options.pageHeight)) / kDefaultShortSide);
    font.height = -static_cast<int>(std::lround(-classic.height * scale));
  }
  return font;
}
