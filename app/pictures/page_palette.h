// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The palette of a page that holds pictures: the page's own colours (its background, its
// text and the text's antialiasing shades: every colour outside the pictures) take entries
// of their own first, so that they stay exact; the pictures' colours, chosen from the
// pictures alone, take the entries left.
#include <cstdint>
#include <vector>

#include "platform/palette.h"

namespace pictures {

// A colour as the page raster holds it: 0x00RRGGBB.
using TPackedColour = std::uint32_t;

struct TPagePalette {
  std::vector<TPaletteEntry> entries;  // the page's colours first, then the pictures'
  int pageColours = 0;                 // how many of the entries are the page's
};

// At most `colors` entries. `pageColours` are the colours outside the pictures, the most
// used first; those past the page's share (half of `colors`, a quarter below 64) get
// no entry and take their nearest. `pictureColours` are the pictures' pixels: the octree picks the
// rest of the entries from them alone, so a picture is shown in colours of its own (one the page has too may
// come twice).
TPagePalette BuildPagePalette(const std::vector<TPackedColour>& pageColours,
                              const std::vector<TPackedColour>& pictureColours, int colors);

}  // namespace pictures
