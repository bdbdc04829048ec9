// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/optimized_palette.h"

#include <algorithm>

#include "gif/colour/color_quantizer.h"
#include "gif/colour/fixed_palettes.h"
#include "platform/exceptions.h"

namespace {

constexpr int kFramedColors = 256;
constexpr int kFrameHalf = 10;
constexpr int kMaxColorBits = 8;

}  // namespace

TPaletteHandle BuildOptimizedPalette(TDIBReader& reader, int colors, int colorBits, bool systemFrame) {
  if (colors < 1 || colors > kMaxPaletteEntries || colorBits < 1 || colorBits > kMaxColorBits)
    throw GIFException("Palette bits out of range");
  std::vector<TPaletteEntry> entries(static_cast<std::size_t>(systemFrame ? kFramedColors : colors));
  int asked = colors;
  int start = 0;
  if (systemFrame) {
    const TPaletteHandle system = BuildSystemPalette();
    const int count = system->Count();
    for (int i = 0; i < kFrameHalf; ++i) {
      entries[static_cast<std::size_t>(i)] = (*system)[i];
      entries[static_cast<std::size_t>(kFramedColors - kFrameHalf + i)] = (*system)[count - kFrameHalf + i];
    }
    asked = kFramedColors - 2 * kFrameHalf;
    start = kFrameHalf;
  }

  TColorQuantizer quantizer(asked, colorBits);
  quantizer.ProcessImage(reader);
  const std::vector<TRGBQuad> table = quantizer.CollectPalette();
  // A picture with fewer colours than asked leaves the remaining places black.
  const std::size_t copied = std::min(table.size(), static_cast<std::size_t>(asked));
  for (std::size_t i = 0; i < copied; ++i)
    entries[static_cast<std::size_t>(start) + i] = {table[i].red, table[i].green, table[i].blue, 0};
  return std::make_unique<TPalette>(std::move(entries));
}

TPaletteHandle BuildOptimizedPaletteFromBitmap(TBitmap& bitmap, int colors, int colorBits, bool systemFrame) {
  TDIBReader reader(bitmap, pf24bit);
  return BuildOptimizedPalette(reader, colors, colorBits, systemFrame);
}
