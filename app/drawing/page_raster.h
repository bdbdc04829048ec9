// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page raster: one true-colour bitmap, 480 × 272 unless another screen is asked for,
// that every page of every run is drawn on and handed to the GIF writer from.
#include "platform/bitmap.h"

class QImage;

class TPageRaster {
public:
  TPageRaster();
  // A raster of another size (a larger screen, or a page typeset tall for portrait).
  TPageRaster(int width, int height);

  // The bitmap, as the GIF writer imports it. The import may leave it in another format.
  TBitmap& Bitmap();

  // Internal to app/: a Qt image over the bitmap's own memory, after making the bitmap
  // 32 bits per pixel again if an import changed it. Its pixels are undefined until filled.
  // Valid until Bitmap() is next called.
  QImage PaintTarget();

private:
  int width_;
  int height_;
  TBitmap bitmap_;
  bool inQtByteOrder_ = false;  // painted on since Bitmap() was last called
};
