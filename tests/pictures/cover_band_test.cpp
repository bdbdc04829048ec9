// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/cover_band.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

using pictures::BandPicture;
using pictures::TonedBand;

namespace {

// A cover in three stripes, top to bottom: red, green, blue.
QImage Striped(int width, int height) {
  QImage cover(width, height, QImage::Format_RGB32);
  QPainter painter(&cover);
  for (const auto& [stripe, color] : {std::pair{0, Qt::red}, std::pair{1, Qt::green}, std::pair{2, Qt::blue}})
    painter.fillRect(0, stripe * height / 3, width, height / 3, color);
  return cover;
}

double Luminance(QRgb color) { return 0.299 * qRed(color) + 0.587 * qGreen(color) + 0.114 * qBlue(color); }

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

TEST(CoverBand, FadesTowardThePageSoThatTheTextKeepsMostOfItsContrast) {
  QImage black(4, 4, QImage::Format_ARGB32);
  black.fill(qRgb(0, 0, 0));
  for (const QColor& text : {QColor(0, 0, 0), QColor(100, 100, 100), QColor(200, 200, 200)}) {
    const QImage toned = TonedBand(black, Qt::white, text);
    const double kept = Luminance(toned.pixel(1, 1)) - Luminance(text.rgb());
    EXPECT_GE(kept, (1 - pictures::kBandContrastTaken) * (255 - Luminance(text.rgb())) - 1)
        << text.name().toStdString();
    EXPECT_LT(Luminance(toned.pixel(1, 1)), 255) << "the picture shows";
  }
  // A picture darker than the page takes nothing from light text: it shows as much as a band may.
  EXPECT_EQ(qRed(TonedBand(black, QColor(100, 100, 100), Qt::white).pixel(0, 0)),
            static_cast<int>(std::lround(100 * (1 - pictures::kMostBandStrength))));
}
