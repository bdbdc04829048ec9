#pragma once
// The page raster: one 480 × 272 true-colour bitmap that every page of every run is
// drawn on and handed to the GIF writer from.
#include "platform/bitmap.h"

class QImage;

class TPageRaster {
public:
  TPageRaster();

  // The bitmap, as the GIF writer imports it. The import may leave it in another format.
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }

  // Internal to app/: a Qt image over the bitmap's own memory, after making the bitmap
  // 32 bits per pixel again if an import changed it. Its pixels are undefined until filled.
  QImage PaintTarget();

private:
  TBitmap bitmap_;
};
