#include "app/page_raster.h"

#include <QImage>
#include <bit>

#include "app/page_layout.h"

TPageRaster::TPageRaster() : bitmap_(kPageWidth, kPageHeight, pfDevice) {}

QImage TPageRaster::PaintTarget() {
  if (bitmap_.PixelFormat() != pfDevice) {
    // Every page begins with a fill, so the old pixels need no conversion: emptying
    // the bitmap first makes the format change a mere reallocation.
    bitmap_.SetSize(0, 0);
    bitmap_.SetPixelFormat(pfDevice);
    bitmap_.SetSize(kPageWidth, kPageHeight);
  }
  // Rows of blue, green, red and an unused byte are Qt's RGB32 on a little-endian machine.
  static_assert(std::endian::native == std::endian::little);
  return QImage(bitmap_.ScanLine(0), kPageWidth, kPageHeight, bitmap_.Stride(), QImage::Format_RGB32);
}
