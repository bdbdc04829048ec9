// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The budget one book's styles may spend: a book is hostile input, and these bounds keep its
// stylesheets, selectors and tree from costing more than a moment. The caller keeps one
// TLimits for a whole book; every sheet and style attribute parsed draws on it.
#include <cstddef>

namespace css {

struct TLimits {
  // What a book may hold; beyond it the rest is dropped, never an error.
  std::size_t maxSheetBytes = 8u << 20;  // all stylesheets and style attributes together
  std::size_t maxRules = 50'000;         // style rules
  std::size_t maxTokens = 1'000'000;     // per sheet: its tokens are held at once, ~50 bytes each
  std::size_t maxSelectors = 100'000;    // selectors filed, a list counting each
  std::size_t maxCompounds = 32;         // per selector; longer selectors are dropped
  std::size_t maxSimpleSelectors = 256;  // per selector, all compounds together
  std::size_t maxDeclarations = 1'024;   // per rule or style attribute
  int maxBlockDepth = 16;                // nested @media blocks
  int maxImportDepth = 4;                // @import chains
  std::size_t maxImports = 256;          // sheets @import loads for the whole book
  // How much of the tree matching looks at: elements deeper than this copy their parent's
  // style; a `~` combinator looks back over at most this many siblings.
  int maxTreeDepth = 256;
  int maxSiblingWalk = 1'024;
  // Compounds the book's selectors may compare with elements, all its documents together:
  // past it the book's rules match nothing more (the defaults still do), so that many rules
  // over many elements end in seconds.
  std::size_t maxMatchSteps = 50'000'000;

  // What has been spent so far.
  std::size_t sheetBytes = 0;
  std::size_t rules = 0;
  std::size_t selectors = 0;
  std::size_t imports = 0;
  std::size_t matchSteps = 0;

  // Each takes from the budget and says whether there was enough.
  bool TakeSheetBytes(std::size_t bytes) {
    if (bytes > maxSheetBytes - sheetBytes) return false;
    sheetBytes += bytes;
    return true;
  }
  bool TakeRule() { return rules < maxRules ? (++rules, true) : false; }
  bool TakeSelector() { return selectors < maxSelectors ? (++selectors, true) : false; }
  bool TakeImport() { return imports < maxImports ? (++imports, true) : false; }
};

}  // namespace css
