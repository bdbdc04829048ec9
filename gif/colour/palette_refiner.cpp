// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/palette_refiner.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "gif/colour/exact_color_lookup.h"

void RefinePalette(std::vector<TPaletteEntry>& palette, std::span<const std::uint32_t> colours, int rounds) {
  if (palette.empty() || colours.empty()) return;
  std::unordered_map<std::uint32_t, long long> uses;
  for (const std::uint32_t c : colours) ++uses[c & 0xFFFFFF];
  for (int round = 0; round < rounds; ++round) {
    const TPalette current(palette);
    TExactColorLookup lookup(&current);
    std::vector<std::array<long long, 4>> sums(palette.size());  // red, green, blue, pixels
    for (const auto& [c, count] : uses) {
      std::uint8_t r, g, b;
      const std::uint8_t i = lookup.MapColor(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF, r, g, b);
      std::array<long long, 4>& sum = sums[i];
      sum[0] += (c >> 16 & 0xFF) * count;
      sum[1] += (c >> 8 & 0xFF) * count;
      sum[2] += (c & 0xFF) * count;
      sum[3] += count;
    }
    bool moved = false;
    for (std::size_t i = 0; i < palette.size(); ++i) {
      const long long n = sums[i][3];
      if (n == 0) continue;
      const auto mean = [&](int c) { return static_cast<std::uint8_t>((sums[i][c] + n / 2) / n); };
      const TPaletteEntry next{mean(0), mean(1), mean(2), palette[i].flags};
      moved = moved || !(next == palette[i]);
      palette[i] = next;
    }
    if (!moved) return;
  }
}
