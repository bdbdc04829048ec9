// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The elements of a libxml2 tree as matching needs them, gathered in one walk: names lower
// case, classes split, each element's place among its siblings counted once, so that no
// selector ever counts siblings again. A parent always comes before its children.
#include <libxml/tree.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace css {

struct TElement {
  const xmlNode* node = nullptr;
  std::int32_t parent = -1;    // index in the table; -1 for the root
  std::int32_t previous = -1;  // the previous element sibling
  std::uint32_t depth = 0;
  // 1-based places among the element siblings, and among those of the same name.
  std::uint32_t position = 1, siblings = 1, typePosition = 1, typeSiblings = 1;
  std::string name;  // local name, lower case
  std::string id;
  std::vector<std::string> classes;  // each once
};

class TElementTable {
public:
  // `root` and every element below it, however deep; no recursion.
  explicit TElementTable(const xmlNode* root);

  const std::vector<TElement>& Elements() const { return elements_; }
  const TElement& operator[](std::int32_t index) const { return elements_[std::size_t(index)]; }

private:
  void AddChildrenOf(std::int32_t parent);
  std::vector<TElement> elements_;
};

// The value of the attribute whose local name, lower case, is `lowercaseName`, if there is one.
bool FindAttribute(const xmlNode* node, std::string_view lowercaseName, std::string& value);

}  // namespace css
