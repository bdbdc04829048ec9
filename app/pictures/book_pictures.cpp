// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/book_pictures.h"

#include "app/pictures/picture_decoder.h"

namespace pictures {

TBookPictures::TBookPictures(const std::string& path) : source_(OpenPictureSource(path)) {}

TBookPictures::TBookPictures(std::unique_ptr<TPictureSource> source) : source_(std::move(source)) {}

std::optional<QImage> TBookPictures::Picture(const std::string& source) {
  const std::optional<std::string> bytes = source_->Read(source);
  std::optional<QImage> picture = bytes ? DecodePicture(*bytes) : std::nullopt;
  if (!picture) ++unreadable_;
  return picture;
}

std::string PicturePlaceholder(std::string_view word, std::string_view alt, std::string_view source) {
  std::string_view name = alt;
  if (name.empty()) name = source.substr(source.find_last_of("/#") + 1);
  std::string line = "[";
  line.append(word);
  if (!name.empty()) line.append(": ").append(name);
  return line + "]";
}

}  // namespace pictures
