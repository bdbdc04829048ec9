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

// Where a picture goes in the text: between paragraphs when, fitted to the text area, it
// takes at most a third of its height; otherwise on a page of its own, above its caption.
struct TPicturePlace {
  bool ownPage = false;
  QSize size;  // fitted to the text area, less the caption's height on a page of its own
};
TPicturePlace PlacePicture(const QSize& picture, const QSize& textArea, int captionHeight);

}  // namespace pictures
