// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reduces a true-colour bitmap to an 8-bit bitmap of at most 256 colours.
#include <memory>

#include "gif/colour/reduction_method.h"
#include "platform/bitmap.h"
#include "platform/palette.h"

// Returns a new bitmap owned by the caller: 8 bits per pixel, a 256-entry colour table
// holding the method's palette first and black after it, pixels walked serpentine (even
// rows left to right, odd rows right to left) by the dither method. Converts `source` to
// 24 bits in place. Method None returns a 24-bit copy and leaves `source` alone. A method
// or dither value outside the enumerations, or a palette without colours (CustomPalette
// with none), gives an empty bitmap, not an error. `paletteBits` (0...8) sizes the palette
// of Optimized: GIFException "Palette bits out of range" otherwise. `customPalette` is
// read by CustomPalette only.
std::unique_ptr<TBitmap> ReduceToPalette(TBitmap& source, TReductionMethod method, TDitherMethod dither,
                                         int paletteBits, const TPalette* customPalette);
