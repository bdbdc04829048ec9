// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages an EPUB opens with that only repeat its title and cover: its own title page
// and the page that wraps its cover picture. The book layout sets a title or cover page of
// its own, so the reader leaves these out.
#include <libxml/tree.h>

#include <set>
#include <string>
#include <string_view>

#include "app/books/book.h"

namespace books {

class TFrontPages {
public:
  // `package` is the package document's root, at `packagePath`; `book` what it says of the
  // book, the cover's path included.
  TFrontPages(const xmlNode* package, std::string_view packagePath, const TBookMetadata& book);

  // True for the spine document at `path` (its `bytes`) when it is marked as a title or
  // cover page (epub:type, class, guide, file name) and shows nothing but the title, the
  // authors and the cover, or when, unmarked, it holds the cover picture and no text.
  bool Repeats(std::string_view bytes, const std::string& path) const;

private:
  bool Marked(const xmlNode* body, const std::string& path) const;
  // The words the title and authors give, lower-cased.
  std::set<std::string> titleWords_;
  std::set<std::string> coverPages_;  // the guide's cover and title pages, as archive paths
  std::string cover_;
};

}  // namespace books
