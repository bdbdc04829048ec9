// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the palettes that the image and its frames build and cache.
#include "platform/palette.h"

namespace detail {

// A new palette with the same entries, or none.
TPaletteHandle CopyOf(const TPalette* palette);
// Both none, or both with the same entries.
bool SamePalette(const TPalette* a, const TPalette* b);
// The fixed palette used when the display wants dithering: the 216-colour cube.
TPaletteHandle DitherPalette();

}  // namespace detail
