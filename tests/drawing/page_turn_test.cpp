// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/page_turn.h"

#include <gtest/gtest.h>

#include <QImage>

#include "app/drawing/page_raster.h"

namespace {

// A tall page with a mark in its top left corner.
TPageRaster MarkedTallPage() {
  TPageRaster raster(272, 480);
  QImage target = raster.PaintTarget();
  EXPECT_EQ(target.size(), QSize(272, 480));
  target.fill(Qt::white);
  target.setPixel(0, 0, qRgb(255, 0, 0));
  target.setPixel(1, 0, qRgb(0, 0, 255));
  return raster;
}

QRgb PixelOf(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* pixel = bitmap.ScanLine(y) + 4 * x;
  return qRgb(pixel[2], pixel[1], pixel[0]);
}

}  // namespace

TEST(PageTurn, AConsoleHeldLeftShowsThePageTurnedRight) {
  TPageRaster raster = MarkedTallPage();
  const TBitmap turned = TurnPage(raster.Bitmap(), TConsoleTurn::Left);
  ASSERT_EQ(turned.Width(), 480);
  ASSERT_EQ(turned.Height(), 272);
  // The page's top left corner goes to the top right, its top row down the right edge.
  EXPECT_EQ(PixelOf(turned, 479, 0), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(turned, 479, 1), qRgb(0, 0, 255));
  EXPECT_EQ(PixelOf(turned, 0, 0), qRgb(255, 255, 255));
}

TEST(PageTurn, AConsoleHeldRightShowsThePageTurnedLeft) {
  TPageRaster raster = MarkedTallPage();
  const TBitmap turned = TurnPage(raster.Bitmap(), TConsoleTurn::Right);
  ASSERT_EQ(turned.Width(), 480);
  ASSERT_EQ(turned.Height(), 272);
  EXPECT_EQ(PixelOf(turned, 0, 271), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(turned, 0, 270), qRgb(0, 0, 255));
  // Turned back the other way, the page is as it was.
  const TBitmap back = TurnPage(turned, TConsoleTurn::Left);
  for (int y : {0, 1, 479})
    for (int x : {0, 1, 271}) EXPECT_EQ(PixelOf(back, x, y), PixelOf(raster.Bitmap(), x, y));
}
