// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Palettes built from a picture's own colours by the octree quantizer.
#include "gif/colour/dib.h"
#include "platform/bitmap.h"
#include "platform/palette.h"

// A palette of `colors` picture colours (1...256) at `colorBits` (1...8) tree depth, in tree
// order, places without a picture colour black. With `systemFrame` it has 256 entries:
// system colours 0-9, 236 picture colours, system colours 10-19. Reads every pixel of the
// 24-bit picture behind `reader`. GIFException "Palette bits out of range" otherwise.
TPaletteHandle BuildOptimizedPalette(TDIBReader& reader, int colors, int colorBits, bool systemFrame);

// The same over `bitmap`, which is first converted to 24 bits per pixel in place.
TPaletteHandle BuildOptimizedPaletteFromBitmap(TBitmap& bitmap, int colors, int colorBits, bool systemFrame);
