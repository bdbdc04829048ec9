// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps every error-diffusion ditherer shares for one pixel.
#include <algorithm>
#include <array>
#include <cstdint>

#include "gif/colour/dither_engine.h"

namespace detail {

// Per channel: red, green, blue.
using TChannels = std::array<int, 3>;

struct TDiffusedPixel {
  std::uint8_t index;
  std::array<std::uint8_t, 3> obtained;
  TChannels error;  // corrected minus obtained
};

// Corrects each channel of `input` by (incoming + divisor / 2) / divisor, truncating toward
// zero, clamps to 0...255, maps the result through the plain walker of `engine` (which
// advances its column) and reports what the lookup gave and the error left over. What the
// clamp cut off is not part of the error. Inline so that a constant divisor needs no division.
inline TDiffusedPixel DiffusePixel(TDitherEngine& engine, const TChannels& input, const TChannels& incoming,
                                   int divisor) {
  std::array<std::uint8_t, 3> wanted{};
  for (std::size_t c = 0; c < wanted.size(); ++c)
    wanted[c] =
        static_cast<std::uint8_t>(std::clamp(input[c] + (incoming[c] + divisor / 2) / divisor, 0, 255));
  TDiffusedPixel pixel{};
  pixel.index = engine.TDitherEngine::DitherPixel(wanted[0], wanted[1], wanted[2], pixel.obtained[0],
                                                  pixel.obtained[1], pixel.obtained[2]);
  for (std::size_t c = 0; c < wanted.size(); ++c) pixel.error[c] = wanted[c] - pixel.obtained[c];
  return pixel;
}

}  // namespace detail
