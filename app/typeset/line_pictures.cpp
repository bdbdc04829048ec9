// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/line_pictures.h"

#include "app/pictures/book_pictures.h"
#include "app/pictures/picture_fit.h"
#include "platform/cancellation.h"

namespace {

constexpr int kMostLines = 2;  // a picture this many lines tall at most stands in a line

void Place(const std::string& source, const QSize& area, int lineHeight, int enlargement,
           pictures::TBookPictures& pictures, TLinePictures& placed) {
  if (placed.contains(source)) return;
  TLinePicture& picture = placed[source];  // an unreadable one is tried once
  const std::optional<QImage> original = pictures.Picture(source);
  if (!original || original->isNull()) return;
  if (original->height() <= kMostLines * lineHeight) {
    picture.inLine = true;
    picture.image = std::make_shared<const QImage>(*original);
    return;
  }
  const pictures::TPicturePlace place = pictures::PlacePicture(original->size(), area, 0, enlargement);
  picture.ownPage = place.ownPage;
  picture.image = std::make_shared<const QImage>(pictures::FitPicture(*original, place.size, enlargement));
}

}  // namespace

TLinePictures PlaceLinePictures(std::span<const document::TBlock> blocks, const QSize& textArea,
                                int lineHeight, int enlargement, pictures::TBookPictures& pictures) {
  TLinePictures placed;
  for (const document::TBlock& block : blocks) {
    CheckCancelled();
    for (const document::TRun& run : block.runs)
      if (!run.picture.empty()) Place(run.picture, textArea, lineHeight, enlargement, pictures, placed);
  }
  return placed;
}

std::shared_ptr<const QImage> PictureInLine(const std::shared_ptr<const QImage>& picture, int height,
                                            int width) {
  if (picture->height() <= height && picture->width() <= width) return picture;
  return std::make_shared<const QImage>(pictures::FitPicture(*picture, QSize(width, height)));
}
