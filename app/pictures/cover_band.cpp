// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/cover_band.h"

#include <algorithm>
#include <cmath>

#include "app/pictures/picture_fit.h"

namespace pictures {

namespace {

double Luminance(QRgb color) { return 0.299 * qRed(color) + 0.587 * qGreen(color) + 0.114 * qBlue(color); }

}  // namespace

QImage BandPicture(const QImage& cover, const QSize& band, int fade) {
  if (cover.isNull() || band.isEmpty()) return {};
  const double scale = std::min(std::max(static_cast<double>(band.width()) / cover.width(),
                                         static_cast<double>(band.height()) / cover.height()),
                                kMaxEnlargement);
  // The part of the cover that fills the band, then only that part scaled: a long, thin
  // cover scaled whole could take far more memory than the band.
  const auto side = [scale](int length, int limit) {
    return std::clamp(static_cast<int>(std::lround(length * scale)), 1, limit);
  };
  const QSize cut(side(cover.width(), band.width()), side(cover.height(), band.height()));
  const auto extent = [scale](int length, int whole) {
    return std::clamp(static_cast<int>(std::lround(length / scale)), 1, whole);
  };
  const QSize part(extent(cut.width(), cover.width()), extent(cut.height(), cover.height()));
  // A cover's middle holds its picture; its title and author, which the page sets anyway,
  // usually stand at its top and bottom.
  const QRect middle(QPoint((cover.width() - part.width()) / 2, (cover.height() - part.height()) / 2), part);
  QImage picture = cover.copy(middle);
  if (picture.size() != cut) picture = picture.scaled(cut, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  picture = picture.convertToFormat(QImage::Format_ARGB32);
  fade = std::min(fade, picture.height());
  for (int row = 0; row < fade; ++row) {
    const int y = picture.height() - 1 - row;
    const int alpha = 255 * (row + 1) / (fade + 1);
    auto* pixels = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      pixels[x] = (pixels[x] & RGB_MASK) | static_cast<QRgb>(alpha) << 24;
  }
  return picture;
}

QImage TonedBand(const QImage& band, QColor page, QColor text) {
  QImage toned = band.convertToFormat(QImage::Format_ARGB32);
  const double pageLuminance = Luminance(page.rgb());
  const double contrast = Luminance(text.rgb()) - pageLuminance;
  // Only the picture's parts that lean from the page toward the text's luminance take
  // contrast away; the most leaning one sets how strongly the picture may show.
  double leaning = 0;
  for (int y = 0; y < toned.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(toned.constScanLine(y));
    for (int x = 0; x < toned.width(); ++x)
      leaning = std::max(leaning, (Luminance(row[x]) - pageLuminance) * (contrast < 0 ? -1 : 1));
  }
  const double strength = leaning > 0
                              ? std::min(kMostBandStrength, kBandContrastTaken * std::abs(contrast) / leaning)
                              : kMostBandStrength;
  const auto fade = [strength](int picture, int onPage) {
    return static_cast<int>(std::lround(onPage + strength * (picture - onPage)));
  };
  for (int y = 0; y < toned.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(toned.scanLine(y));
    for (int x = 0; x < toned.width(); ++x)
      row[x] = qRgba(fade(qRed(row[x]), page.red()), fade(qGreen(row[x]), page.green()),
                     fade(qBlue(row[x]), page.blue()), qAlpha(row[x]));
  }
  return toned;
}

}  // namespace pictures
