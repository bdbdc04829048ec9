// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Nearest-colour lookup that is exact: the palette entry at the smallest squared distance,
// whatever order colours are asked in. Gradients map to every colour the palette holds
// near them, instead of the one a coarse cache met first, which draws streaks.
#include <array>
#include <cstdint>
#include <vector>

#include "gif/colour/color_lookup.h"
#include "platform/palette.h"

class TExactColorLookup final : public TColorLookup {
public:
  // The answers do not depend on the order of the questions.
  static constexpr bool kOrderFree = true;

  // Uses the first 256 entries of `palette`; none or an empty one gives ColorCount 0.
  explicit TExactColorLookup(const TPalette* palette);
  // The entry with the smallest sum of squared channel differences, the lowest index on ties.
  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override;

private:
  // The search runs over the entries that can be nearest to some colour of a cell of a
  // coarse grid, found the first time the cell is asked about.
  static constexpr int kCellBits = 4;
  static constexpr int kCells = 1 << (3 * kCellBits);
  const std::vector<std::uint8_t>& CandidatesOf(int cell);

  std::vector<TPaletteEntry> entries_;
  std::vector<std::vector<std::uint8_t>> candidates_;
  std::vector<bool> known_;
};
