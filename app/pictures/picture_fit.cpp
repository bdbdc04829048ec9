// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace pictures {

QSize FittedSize(const QSize& picture, const QSize& box) {
  if (picture.isEmpty() || box.isEmpty()) return {};
  const double scale = std::min({static_cast<double>(box.width()) / picture.width(),
                                 static_cast<double>(box.height()) / picture.height(), kMaxEnlargement});
  const auto side = [&](int length, int limit) {
    return std::clamp(static_cast<int>(std::lround(length * scale)), 1, limit);
  };
  return {side(picture.width(), box.width()), side(picture.height(), box.height())};
}

QImage FitPicture(const QImage& picture, const QSize& box) {
  const QSize size = FittedSize(picture.size(), box);
  if (size.isEmpty()) return {};
  if (size == picture.size()) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TPicturePlace PlacePicture(const QSize& picture, const QSize& textArea, int captionHeight) {
  const QSize inText = FittedSize(picture, textArea);
  if (inText.height() * 3 <= textArea.height()) return {false, inText};
  return {true, FittedSize(picture, {textArea.width(), textArea.height() - captionHeight})};
}

}  // namespace pictures
