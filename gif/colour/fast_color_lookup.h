// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Nearest-colour lookup over any palette, with a cache of one answer per cell of a
// 5-bit-per-channel grid.
#include <array>
#include <cstdint>
#include <vector>

#include "gif/colour/color_lookup.h"
#include "platform/palette.h"

class TFastColorLookup final : public TColorLookup {
public:
  // Uses the first 256 entries of `palette`; none or an empty one gives ColorCount 0.
  explicit TFastColorLookup(const TPalette* palette);

  // The cell's cached answer, or else the entry with the smallest sum of absolute channel
  // differences (lowest index on ties), which the cell then keeps. Answers therefore
  // depend on the order colours are asked in.
  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override;

private:
  static constexpr int kCells = 1 << 15;
  std::vector<TPaletteEntry> entries_;
  std::vector<std::int16_t> cache_;
};
