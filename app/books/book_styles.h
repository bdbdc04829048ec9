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
#include <vector>

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

  // The styles of the document at `path` whose root is `root`, until the next call; none
  // when it has no sheet and no style attribute, so that it reads as it always has.
  TDocumentStyles* Of(const xmlNode* root, std::string_view path);

private:
  // The sheet at a path in the book, read and parsed once; none when it cannot be read.
  std::shared_ptr<const css::TStyleSheet> Linked(const std::string& path);
  // A sheet's text, its @imports relative to `base`.
  std::shared_ptr<const css::TStyleSheet> Load(std::string_view text, const std::string& base);

  TFileReader read_;
  TResolver resolve_;
  css::TLimits limits_;
  std::map<std::string, std::shared_ptr<const css::TStyleSheet>, std::less<>> sheets_;  // none: unreadable
  std::unique_ptr<TDocumentStyles> last_;  // the last document's, with the sheets it was made of
  std::vector<std::string> lastSources_;
  // The rules filed into cascades for the whole book, and the most that may be.
  static constexpr std::size_t kMaxFiledRules = 4'000'000;
  std::size_t filedRules_ = 0;
};

}  // namespace books
