// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace pictures {

QSize FittedSize(const QSize& picture, const QSize& box, int enlargement) {
  if (picture.isEmpty() || box.isEmpty()) return {};
  const double scale = std::min(static_cast<double>(box.width()) / picture.width(),
                                static_cast<double>(box.height()) / picture.height());
  if (scale >= 1) return picture * std::clamp(static_cast<int>(scale), 1, std::max(1, enlargement));
  const auto side = [&](int length, int limit) {
    return std::clamp(static_cast<int>(std::lround(length * scale)), 1, limit);
  };
  return {side(picture.width(), box.width()), side(picture.height(), box.height())};
}

QImage FitPicture(const QImage& picture, const QSize& box, int enlargement) {
  const QSize size = FittedSize(picture.size(), box, enlargement);
  if (size.isEmpty()) return {};
  if (size == picture.size()) return picture;
  // Qt's smooth scaling averages areas going down; going up, whole factors need no filter.
  const bool larger = size.width() > picture.width();
  return picture.scaled(size, Qt::IgnoreAspectRatio,
                        larger ? Qt::FastTransformation : Qt::SmoothTransformation);
}

TPicturePlace PlacePicture(const QSize& picture, const QSize& textArea, int captionHeight, int enlargement) {
  const QSize inText = FittedSize(picture, textArea, enlargement);
  if (inText.height() * 3 <= textArea.height()) return {false, inText};
  return {true, FittedSize(picture, {textArea.width(), textArea.height() - captionHeight}, enlargement)};
}

}  // namespace pictures
