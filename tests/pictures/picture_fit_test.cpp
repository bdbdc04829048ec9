// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_fit.h"

#include <gtest/gtest.h>

using pictures::FittedSize;

TEST(PictureFit, ShrinksToTheBoxKeepingProportions) {
  EXPECT_EQ(FittedSize({1000, 500}, {456, 240}), QSize(456, 228));
  EXPECT_EQ(FittedSize({500, 1000}, {456, 240}), QSize(120, 240));
  EXPECT_EQ(FittedSize({10000, 10}, {456, 240}), QSize(456, 1));
}

TEST(PictureFit, EnlargesOnlyByWholeFactorsUpToTheScreensScale) {
  EXPECT_EQ(FittedSize({100, 50}, {456, 240}), QSize(100, 50));
  EXPECT_EQ(FittedSize({100, 50}, {456, 240}, 2), QSize(200, 100));
  EXPECT_EQ(FittedSize({200, 100}, {456, 240}, 2), QSize(400, 200));
  EXPECT_EQ(FittedSize({300, 200}, {456, 240}, 2), QSize(300, 200));  // 1.2 times would blur
}

TEST(PictureFit, NothingFitsAnEmptyBox) {
  EXPECT_TRUE(FittedSize({100, 50}, {0, 240}).isEmpty());
  EXPECT_TRUE(FittedSize({0, 0}, {456, 240}).isEmpty());
  EXPECT_TRUE(pictures::FitPicture(QImage(), {456, 240}).isNull());
}

TEST(PictureFit, EnlargesByRepeatingPixels) {
  QImage halves(2, 1, QImage::Format_RGB32);
  halves.setPixel(0, 0, qRgb(0, 0, 0));
  halves.setPixel(1, 0, qRgb(255, 255, 255));
  const QImage scaled = pictures::FitPicture(halves, {4, 4}, 2);
  ASSERT_EQ(scaled.size(), QSize(4, 2));
  EXPECT_EQ(qRed(scaled.pixel(1, 1)), 0);
  EXPECT_EQ(qRed(scaled.pixel(2, 1)), 255);
}

TEST(PictureFit, ShrinksByAveragingTheAreaEachPixelCovers) {
  // One white column in four: sampling, even blended between neighbours, would miss or
  // catch it; the area's mean is a quarter of white everywhere.
  QImage lines(400, 40, QImage::Format_RGB32);
  for (int x = 0; x < lines.width(); ++x)
    for (int y = 0; y < lines.height(); ++y)
      lines.setPixel(x, y, x % 4 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  const QImage scaled = pictures::FitPicture(lines, {100, 10});
  ASSERT_EQ(scaled.size(), QSize(100, 10));
  for (int x = 0; x < scaled.width(); ++x) EXPECT_NEAR(qRed(scaled.pixel(x, 5)), 64, 2) << x;
}

TEST(PictureFit, SmallPicturesGoInlineLargeOnesOnAPageOfTheirOwn) {
  const QSize area(456, 240);
  const pictures::TPicturePlace rule = pictures::PlacePicture({400, 40}, area, 20);
  EXPECT_FALSE(rule.ownPage);
  EXPECT_EQ(rule.size, QSize(400, 40));
  EXPECT_FALSE(pictures::PlacePicture({40, 40}, area, 20).ownPage);  // 80 high: a third
  const pictures::TPicturePlace photo = pictures::PlacePicture({300, 200}, area, 20);
  EXPECT_TRUE(photo.ownPage);
  EXPECT_EQ(photo.size, QSize(300, 200));  // never enlarged at 480 × 272
  EXPECT_EQ(pictures::PlacePicture({600, 600}, area, 20).size,
            QSize(220, 220));  // the caption's 20 pixels free
}
