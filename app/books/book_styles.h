// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's stylesheets: the sheets its documents link or hold, each file parsed once for the
// whole book within one budget, and the cascade they give each document's tree.
#include <libxml/tree.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/css/cascade.h"
#include "app/css/limits.h"
#include "app/css/stylesheet.h"

namespace books {

// The styles of one document's elements: as its sheets and style attributes make them, and
// as the defaults alone would, so that a reader follows only what the book changes.
class TDocumentStyles {
public:
  // The first line indent where the book sets none.
  static constexpr int kUnsetIndentPx = 99'999;

  explicit TDocumentStyles(css::TLimits& limits);
  css::TCascade& Book() { return book_; }
  // Computes both for the tree below `root`.
  void Compute(const xmlNode* root);
  const css::TComputedStyle& Styled(const xmlNode* element) const { return book_.StyleOf(element); }
  const css::TComputedStyle& Plain(const xmlNode* element) const { return plain_.StyleOf(element); }

private:
  css::TCascade book_;
  css::TCascade plain_;
};

class TBookStyles {
public:
  // The bytes of a file in the book at a path already resolved, or nothing.
  using TFileReader = std::function<std::optional<std::string>(const std::string& path)>;
  // `resolve` turns an href, as a document at `from` writes it, into a path in the book, or
  // nothing when it leads outside.
  using TResolver = std::function<std::optional<std::string>(std::string_view from, std::string_view href)>;
  TBookStyles(TFileReader read, TResolver resolve);

  // The styles of the document at `path` whose root is `root`; none when it has no sheet and
  // no style attribute, so that it reads as it always has.
  std::unique_ptr<TDocumentStyles> Of(const xmlNode* root, std::string_view path);

private:
  std::shared_ptr<const css::TStyleSheet> Linked(std::string_view from, std::string_view href);

  TFileReader read_;
  TResolver resolve_;
  css::TLimits limits_;
  std::map<std::string, std::shared_ptr<const css::TStyleSheet>, std::less<>> sheets_;  // none: unreadable
};

}  // namespace books
