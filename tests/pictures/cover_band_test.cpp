// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/cover_band.h"

#include <gtest/gtest.h>

#include <QPainter>

using pictures::BandPicture;

// How the band is faded is measured on a drawn title page, in tests/typeset.

namespace {

// A cover in three stripes, top to bottom: red, green, blue.
QImage Striped(int width, int height) {
  QImage cover(width, height, QImage::Format_RGB32);
  QPainter painter(&cover);
  for (const auto& [stripe, color] : {std::pair{0, Qt::red}, std::pair{1, Qt::green}, std::pair{2, Qt::blue}})
    painter.fillRect(0, stripe * height / 3, width, height / 3, color);
  return cover;
}

}  // namespace

TEST(CoverBand, FillsTheBandWithTheCoversMiddleAndEndsSoftly) {
  const QImage band = BandPicture(Striped(100, 300), {200, 100}, 4);
  ASSERT_EQ(band.size(), QSize(200, 100));
  EXPECT_EQ(band.pixel(0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(band.pixel(199, 95), qRgb(0, 255, 0));
  EXPECT_EQ(qAlpha(band.pixel(100, 95)), 255);
  for (int row = 96; row < 100; ++row)
    EXPECT_LT(qAlpha(band.pixel(100, row)), qAlpha(band.pixel(100, row - 1)));
  // Never enlarged past twice its size, however large the band; nothing for no cover.
  EXPECT_EQ(BandPicture(Striped(100, 300), {1000, 1000}, 4).size(), QSize(200, 600));
  EXPECT_TRUE(BandPicture(QImage(), {200, 100}, 4).isNull());
}
