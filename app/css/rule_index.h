// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The selectors of every sheet filed by their subject compound's id, else a class, else its
// type, else with the universal ones, so that an element tests only those that can match it.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/css/element_table.h"
#include "app/css/stylesheet.h"

namespace css {

struct TFiledSelector {
  const TSelector* selector;
  const TDeclarations* declarations;
  ESheetOrigin origin;
  std::uint32_t order;  // the rule's place among all the sheets' rules
};

class TRuleIndex {
public:
  // The sheet must outlive the index.
  void Add(const TStyleSheet& sheet);
  // Calls `visit` with each filed selector that may match the element, each once.
  template <class TVisit>
  void ForCandidates(const TElement& element, TVisit&& visit) const {
    const auto each = [&](const std::unordered_map<std::string, std::vector<TFiledSelector>>& map,
                          const std::string& key) {
      if (const auto found = map.find(key); found != map.end())
        for (const TFiledSelector& filed : found->second) visit(filed);
    };
    if (!element.id.empty()) each(byId_, element.id);
    for (const std::string& name : element.classes) each(byClass_, name);
    each(byType_, element.name);
    for (const TFiledSelector& filed : universal_) visit(filed);
  }

private:
  std::unordered_map<std::string, std::vector<TFiledSelector>> byId_, byClass_, byType_;
  std::vector<TFiledSelector> universal_;
  std::uint32_t rules_ = 0;
};

}  // namespace css
