// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "app/drawing/appearance.h"
#include "app/drawing/page_raster.h"
#include "app/drawing/qt_color.h"
#include "app/pictures/picture_fit.h"
#include "pictures/picture_fixtures.h"
#include "support/gif_decode.h"

namespace {

// A page as the book layout draws one: white, a picture scaled into the text area, a rule.
// Returns where the picture is.
QRect DrawPicturePage(TPageRaster& raster, const QImage& picture) {
  QImage target = raster.PaintTarget();
  target.fill(Qt::white);
  QPainter painter(&target);
  const QImage scaled = pictures::FitPicture(picture, {target.width() - 24, target.height() - 30});
  painter.drawImage(12, 8, scaled);
  painter.fillRect(12, target.height() - 12, target.width() - 24, 1, Qt::black);
  return {QPoint(12, 8), scaled.size()};
}

QImage Shown(const DecodedGif& gif) {
  const DecodedFrame& frame = gif.frames.at(0);
  const auto& colors = frame.localColors.empty() ? gif.globalColors : frame.localColors;
  QImage image(frame.width, frame.height, QImage::Format_RGB32);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const DecodedColor& c = colors.at(frame.pixels[static_cast<std::size_t>(y) * frame.width + x]);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return image;
}

// The mean over the picture's pixels and channels of how far the shown page is from the
// drawn one, each taken as the mean of its 3 × 3 neighbourhood: dithering trades exact
// pixels for right colours over small areas, which is what the eye sees.
double MeanColourError(const QImage& shown, const QImage& drawn, const QRect& picture) {
  double total = 0;
  long long count = 0;
  for (int y = picture.top() + 1; y < picture.bottom(); ++y)
    for (int x = picture.left() + 1; x < picture.right(); ++x) {
      int difference[3] = {};
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const QRgb a = shown.pixel(x + dx, y + dy), b = drawn.pixel(x + dx, y + dy);
          difference[0] += qRed(a) - qRed(b);
          difference[1] += qGreen(a) - qGreen(b);
          difference[2] += qBlue(a) - qBlue(b);
        }
      for (const int d : difference) total += std::abs(d) / 9.0;
      count += 3;
    }
  return total / static_cast<double>(count);
}

std::set<QRgb> ColoursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

}  // namespace

TEST(PicturePage, DefaultPageIsCloseToTheScaledPictureInAtMost256Colours) {
  TPageRaster raster;
  const QRect picture = DrawPicturePage(raster, ColourfulPicture(300, 200));
  const QImage drawn = raster.PaintTarget().copy();
  const DecodedGif gif = DecodeGif(pictures::EncodePicturePage(raster.Bitmap()));
  ASSERT_EQ(gif.frames.size(), 1u);
  EXPECT_EQ(gif.screenWidth, 480);
  EXPECT_EQ(gif.screenHeight, 272);
  const QImage shown = Shown(gif);
  EXPECT_LE(ColoursOf(shown).size(), 256u);
  EXPECT_GT(ColoursOf(shown).size(), 64u);  // the gradients use the palette
  EXPECT_LT(MeanColourError(shown, drawn, picture), 3.0);
}

TEST(PicturePage, FewColoursStayWithinTheirCountAndDitheringHelps) {
  TPageRaster raster(960, 544);  // more pixels than the reduction takes in one way
  const QRect picture = DrawPicturePage(raster, ColourfulPicture(300, 200));
  const QImage drawn = raster.PaintTarget().copy();
  const QImage dithered = Shown(DecodeGif(pictures::EncodePicturePage(raster.Bitmap(), {16})));
  const QImage nearest =
      Shown(DecodeGif(pictures::EncodePicturePage(raster.Bitmap(), {16, TDitherMethod::Nearest})));
  EXPECT_EQ(dithered.size(), QSize(960, 544));
  EXPECT_LE(ColoursOf(dithered).size(), 16u);
  EXPECT_LE(ColoursOf(nearest).size(), 16u);
  EXPECT_LT(MeanColourError(dithered, drawn, picture), MeanColourError(nearest, drawn, picture));
}

TEST(PicturePage, PageAndTextColoursStayExactInEveryColourSet) {
  for (const TColorSet& set : kColorSets) {
    TPageRaster raster;
    QImage target = raster.PaintTarget();
    target.fill(ToQColor(set.background));
    const QRect picture(100, 20, 280, 180);
    {
      QPainter painter(&target);
      painter.drawImage(picture, ColourfulPicture(picture.width(), picture.height()));
      painter.setPen(ToQColor(set.text));
      painter.setFont(QFont("DejaVu Serif", 11));
      for (int y = 215; y < 270; y += 18) painter.drawText(12, y, "Zażółć gęślą jaźń, antialiased text");
    }
    const QImage drawn = target.copy();
    const QRect places[] = {picture};
    const QImage shown = Shown(DecodeGif(pictures::EncodePicturePage(raster.Bitmap(), {}, places)));
    // The background and the text colour exactly; the shades between them (Qt draws text
    // with every level of coverage, more than half a palette) at most a few steps off.
    const QRgb exact[] = {ToQColor(set.background).rgb(), ToQColor(set.text).rgb()};
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) {
        const QRgb a = shown.pixel(x, y), b = drawn.pixel(x, y);
        if (picture.contains(x, y)) continue;
        const int off = std::max(
            {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        differing +=
            off > 0 && (std::find(std::begin(exact), std::end(exact), b) != std::end(exact) || off > 8);
      }
    EXPECT_EQ(differing, 0) << "text " << std::hex << set.text;
  }
}
