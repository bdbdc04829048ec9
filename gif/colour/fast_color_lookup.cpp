// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/fast_color_lookup.h"

#include <cstdlib>

namespace {

constexpr std::int16_t kEmptyCell = -1;
// Larger than any real distance (3 x 255), so the first entry always becomes the best.
constexpr int kNoDistance = 196608;

int CellKey(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (red >> 3) | ((green >> 3) << 5) | ((blue >> 3) << 10);
}

int ColorCountOf(const TPalette* palette) {
  return palette ? static_cast<int>(palette->Entries().size()) : 0;
}

// Always 256 places, the unused ones black, so that any index byte reads a defined entry.
std::vector<TPaletteEntry> EntryCopy(const TPalette* palette) {
  std::vector<TPaletteEntry> entries = palette ? palette->Entries() : std::vector<TPaletteEntry>{};
  entries.resize(kMaxPaletteEntries);
  return entries;
}

}  // namespace

TFastColorLookup::TFastColorLookup(const TPalette* palette)
    : TColorLookup(ColorCountOf(palette)), entries_(EntryCopy(palette)), cache_(kCells, kEmptyCell) {
  // Ascending, so a cell holding several palette colours belongs to the lowest index.
  for (int i = 0; i < ColorCount(); ++i) {
    const TPaletteEntry& e = entries_[static_cast<std::size_t>(i)];
    std::int16_t& cell = cache_[static_cast<std::size_t>(CellKey(e.red, e.green, e.blue))];
    if (cell == kEmptyCell) cell = static_cast<std::int16_t>(i);
  }
}

std::uint8_t TFastColorLookup::MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                        std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
  std::int16_t& cell = cache_[static_cast<std::size_t>(CellKey(red, green, blue))];
  if (cell == kEmptyCell) {
    int best = 0;
    int bestDistance = kNoDistance;
    for (int i = 0; i < ColorCount(); ++i) {
      const TPaletteEntry& e = entries_[static_cast<std::size_t>(i)];
      const int d = std::abs(e.red - red) + std::abs(e.green - green) + std::abs(e.blue - blue);
      if (d < bestDistance) {
        bestDistance = d;
        best = i;
      }
    }
    cell = static_cast<std::int16_t>(best);
  }
  const auto index = static_cast<std::uint8_t>(cell);
  const TPaletteEntry& e = entries_[index];
  outRed = e.red;
  outGreen = e.green;
  outBlue = e.blue;
  return index;
}
