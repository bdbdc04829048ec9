// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reduction settings a GIF image carries and hands to the colour reduction.
#include <cstdint>

// How a true-colour raster is reduced to at most 256 colours.
enum class TReductionMethod : std::uint8_t {
  None = 0,
  System20 = 1,
  Halftone256 = 2,
  SystemGray4 = 3,
  Monochrome = 4,
  GrayScale256 = 5,
  WebCube216 = 6,
  Optimized = 7,
  OptimizedSystem = 8,
  CustomPalette = 9,
};

// How pixels are walked while mapping: nearest colour, or one of the error-diffusion kernels.
enum class TDitherMethod : std::uint8_t {
  Nearest = 0,
  FloydSteinberg = 1,
  Stucki = 2,
  Sierra = 3,
  JaJuNi = 4,
  SteveArche = 5,
  Burkes = 6,
};
