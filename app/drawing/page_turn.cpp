// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/page_turn.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int kPixelBytes = 4;

const std::uint8_t* PixelAt(const TBitmap& bitmap, int x, int y) {
  return bitmap.ScanLine(y) + static_cast<std::size_t>(x) * kPixelBytes;
}

}  // namespace

TBitmap TurnPage(const TBitmap& page, TConsoleTurn held) {
  TBitmap source(page);
  if (BitsPerPixel(source.PixelFormat()) != 32) source.SetPixelFormat(pf32bit);
  const int width = source.Width(), height = source.Height();
  TBitmap turned(height, width, source.PixelFormat());
  // A console turned left shows its screen's right edge at the top: the page turns right.
  const bool clockwise = held == TConsoleTurn::Left;
  for (int y = 0; y < width; ++y) {
    std::uint8_t* out = turned.ScanLine(y);
    for (int x = 0; x < height; ++x, out += kPixelBytes) {
      const int sourceX = clockwise ? y : width - 1 - y;
      const int sourceY = clockwise ? height - 1 - x : x;
      std::memcpy(out, PixelAt(source, sourceX, sourceY), kPixelBytes);
    }
  }
  return turned;
}

QRect TurnPlace(const QRect& place, const QSize& size, TConsoleTurn held) {
  // Clockwise, source (x, y) goes to (height - 1 - y, x); the other way to (y, width - 1 - x).
  if (held == TConsoleTurn::Left)
    return {size.height() - 1 - place.bottom(), place.left(), place.height(), place.width()};
  return {place.top(), size.width() - 1 - place.right(), place.height(), place.width()};
}
