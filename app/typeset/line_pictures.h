// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures a book sets within its text (an icon in a sentence), each read once: one no
// taller than twice a line stands in the line, scaled down to its height; a taller one
// stands between the lines it cuts, fitted to the text area as any picture.
#include <QImage>
#include <QSize>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

#include "app/document/document.h"

namespace pictures {
class TBookPictures;
}

struct TLinePicture {
  std::shared_ptr<const QImage> image;  // in the line: as the book has it; else fitted
  bool inLine = false;
  bool ownPage = false;  // too large to stand between paragraphs
};
// By the picture's place in the book; an unreadable one has no image
// (none when unreadable: its placeholder shows).
using TLinePictures = std::unordered_map<std::string, TLinePicture>;

// The pictures of `blocks`' picture runs. `lineHeight`: the body's.
TLinePictures PlaceLinePictures(std::span<const document::TBlock> blocks, const QSize& textArea,
                                int lineHeight, int enlargement, pictures::TBookPictures& pictures);

// A picture of a line as it stands in a line `height` tall and at most `width` wide: smoothly
// smaller when larger, never larger.
std::shared_ptr<const QImage> PictureInLine(const std::shared_ptr<const QImage>& picture, int height,
                                            int width);
