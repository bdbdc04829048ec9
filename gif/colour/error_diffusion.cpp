#include "gif/colour/error_diffusion.h"

#include <algorithm>

namespace detail {

TDiffusedPixel DiffusePixel(TDitherEngine& engine, const TChannels& input, const TChannels& incoming, int divisor) {
  std::array<std::uint8_t, 3> wanted{};
  for (std::size_t c = 0; c < wanted.size(); ++c)
    wanted[c] = static_cast<std::uint8_t>(std::clamp(input[c] + (incoming[c] + divisor / 2) / divisor, 0, 255));
  TDiffusedPixel pixel{};
  pixel.index = engine.TDitherEngine::DitherPixel(wanted[0], wanted[1], wanted[2], pixel.obtained[0],
                                                  pixel.obtained[1], pixel.obtained[2]);
  for (std::size_t c = 0; c < wanted.size(); ++c) pixel.error[c] = wanted[c] - pixel.obtained[c];
  return pixel;
}

}  // namespace detail
