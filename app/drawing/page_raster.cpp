// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/page_raster.h"

#include <QImage>
#include <algorithm>
#include <bit>

#include "app/layout/page_layout.h"

namespace {

// Qt's RGB32 pixels are the words 0xffRRGGBB: in memory blue, green, red and an unused byte,
// the bitmap's own layout, on a little-endian machine; the other way round on a big-endian one.
constexpr bool kQtByteOrderDiffers = std::endian::native != std::endian::little;

void ReverseEveryPixel(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* pixel = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, pixel += 4) std::reverse(pixel, pixel + 4);
  }
}

}  // namespace

TPageRaster::TPageRaster() : TPageRaster(kPageWidth, kPageHeight) {}

TPageRaster::TPageRaster(int width, int height)
    : width_(width), height_(height), bitmap_(width, height, pfDevice) {}

TBitmap& TPageRaster::Bitmap() {
  if (kQtByteOrderDiffers && inQtByteOrder_) ReverseEveryPixel(bitmap_);
  inQtByteOrder_ = false;
  return bitmap_;
}

QImage TPageRaster::PaintTarget() {
  if (bitmap_.PixelFormat() != pfDevice) {
    // Every page begins with a fill, so the old pixels need no conversion: emptying
    // the bitmap first makes the format change a mere reallocation.
    bitmap_.SetSize(0, 0);
    bitmap_.SetPixelFormat(pfDevice);
    bitmap_.SetSize(width_, height_);
  }
  if (kQtByteOrderDiffers && !inQtByteOrder_) ReverseEveryPixel(bitmap_);
  inQtByteOrder_ = true;
  return QImage(bitmap_.ScanLine(0), width_, height_, bitmap_.Stride(), QImage::Format_RGB32);
}
