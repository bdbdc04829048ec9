// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves a palette's colours to the means of the picture colours nearest to them, a few
// rounds over (k-means from the octree's answer): the octree cuts colour space on fixed
// boundaries, and smooth gradients and photographs lose a dB or more to it.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/palette.h"

// `colours` are the picture's pixels as 0x00RRGGBB. Each round maps every distinct colour
// to its nearest entry and sets each entry used to the rounded mean of what it stands for;
// entries nothing maps to stay. Stops early when a round changes nothing.
void RefinePalette(std::vector<TPaletteEntry>& palette, std::span<const std::uint32_t> colours, int rounds);
