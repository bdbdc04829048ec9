// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/matcher.h"

#include <algorithm>
#include <string>

namespace css {
namespace {

enum class EResult { Matched, FailsHere, FailsAllSiblings, FailsCompletely };

bool ContainsWord(std::string_view list, std::string_view word) {
  if (word.empty() || word.find_first_of(" \t\n\r\f") != std::string_view::npos) return false;
  for (std::size_t i = 0; (i = list.find(word, i)) != std::string_view::npos; ++i) {
    const bool startsWord =
        i == 0 || std::string_view(" \t\n\r\f").find(list[i - 1]) != std::string_view::npos;
    const std::size_t after = i + word.size();
    const bool endsWord =
        after == list.size() || std::string_view(" \t\n\r\f").find(list[after]) != std::string_view::npos;
    if (startsWord && endsWord) return true;
  }
  return false;
}

bool MatchesAttribute(const TAttributeTest& test, const xmlNode* node) {
  std::string value;
  if (!FindAttribute(node, test.name, value)) return false;
  std::string wanted = test.value;
  if (test.ignoreCase) {
    value = AsciiLower(value);
    wanted = AsciiLower(wanted);
  }
  const std::string_view v = value;
  switch (test.op) {
    case EAttributeOperator::Exists:
      return true;
    case EAttributeOperator::Equals:
      return v == wanted;
    case EAttributeOperator::Includes:
      return ContainsWord(v, wanted);
    case EAttributeOperator::DashMatch:
      return v == wanted || (v.starts_with(wanted) && v.size() > wanted.size() && v[wanted.size()] == '-');
    case EAttributeOperator::Prefix:
      return !wanted.empty() && v.starts_with(wanted);
    case EAttributeOperator::Suffix:
      return !wanted.empty() && v.ends_with(wanted);
    case EAttributeOperator::Substring:
      return !wanted.empty() && v.find(wanted) != std::string_view::npos;
  }
  return false;
}

bool MatchesPosition(const TPositionTest& test, const TElement& element) {
  const std::int64_t count = test.ofType ? element.typeSiblings : element.siblings;
  const std::int64_t place = test.ofType ? element.typePosition : element.position;
  const std::int64_t index = test.fromEnd ? count - place + 1 : place;
  if (test.a == 0) return index == test.b;
  const std::int64_t steps = index - test.b;  // must be a * n for some n >= 0
  return steps % test.a == 0 && steps / test.a >= 0;
}

class TMatcher {
public:
  TMatcher(const TSelector& selector, const TElementTable& table, const TLimits& limits,
           std::size_t* steps = nullptr, std::size_t most = 0)
      : selector_(selector), table_(table), limits_(limits), steps_(steps), most_(most) {}

  EResult Match(std::size_t part, std::int32_t index) const {
    if (steps_ && ++*steps_ > most_) return EResult::FailsCompletely;
    const TElement& element = table_[index];
    if (!MatchesCompound(selector_.compounds[part], element)) return EResult::FailsHere;
    if (part + 1 == selector_.compounds.size()) return EResult::Matched;
    switch (selector_.combinators[part]) {
      case ECombinator::Child:
        return element.parent < 0 ? EResult::FailsCompletely : Match(part + 1, element.parent);
      case ECombinator::Descendant:
        for (std::int32_t up = element.parent; up >= 0; up = table_[up].parent)
          // An ancestor's siblings are not the next ancestor's: only these two end the walk.
          if (const EResult result = Match(part + 1, up);
              result == EResult::Matched || result == EResult::FailsCompletely)
            return result;
        return EResult::FailsCompletely;
      case ECombinator::Adjacent:
        return element.previous < 0 ? EResult::FailsAllSiblings : Match(part + 1, element.previous);
      case ECombinator::Sibling: {
        int steps = 0;
        for (std::int32_t left = element.previous; left >= 0 && steps < limits_.maxSiblingWalk;
             left = table_[left].previous, ++steps)
          if (const EResult result = Match(part + 1, left); result != EResult::FailsHere) return result;
        return EResult::FailsAllSiblings;
      }
    }
    return EResult::FailsHere;
  }

private:
  const TSelector& selector_;
  const TElementTable& table_;
  const TLimits& limits_;
  std::size_t* steps_;
  std::size_t most_;
};

}  // namespace

bool MatchesCompound(const TCompound& compound, const TElement& element) {
  if (!compound.type.empty() && compound.type != element.name) return false;
  if (!compound.id.empty() && compound.id != element.id) return false;
  for (const std::string& name : compound.classes)
    if (std::find(element.classes.begin(), element.classes.end(), name) == element.classes.end())
      return false;
  if (compound.root && element.parent >= 0) return false;
  for (const TPositionTest& test : compound.positions)
    if (!MatchesPosition(test, element)) return false;
  for (const TAttributeTest& test : compound.attributes)
    if (!MatchesAttribute(test, element.node)) return false;
  for (const TCompound& negated : compound.negations)
    if (MatchesCompound(negated, element)) return false;
  return true;
}

bool Matches(const TSelector& selector, const TElementTable& table, std::int32_t element,
             const TLimits& limits) {
  return !selector.compounds.empty() &&
         TMatcher(selector, table, limits).Match(0, element) == EResult::Matched;
}

bool Matches(const TSelector& selector, const TElementTable& table, std::int32_t element,
             const TLimits& limits, std::size_t& steps, std::size_t most) {
  return !selector.compounds.empty() &&
         TMatcher(selector, table, limits, &steps, most).Match(0, element) == EResult::Matched;
}

}  // namespace css
