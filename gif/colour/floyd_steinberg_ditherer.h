// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Floyd-Steinberg error diffusion over one row of cells per channel: 7/16 of a pixel's
// error goes to the next pixel, 3, 5 and 1 sixteenths to the row below.
#include <array>
#include <vector>

#include "gif/colour/dither_engine.h"

class TFloydSteinbergDitherer final : public TDitherEngine {
public:
  TFloydSteinbergDitherer(int width, TColorLookup& lookup);
  std::uint8_t DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                           std::uint8_t& outGreen, std::uint8_t& outBlue) override;
  void EndRow() override;

private:
  struct TCarried {
    int current = 0;        // for the next pixel of this row
    int below = 0;          // pending for the row below
    int belowPrevious = 0;  // pending for the row below, one cell further back
  };
  std::size_t Cursor() const;

  std::vector<int> cells_;  // RowWidth + 2 cells of red, green, blue
  std::array<TCarried, 3> carried_{};
};
