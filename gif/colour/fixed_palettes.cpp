// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/fixed_palettes.h"

#include <array>

namespace {

// The one table of the system's static colours: the first ten and the last ten frame
// the halftone and the framed optimised palettes.
constexpr std::array<TPaletteEntry, 20> kSystemColors = {{
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
}};
constexpr std::size_t kSystemHalf = kSystemColors.size() / 2;
constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
constexpr int kHalftoneGreys = 20;

TPaletteEntry Grey(int level) {
  const auto v = static_cast<std::uint8_t>(level);
  return {v, v, v, kPaletteNoCollapse};
}

TPaletteHandle GreyPalette(std::initializer_list<int> levels) {
  std::vector<TPaletteEntry> entries;
  for (int level : levels) entries.push_back(Grey(level));
  return std::make_unique<TPalette>(std::move(entries));
}

void AppendCube(std::vector<TPaletteEntry>& entries) {
  for (int r = 0; r < kCubeLevels; ++r)
    for (int g = 0; g < kCubeLevels; ++g)
      for (int b = 0; b < kCubeLevels; ++b)
        entries.push_back({static_cast<std::uint8_t>(r * kCubeStep), static_cast<std::uint8_t>(g * kCubeStep),
                           static_cast<std::uint8_t>(b * kCubeStep), 0});
}

}  // namespace

TPaletteHandle BuildWebCubePalette() {
  std::vector<TPaletteEntry> entries;
  AppendCube(entries);
  return std::make_unique<TPalette>(std::move(entries));
}

TPaletteHandle BuildGrayPalette() {
  std::vector<TPaletteEntry> entries;
  for (int i = 0; i < 256; ++i) entries.push_back(Grey(i));
  return std::make_unique<TPalette>(std::move(entries));
}

TPaletteHandle BuildMonochromePalette() { return GreyPalette({0, 255}); }

TPaletteHandle BuildSystemGrayPalette() { return GreyPalette({0, 128, 192, 255}); }

TPaletteHandle BuildSystemPalette() {
  return std::make_unique<TPalette>(std::vector<TPaletteEntry>(kSystemColors.begin(), kSystemColors.end()));
}

// There is no display to ask for a halftone palette, so this is our own, in the usual
// shape: system colours 0-9 (entries 0-9), the 216-colour cube red outermost (10-225),
// the greys 255 i / 21 for i = 1...20, none of which the cube already holds (226-245),
// and system colours 10-19 (246-255). Built from tables alone, it cannot run out of
// system resources.
TPaletteHandle BuildHalftonePalette() {
  std::vector<TPaletteEntry> entries(kSystemColors.begin(), kSystemColors.begin() + kSystemHalf);
  AppendCube(entries);
  for (int i = 1; i <= kHalftoneGreys; ++i) entries.push_back(Grey(255 * i / (kHalftoneGreys + 1)));
  entries.insert(entries.end(), kSystemColors.begin() + kSystemHalf, kSystemColors.end());
  for (TPaletteEntry& e : entries) e.flags = kPaletteNoCollapse;
  return std::make_unique<TPalette>(std::move(entries));
}
