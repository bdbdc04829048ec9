// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Error diffusion by a table of weights over the current row and the rows below it:
// Stucki, Sierra, Jarvis-Judice-Ninke (the 5 x 3 family), Stevenson-Arce and Burkes.
#include <array>
#include <vector>

#include "gif/colour/dither_engine.h"

namespace detail {
struct TDiffusionKernel;
}

// Walks with one kernel; the kernel is mirrored on right-to-left rows. Cells hold errors
// times weights; each is divided once, by the kernel's divisor, when its pixel is reached.
class TKernelDitherer : public TDitherEngine {
public:
  std::uint8_t DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                           std::uint8_t& outGreen, std::uint8_t& outBlue) override;
  // Clears the finished row and makes it the last of the rows ahead.
  void EndRow() override;

protected:
  TKernelDitherer(int width, TColorLookup& lookup, const detail::TDiffusionKernel& kernel);

private:
  void SpreadError(std::size_t cell, const std::array<int, 3>& error);

  const detail::TDiffusionKernel& kernel_;
  std::vector<std::vector<int>> rows_;  // row 0 is the current one; cells of red, green, blue
};

// Kernels two pixels to each side over the current row and the two rows below.
class T5by3Ditherer : public TKernelDitherer {
protected:
  using TKernelDitherer::TKernelDitherer;
};

class TStuckiDitherer final : public T5by3Ditherer {
public:
  TStuckiDitherer(int width, TColorLookup& lookup);
};

class TSierraDitherer final : public T5by3Ditherer {
public:
  TSierraDitherer(int width, TColorLookup& lookup);
};

class TJaJuNiDitherer final : public T5by3Ditherer {
public:
  TJaJuNiDitherer(int width, TColorLookup& lookup);
};

class TSteveArcheDitherer final : public TKernelDitherer {
public:
  TSteveArcheDitherer(int width, TColorLookup& lookup);
};

class TBurkesDitherer final : public TKernelDitherer {
public:
  TBurkesDitherer(int width, TColorLookup& lookup);
};
