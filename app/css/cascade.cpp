// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/cascade.h"

#include <algorithm>
#include <limits>
#include <string>
#include <tuple>

#include "app/css/element_table.h"
#include "app/css/matcher.h"
#include "app/css/properties.h"
#include "app/css/user_agent_sheet.h"

namespace css {
namespace {

// Normal declarations rise with the origin; important ones fall, so that a reader's own
// important declarations beat the book's.
int Weight(ESheetOrigin origin, bool important) {
  const int level = int(origin);  // 0 user agent, 1 user, 2 author
  return important ? 5 - level : level;
}

struct TWeighed {
  int weight;
  std::uint32_t specificity;
  std::uint32_t order;
  std::uint32_t place;  // within its rule
  const TDeclaration* declaration;

  bool operator<(const TWeighed& other) const {
    return std::tie(weight, specificity, order, place) <
           std::tie(other.weight, other.specificity, other.order, other.place);
  }
};

void Weigh(const TDeclarations& declarations, ESheetOrigin origin, std::uint32_t specificity,
           std::uint32_t order, std::vector<TWeighed>& out) {
  for (std::size_t i = 0; i < declarations.size(); ++i)
    out.push_back(
        {Weight(origin, declarations[i].important), specificity, order, std::uint32_t(i), &declarations[i]});
}

}  // namespace

TCascade::TCascade(TLimits& limits, bool styleAttributes)
    : limits_(limits), styleAttributes_(styleAttributes) {
  sheets_.push_back(UserAgentSheet());
  index_.Add(*sheets_.back());
}

void TCascade::AddSheet(TStyleSheet sheet) {
  AddSheet(std::make_shared<const TStyleSheet>(std::move(sheet)));
}

void TCascade::AddSheet(std::shared_ptr<const TStyleSheet> sheet) {
  sheets_.push_back(std::move(sheet));
  index_.Add(*sheets_.back());
}

void TCascade::ComputeAll(const xmlNode* root) {
  const TElementTable table(root);
  const std::vector<TElement>& elements = table.Elements();
  places_.clear();
  styles_.assign(elements.size(), TComputedStyle{});
  std::vector<TWeighed> weighed;
  std::string styleText;
  const TComputedStyle initial;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const TElement& element = elements[i];
    places_.emplace(element.node, std::uint32_t(i));
    const TComputedStyle& parent = element.parent < 0 ? initial : styles_[std::size_t(element.parent)];
    TComputedStyle& style = styles_[i];
    if (element.depth >= std::uint32_t(limits_.maxTreeDepth)) {
      style = parent;  // beyond what matching looks at
      continue;
    }
    weighed.clear();
    index_.ForCandidates(element, [&](const TFiledSelector& filed) {
      // The book's rules draw on its budget; the defaults' never run out, so that a book past
      // it is still set as the defaults say.
      const bool matches = filed.origin == ESheetOrigin::UserAgent
                               ? Matches(*filed.selector, table, std::int32_t(i), limits_)
                               : limits_.matchSteps < limits_.maxMatchSteps &&
                                     Matches(*filed.selector, table, std::int32_t(i), limits_,
                                             limits_.matchSteps, limits_.maxMatchSteps);
      if (matches)
        Weigh(*filed.declarations, filed.origin, filed.selector->specificity, filed.order, weighed);
    });
    TDeclarations inlineDeclarations;
    if (styleAttributes_ && FindAttribute(element.node, "style", styleText)) {
      inlineDeclarations = ParseDeclarations(styleText, limits_);
      Weigh(inlineDeclarations, ESheetOrigin::Author, std::numeric_limits<std::uint32_t>::max(),
            std::numeric_limits<std::uint32_t>::max(), weighed);
    }
    std::sort(weighed.begin(), weighed.end());
    style = InheritedFrom(parent);
    const TStyleContext context{.parent = parent,
                                .rootFontSize = element.parent < 0 ? 16 : styles_[0].fontSize};
    for (const EPhase phase : {EPhase::FontSize, EPhase::Rest})
      for (const TWeighed& one : weighed) ApplyDeclaration(style, *one.declaration, context, phase);
    style.decorations = parent.decorations | style.ownDecoration;
  }
}

const TComputedStyle& TCascade::StyleOf(const xmlNode* element) const {
  static const TComputedStyle initial;
  const auto found = places_.find(element);
  return found == places_.end() ? initial : styles_[found->second];
}

}  // namespace css
