// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed palettes of the colour reduction, in entry order. Each returns a new palette
// owned by the caller.
#include "platform/palette.h"

// The 6 x 6 x 6 cube of steps of 51: entry 36 r + 6 g + b is (51 r, 51 g, 51 b); flags 0.
TPaletteHandle BuildWebCubePalette();
// Greys 0...255, entry i = (i, i, i).
TPaletteHandle BuildGrayPalette();
// Black, white.
TPaletteHandle BuildMonochromePalette();
// Greys 0, 128, 192, 255.
TPaletteHandle BuildSystemGrayPalette();
// The 20 static colours of the classic desktop palette in their customary order.
TPaletteHandle BuildSystemPalette();
// 256 entries: system colours 0-9, the web cube, 20 greys, system colours 10-19.
TPaletteHandle BuildHalftonePalette();
