// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture scaled to fit a box on the page.
#include <QImage>
#include <QSize>

namespace pictures {

// The size `picture` takes in `box`: its proportions kept, as large as fits, at least one
// pixel each way. Past its own size only by a whole factor of at most `enlargement` (the
// screen's scale over 480 × 272, 1 there), so that no pixel is blurred or stretched unevenly.
// Empty for an empty box or picture.
QSize FittedSize(const QSize& picture, const QSize& box, int enlargement = 1);
// `picture` scaled to FittedSize: down by averaging the area each pixel covers, up by
// repeating each pixel.
QImage FitPicture(const QImage& picture, const QSize& box, int enlargement = 1);

// Where a picture goes in the text: between paragraphs when, fitted to the text area, it
// takes at most a third of its height; otherwise on a page of its own, above its caption.
struct TPicturePlace {
  bool ownPage = false;
  QSize size;  // fitted to the text area, less the caption's height on a page of its own
};
TPicturePlace PlacePicture(const QSize& picture, const QSize& textArea, int captionHeight,
                           int enlargement = 1);

}  // namespace pictures
