#pragma once
// The steps every error-diffusion ditherer shares for one pixel.
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
// clamp cut off is not part of the error.
TDiffusedPixel DiffusePixel(TDitherEngine& engine, const TChannels& input, const TChannels& incoming, int divisor);

}  // namespace detail
