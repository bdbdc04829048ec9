// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A deterministic 480 x 272 page of text-like content for the benchmarks.
#include <cstdint>

#include "platform/bitmap.h"

inline constexpr int kTextRasterWidth = 480;
inline constexpr int kTextRasterHeight = 272;

// Dark glyph strokes with a few grey edge pixels on white, in lines of 16 rows.
inline TBitmap TextPage(TPixelFormat format) {
  TBitmap page(kTextRasterWidth, kTextRasterHeight, pf24bit);
  std::uint32_t seed = 12345;
  for (int y = 0; y < kTextRasterHeight; ++y) {
    std::uint8_t* row = page.ScanLine(y);
    for (int x = 0; x < kTextRasterWidth; ++x) {
      seed = seed * 1103515245u + 12345u;
      const int roll = static_cast<int>((seed >> 16) % 100);
      const bool inLine = y % 16 >= 2 && y % 16 < 14 && x >= 8 && x < kTextRasterWidth - 8;
      std::uint8_t v = 255;
      if (inLine && roll < 18)
        v = 0;
      else if (inLine && roll < 24)
        v = static_cast<std::uint8_t>(64 + roll * 5);
      row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = v;
    }
  }
  page.SetPixelFormat(format);
  return page;
}
