// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a book keeps its pictures: the bytes an Image block's `source` (or the cover) names,
// from the EPUB's archive, the FB2's <binary> elements or the HTML book's own folder.
// Nothing outside the book is ever read and nothing is fetched from the network.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace pictures {

// One picture file is never larger than this: a page shows far less.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{32} << 20;

class TPictureSource {
public:
  virtual ~TPictureSource() = default;
  // The picture's bytes; std::nullopt when the book holds no such picture, it points outside
  // the book, or it cannot be read within the limits. Never throws for a bad book.
  virtual std::optional<std::string> Read(const std::string& source) = 0;
};

// The pictures of the EPUB, FB2 (plain or zipped) or HTML book at `path`; a source that
// finds nothing for a plain-text book, one that cannot be opened, or standard input ("-").
std::unique_ptr<TPictureSource> OpenPictureSource(const std::string& path);

}  // namespace pictures
