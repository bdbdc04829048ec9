// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_fit.h"

#include <gtest/gtest.h>

using pictures::FittedSize;

TEST(PictureFit, ShrinksToTheBoxKeepingProportions) {
  EXPECT_EQ(FittedSize({1000, 500}, {456, 240}), QSize(456, 228));
  EXPECT_EQ(FittedSize({500, 1000}, {456, 240}), QSize(120, 240));
  EXPECT_EQ(FittedSize({10000, 10}, {456, 240}), QSize(456, 1));
}

TEST(PictureFit, EnlargesAtMostTwice) {
  EXPECT_EQ(FittedSize({100, 50}, {456, 240}), QSize(200, 100));
  EXPECT_EQ(FittedSize({200, 100}, {456, 240}), QSize(400, 200));
}

TEST(PictureFit, NothingFitsAnEmptyBox) {
  EXPECT_TRUE(FittedSize({100, 50}, {0, 240}).isEmpty());
  EXPECT_TRUE(FittedSize({0, 0}, {456, 240}).isEmpty());
  EXPECT_TRUE(pictures::FitPicture(QImage(), {456, 240}).isNull());
}

TEST(PictureFit, ScalesThePixelsSmoothly) {
  QImage halves(2, 1, QImage::Format_RGB32);
  halves.setPixel(0, 0, qRgb(0, 0, 0));
  halves.setPixel(1, 0, qRgb(255, 255, 255));
  const QImage scaled = pictures::FitPicture(halves, {4, 4});
  ASSERT_EQ(scaled.size(), QSize(4, 2));
  // Smooth scaling blends across the edge; a plain one would copy the two pixels.
  const int middle = qRed(scaled.pixel(1, 0));
  EXPECT_GT(middle, 0);
  EXPECT_LT(middle, 255);
}

TEST(PictureFit, SmallPicturesGoInlineLargeOnesOnAPageOfTheirOwn) {
  const QSize area(456, 240);
  const pictures::TPicturePlace rule = pictures::PlacePicture({400, 40}, area, 20);
  EXPECT_FALSE(rule.ownPage);
  EXPECT_EQ(rule.size, QSize(456, 46));
  EXPECT_FALSE(pictures::PlacePicture({40, 40}, area, 20).ownPage);  // 80 high: a third
  const pictures::TPicturePlace photo = pictures::PlacePicture({300, 200}, area, 20);
  EXPECT_TRUE(photo.ownPage);
  EXPECT_EQ(photo.size, QSize(330, 220));  // the caption's 20 pixels left free
}
