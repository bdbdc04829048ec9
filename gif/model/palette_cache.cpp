// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/palette_cache.h"

#include "gif/colour/fixed_palettes.h"

namespace detail {

TPaletteHandle CopyOf(const TPalette* palette) {
  return palette ? std::make_unique<TPalette>(*palette) : nullptr;
}

bool SamePalette(const TPalette* a, const TPalette* b) {
  if (!a || !b) return a == b;
  return a->Entries() == b->Entries();
}

TPaletteHandle DitherPalette() { return BuildWebCubePalette(); }

}  // namespace detail
