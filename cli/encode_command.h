// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// stronix-cli encode: one picture file written as a one-frame GIF with chosen settings.
#include <cstdint>
#include <ostream>
#include <string>

#include "gif/colour/reduction_method.h"

struct TEncodeOptions {
  std::string input;
  std::string output;
  // The GIF image's own defaults: web cube, nearest colour, 8 bits, LZW.
  TReductionMethod reduction = TReductionMethod::WebCube216;
  TDitherMethod dither = TDitherMethod::Nearest;
  int paletteBits = 8;
  std::uint8_t compression = 0;
};

// Reads the picture, builds the GIF image with the options' settings and writes it. Returns
// the exit code; failures are reported on `err`, and no output file is left behind.
int RunEncode(const TEncodeOptions& options, std::ostream& out, std::ostream& err);
