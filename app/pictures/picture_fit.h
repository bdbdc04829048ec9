// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture scaled to fit a box on the page.
#include <QImage>
#include <QSize>

namespace pictures {

// A small picture is enlarged at most this much: beyond it the pixels show.
inline constexpr double kMaxEnlargement = 2.0;

// The size `picture` takes in `box`: its proportions kept, as large as fits but never more
// than kMaxEnlargement times its own size, at least one pixel each way. Empty for an empty
// box or picture.
QSize FittedSize(const QSize& picture, const QSize& box);
// `picture` smoothly scaled to FittedSize.
QImage FitPicture(const QImage& picture, const QSize& box);

}  // namespace pictures
