// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/kernel_ditherers.h"

#include <algorithm>
#include <span>

#include "gif/colour/error_diffusion.h"

namespace detail {

// One weight of a kernel: `offset` counts pixels in the walking direction.
struct TKernelTap {
  int row;
  int offset;
  int weight;
};

struct TDiffusionKernel {
  int rows;
  int margin;  // spare cells at each end of a row, the kernel's reach to either side
  int divisor;
  std::span<const TKernelTap> taps;
};

}  // namespace detail

namespace {

using detail::TDiffusionKernel;
using detail::TKernelTap;

constexpr std::size_t kChannels = 3;

constexpr TKernelTap kStuckiTaps[] = {{0, 1, 8},  {0, 2, 4},                                    //
                                      {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2},  //
                                      {2, -2, 1}, {2, -1, 2}, {2, 0, 4}, {2, 1, 2}, {2, 2, 1}};
constexpr TKernelTap kSierraTaps[] = {{0, 1, 5},  {0, 2, 3},                                    //
                                      {1, -2, 2}, {1, -1, 4}, {1, 0, 5}, {1, 1, 4}, {1, 2, 2},  //
                                      {2, -1, 2}, {2, 0, 3},  {2, 1, 2}};
constexpr TKernelTap kJaJuNiTaps[] = {{0, 1, 7},  {0, 2, 5},                                    //
                                      {1, -2, 3}, {1, -1, 5}, {1, 0, 7}, {1, 1, 5}, {1, 2, 3},  //
                                      {2, -2, 1}, {2, -1, 3}, {2, 0, 5}, {2, 1, 3}, {2, 2, 1}};
constexpr TKernelTap kSteveArcheTaps[] = {{0, 2, 32},                                        //
                                          {1, -3, 12}, {1, -1, 26}, {1, 1, 30}, {1, 3, 16},  //
                                          {2, -2, 12}, {2, 0, 26},  {2, 2, 12},              //
                                          {3, -3, 5},  {3, -1, 12}, {3, 1, 12}, {3, 3, 5}};
constexpr TKernelTap kBurkesTaps[] = {{0, 1, 8},  {0, 2, 4},  //
                                      {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}};

constexpr TDiffusionKernel kStucki{3, 2, 42, kStuckiTaps};
constexpr TDiffusionKernel kSierra{3, 2, 32, kSierraTaps};
constexpr TDiffusionKernel kJaJuNi{3, 2, 48, kJaJuNiTaps};
constexpr TDiffusionKernel kSteveArche{4, 3, 200, kSteveArcheTaps};
constexpr TDiffusionKernel kBurkes{2, 2, 32, kBurkesTaps};

// Every weight must stay inside the kernel's rows and spare cells, and the weights must
// add up to the divisor, or error would be lost or invented.
constexpr bool IsWellFormed(const TDiffusionKernel& kernel) {
  int sum = 0;
  for (const TKernelTap& tap : kernel.taps) {
    if (tap.row < 0 || tap.row >= kernel.rows || tap.offset < -kernel.margin || tap.offset > kernel.margin)
      return false;
    if (tap.row == 0 && tap.offset <= 0) return false;  // only pixels still to come
    sum += tap.weight;
  }
  return sum == kernel.divisor;
}
static_assert(IsWellFormed(kStucki) && IsWellFormed(kSierra) && IsWellFormed(kJaJuNi) &&
              IsWellFormed(kSteveArche) && IsWellFormed(kBurkes));

}  // namespace

TKernelDitherer::TKernelDitherer(int width, TColorLookup& lookup, const detail::TDiffusionKernel& kernel)
    : TDitherEngine(width, lookup),
      kernel_(kernel),
      rows_(static_cast<std::size_t>(kernel.rows),
            std::vector<int>(
                (static_cast<std::size_t>(width) + 2 * static_cast<std::size_t>(kernel.margin)) * kChannels,
                0)) {}

std::uint8_t TKernelDitherer::DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                          std::uint8_t& outRed, std::uint8_t& outGreen,
                                          std::uint8_t& outBlue) {
  // Column x uses cell x + margin, so the kernel's reach past either edge lands in spare cells.
  const auto cell = static_cast<std::size_t>(CurrentColumn() + kernel_.margin);
  const int* current = rows_[0].data() + cell * kChannels;
  const detail::TDiffusedPixel pixel =
      detail::DiffusePixel(*this, {red, green, blue}, {current[0], current[1], current[2]}, kernel_.divisor);
  SpreadError(cell, pixel.error);
  outRed = pixel.obtained[0];
  outGreen = pixel.obtained[1];
  outBlue = pixel.obtained[2];
  return pixel.index;
}

void TKernelDitherer::SpreadError(std::size_t cell, const std::array<int, 3>& error) {
  if (error == std::array<int, 3>{}) return;
  // The walker has already stepped on, but the direction of the pixel's own row is unchanged.
  const int direction = StepDirection();
  for (const TKernelTap& tap : kernel_.taps) {
    int* target = rows_[static_cast<std::size_t>(tap.row)].data() +
                  static_cast<std::size_t>(static_cast<int>(cell) + tap.offset * direction) * kChannels;
    for (std::size_t c = 0; c < kChannels; ++c) target[c] += tap.weight * error[c];
  }
}

void TKernelDitherer::EndRow() {
  // Rotating the row buffers costs nothing; only the finished row is cleared.
  std::fill(rows_[0].begin(), rows_[0].end(), 0);
  std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
  TDitherEngine::EndRow();
}

TStuckiDitherer::TStuckiDitherer(int width, TColorLookup& lookup) : T5by3Ditherer(width, lookup, kStucki) {}
TSierraDitherer::TSierraDitherer(int width, TColorLookup& lookup) : T5by3Ditherer(width, lookup, kSierra) {}
TJaJuNiDitherer::TJaJuNiDitherer(int width, TColorLookup& lookup) : T5by3Ditherer(width, lookup, kJaJuNi) {}
TSteveArcheDitherer::TSteveArcheDitherer(int width, TColorLookup& lookup)
    : TKernelDitherer(width, lookup, kSteveArche) {}
TBurkesDitherer::TBurkesDitherer(int width, TColorLookup& lookup) : TKernelDitherer(width, lookup, kBurkes) {}
