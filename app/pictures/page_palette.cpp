// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/page_palette.h"

#include <algorithm>

#include "gif/colour/color_quantizer.h"
#include "gif/colour/palette_refiner.h"

namespace pictures {

namespace {

// The octree's leaves at full depth: every bit of every channel counts.
constexpr int kColorBits = 8;
// Rounds of refinement after the octree: the gain has mostly come by then.
constexpr int kRefineRounds = 6;

TPaletteEntry EntryOf(TPackedColour c) {
  return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c),
          0};
}

}  // namespace

TPagePalette BuildPagePalette(const std::vector<TPackedColour>& pageColours,
                              const std::vector<TPackedColour>& pictureColours, int colors) {
  TPagePalette palette;
  // Half the palette at most for the page's colours (a quarter of a small one), so that the
  // pictures keep enough: text drawn with every shade of coverage could take it all. The
  // background and the text colour, the most used, always have theirs.
  constexpr int kFewColors = 64;
  const int pageRoom = pictureColours.empty() ? colors
                       : colors >= kFewColors ? colors / 2
                                              : std::max(2, colors / 4);
  for (const TPackedColour c : pageColours) {
    if (static_cast<int>(palette.entries.size()) >= pageRoom) break;
    palette.entries.push_back(EntryOf(c));
  }
  palette.pageColours = static_cast<int>(palette.entries.size());
  const int pictureRoom = colors - palette.pageColours;
  if (pictureRoom <= 0 || pictureColours.empty()) return palette;
  TColorQuantizer quantizer(pictureRoom, kColorBits);
  for (const TPackedColour c : pictureColours)
    quantizer.AddColor(static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                       static_cast<std::uint8_t>(c));
  std::vector<TPaletteEntry> chosen;
  for (const TRGBQuad& q : quantizer.CollectPalette()) chosen.push_back({q.red, q.green, q.blue, 0});
  RefinePalette(chosen, pictureColours, kRefineRounds);
  palette.entries.insert(palette.entries.end(), chosen.begin(), chosen.end());
  return palette;
}

}  // namespace pictures
