// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/floyd_steinberg_ditherer.h"

#include "gif/colour/error_diffusion.h"

namespace {

constexpr int kDivisor = 16;
constexpr std::size_t kChannels = 3;

}  // namespace

TFloydSteinbergDitherer::TFloydSteinbergDitherer(int width, TColorLookup& lookup)
    : TDitherEngine(width, lookup), cells_((static_cast<std::size_t>(width) + 2) * kChannels, 0) {}

// Column x uses cell x on left-to-right rows and cell x + 2 on right-to-left ones, so each
// row reads what the row before gathered one column behind it in its own direction.
std::size_t TFloydSteinbergDitherer::Cursor() const {
  return static_cast<std::size_t>(CurrentColumn() + (StepDirection() > 0 ? 0 : 2));
}

std::uint8_t TFloydSteinbergDitherer::DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                                  std::uint8_t& outRed, std::uint8_t& outGreen,
                                                  std::uint8_t& outBlue) {
  int* cell = cells_.data() + Cursor() * kChannels;
  detail::TChannels incoming{};
  for (std::size_t c = 0; c < kChannels; ++c) incoming[c] = cell[c] + carried_[c].current;
  const detail::TDiffusedPixel pixel = detail::DiffusePixel(*this, {red, green, blue}, incoming, kDivisor);
  // A zero error is spread like any other: the cell must not keep what it held, or the
  // next row would read that error a second time.
  for (std::size_t c = 0; c < kChannels; ++c) {
    const int e = pixel.error[c];
    TCarried& carried = carried_[c];
    cell[c] = carried.belowPrevious + 3 * e;
    carried.belowPrevious = carried.below + 5 * e;
    carried.below = e;
    carried.current = 7 * e;
  }
  outRed = pixel.obtained[0];
  outGreen = pixel.obtained[1];
  outBlue = pixel.obtained[2];
  return pixel.index;
}

void TFloydSteinbergDitherer::EndRow() {
  int* cell = cells_.data() + Cursor() * kChannels;
  for (std::size_t c = 0; c < kChannels; ++c) cell[c] = carried_[c].belowPrevious;
  carried_ = {};
  TDitherEngine::EndRow();
}
