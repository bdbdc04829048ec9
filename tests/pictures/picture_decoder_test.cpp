// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_decoder.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include "pictures/picture_fixtures.h"

using pictures::DecodePicture;

TEST(PictureDecoder, ReadsPngAndJpegAsTheyWereDrawn) {
  const QImage original = ColourfulPicture(120, 80);
  const std::optional<QImage> png = DecodePicture(Encoded(original, "PNG"));
  ASSERT_TRUE(png);
  EXPECT_EQ(png->format(), QImage::Format_RGB32);
  EXPECT_EQ(*png, original);
  const std::optional<QImage> jpeg = DecodePicture(Encoded(original, "JPEG"));
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->size(), original.size());
}

TEST(PictureDecoder, ReadsWebpAndSvgWhereThePluginsAre) {
  if (!QImageReader::supportedImageFormats().contains("webp") ||
      !QImageReader::supportedImageFormats().contains("svg"))
    GTEST_SKIP() << "the WebP or SVG image plugin is not installed";
  const std::optional<QImage> webp = DecodePicture(Encoded(ColourfulPicture(50, 30), "WEBP"));
  ASSERT_TRUE(webp);
  EXPECT_EQ(webp->size(), QSize(50, 30));
  const std::optional<QImage> svg = DecodePicture(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20"><rect width="40" height="20" fill="red"/></svg>)");
  ASSERT_TRUE(svg);
  EXPECT_EQ(svg->size(), QSize(40, 20));
  EXPECT_EQ(svg->pixel(20, 10), qRgb(255, 0, 0));
  // An SVG may claim any size it likes: the same bounds refuse a huge one.
  EXPECT_FALSE(DecodePicture(R"(<svg xmlns="http://www.w3.org/2000/svg" width="60000" height="60000"/>)"));
}

TEST(PictureDecoder, ShowsTransparencyOverWhite) {
  QImage clear(4, 4, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  const std::optional<QImage> picture = DecodePicture(Encoded(clear, "PNG"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixel(2, 2), qRgb(255, 255, 255));
}

TEST(PictureDecoder, DamagedOrUnknownBytesCouldNotBeRead) {
  EXPECT_FALSE(DecodePicture(""));
  EXPECT_FALSE(DecodePicture("not a picture at all"));
  EXPECT_FALSE(DecodePicture(BrokenPicture()));
}

TEST(PictureDecoder, RefusesABombBeforeDecodingIt) {
  const std::string bomb = PictureBomb();
  ASSERT_LT(bomb.size(), 200u);
  EXPECT_FALSE(DecodePicture(bomb));
  // The same file with its true size decodes: the bound, not the damage, refused it.
  EXPECT_TRUE(DecodePicture(PngBytes(1, 1)));
}
