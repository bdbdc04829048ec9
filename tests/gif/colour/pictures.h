// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pictures, readers and lookup calls for the colour reduction tests.
#include <cstdint>
#include <functional>
#include <vector>

#include "gif/colour/color_lookup.h"
#include "platform/bitmap.h"
#include "platform/palette.h"

struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A 24-bit picture whose pixel (x, y) is colorAt(x, y).
inline TBitmap Picture24(int width, int height, const std::function<Rgb(int x, int y)>& colorAt) {
  TBitmap bitmap(width, height, pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Rgb c = colorAt(x, y);
      std::uint8_t* p = bitmap.ScanLine(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(c.b);
      p[1] = static_cast<std::uint8_t>(c.g);
      p[2] = static_cast<std::uint8_t>(c.r);
    }
  return bitmap;
}

// Converted to the display's 32-bit format, as the page raster is.
inline TBitmap DevicePicture(int width, int height, const std::function<Rgb(int x, int y)>& colorAt) {
  TBitmap bitmap = Picture24(width, height, colorAt);
  bitmap.SetPixelFormat(pfDevice);
  return bitmap;
}

inline std::vector<std::uint8_t> Indices(const TBitmap& bitmap) {
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < bitmap.Height(); ++y)
    indices.insert(indices.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width());
  return indices;
}

inline Rgb TableColor(const TBitmap& bitmap, int index) {
  const TRGBQuad& q = bitmap.ColorTable().at(static_cast<std::size_t>(index));
  return {q.red, q.green, q.blue};
}

struct Mapped {
  int index;
  Rgb color;
};

inline Mapped Map(TColorLookup& lookup, int r, int g, int b) {
  std::uint8_t outR, outG, outB;
  const int index = lookup.MapColor(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                    static_cast<std::uint8_t>(b), outR, outG, outB);
  return {index, {outR, outG, outB}};
}
