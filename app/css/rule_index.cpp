// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/rule_index.h"

namespace css {

void TRuleIndex::Add(const TStyleSheet& sheet) {
  for (const TStyleRule& rule : sheet.rules) {
    const std::uint32_t order = rules_++;
    for (const TSelector& selector : rule.selectors) {
      const TFiledSelector filed{&selector, &rule.declarations, sheet.origin, order};
      const TCompound& subject = selector.compounds.front();
      if (!subject.id.empty())
        byId_[subject.id].push_back(filed);
      else if (!subject.classes.empty())
        byClass_[subject.classes.front()].push_back(filed);
      else if (!subject.type.empty())
        byType_[subject.type].push_back(filed);
      else
        universal_.push_back(filed);
    }
  }
}

}  // namespace css
