// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's pictures as the layout asks for them: found, decoded, and the ones that could not
// be read counted for the run's report, each shown by a placeholder line instead.
#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/pictures/picture_source.h"

namespace pictures {

class TBookPictures {
public:
  // The pictures of the book at `path` (see OpenPictureSource).
  explicit TBookPictures(const std::string& path);
  // A source of pictures of one's own (tests, a book held in memory).
  explicit TBookPictures(std::unique_ptr<TPictureSource> source);

  // The picture an Image block's `source` (or the cover) names, decoded; std::nullopt, and
  // one more unreadable picture, when it is missing, outside the book, damaged or too large.
  // One caller at a time.
  std::optional<QImage> Picture(const std::string& source);
  // How many pictures could not be read so far.
  int Unreadable() const { return unreadable_; }

private:
  std::unique_ptr<TPictureSource> source_;
  int unreadable_ = 0;
};

// The line that stands for a picture left out or unreadable, `word` naming a picture in the
// book's language: "[Ilustracja: alt]", the picture's file name when it has no alt text,
// "[Ilustracja]" when it has neither.
std::string PicturePlaceholder(std::string_view word, std::string_view alt, std::string_view source);

}  // namespace pictures
