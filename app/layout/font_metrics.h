// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page font as Qt knows it (the windows draw the book in it too), and the widths the
// wrapping measures with.
#include <QFont>
#include <array>
#include <string_view>
#include <unordered_map>

#include "app/layout/page_font.h"

// The Qt font for a page font. The negative height is the em height, which is what Qt's
// pixel size means, so the pixel size is its magnitude. Kerning is off so that a line is
// as wide as its characters' advances add up to. Full hinting gives whole-pixel advances
// and crisp stems, as a desktop text box draws them, with fewer in-between shades to
// survive the palette; smoothing is greyscale only, since coloured sub-pixel fringes
// would turn into specks once the page is reduced to a palette.
QFont MakeQFont(const TPageFont& font);

// A line's cell: from its top to the baseline, and its height. The font's ascent and
// descent are rounded up so that the cell holds the ink of every letter, accents included.
struct TTextCell {
  int ascent = 0;
  int height = 0;
};
TTextCell CellOf(const QFont& font);

// Per-character widths of one page font, cached. For a character, `advance` moves the
// pen and `extent` is how far right of the pen its ink reaches (at least the advance).
class TGlyphWidths {
public:
  explicit TGlyphWidths(const TPageFont& font);

  struct TWidth {
    float advance = 0;
    float extent = 0;
  };
  // The character that starts at `bytes[0]`, and how many bytes it takes. Inline for the
  // one-byte characters: wrapping a long book asks for millions of them.
  TWidth Next(std::string_view bytes, int& length) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    length = 1;
    if (singleByte_ || lead < 0x80) return byteWidths_[lead];
    return NextMultiByte(bytes, length);
  }

private:
  TWidth NextMultiByte(std::string_view bytes, int& length);
  TWidth Measure(char32_t c) const;

  QFont font_;
  bool singleByte_ = false;  // the font's code page has a character for every byte
  std::array<TWidth, 256> byteWidths_{};
  std::unordered_map<char32_t, TWidth> utf8Widths_;
};
