// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/exact_color_lookup.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kChannelShift = 8;

int ColorCountOf(const TPalette* palette) {
  return palette ? std::min(palette->Count(), kMaxPaletteEntries) : 0;
}

int Squared(int d) { return d * d; }

// The squared distance from `value` to the nearest and the farthest point of [low, high].
int NearestSquared(int value, int low, int high) {
  return value < low ? Squared(low - value) : value > high ? Squared(value - high) : 0;
}
int FarthestSquared(int value, int low, int high) {
  return std::max(Squared(value - low), Squared(value - high));
}

std::array<int, 3> Channels(const TPaletteEntry& e) { return {e.red, e.green, e.blue}; }

}  // namespace

TExactColorLookup::TExactColorLookup(const TPalette* palette)
    : TColorLookup(ColorCountOf(palette)), candidates_(kCells), known_(kCells, false) {
  if (palette) entries_ = palette->Entries(0, ColorCount());
}

const std::vector<std::uint8_t>& TExactColorLookup::CandidatesOf(int cell) {
  std::vector<std::uint8_t>& candidates = candidates_[static_cast<std::size_t>(cell)];
  if (known_[static_cast<std::size_t>(cell)]) return candidates;
  constexpr int kSide = 1 << (kChannelShift - kCellBits);
  constexpr int kMask = (1 << kCellBits) - 1;
  const std::array<int, 3> low = {(cell & kMask) * kSide, ((cell >> kCellBits) & kMask) * kSide,
                                  (cell >> (2 * kCellBits)) * kSide};
  // An entry can be nearest to a colour of the cell only if its nearest point is no farther
  // than the farthest point of the entry that is best in the worst case.
  std::vector<int> nearest(entries_.size());
  int bound = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::array<int, 3> e = Channels(entries_[i]);
    int near = 0, far = 0;
    for (std::size_t c = 0; c < e.size(); ++c) {
      near += NearestSquared(e[c], low[c], low[c] + kSide - 1);
      far += FarthestSquared(e[c], low[c], low[c] + kSide - 1);
    }
    nearest[i] = near;
    bound = std::min(bound, far);
  }
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (nearest[i] <= bound) candidates.push_back(static_cast<std::uint8_t>(i));
  known_[static_cast<std::size_t>(cell)] = true;
  return candidates;
}

std::uint8_t TExactColorLookup::MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                         std::uint8_t& outRed, std::uint8_t& outGreen,
                                         std::uint8_t& outBlue) {
  if (entries_.empty()) return 0;
  constexpr int kShift = kChannelShift - kCellBits;
  const int cell = (red >> kShift) | ((green >> kShift) << kCellBits) | ((blue >> kShift) << (2 * kCellBits));
  std::uint8_t best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  // Candidates ascend, so the first of equal distances is the lowest index.
  for (const std::uint8_t i : CandidatesOf(cell)) {
    const TPaletteEntry& e = entries_[i];
    const int d = Squared(e.red - red) + Squared(e.green - green) + Squared(e.blue - blue);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  const TPaletteEntry& e = entries_[best];
  outRed = e.red;
  outGreen = e.green;
  outBlue = e.blue;
  return best;
}
