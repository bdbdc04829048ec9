// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Selectors Level 3 as far as books use them: type, universal, class, id, attribute tests,
// the four combinators, the structural pseudo-classes and :not(). A selector with anything
// else (an unknown pseudo-class, any pseudo-element) is dropped at parsing.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/css/limits.h"
#include "app/css/token.h"

namespace css {

enum class EAttributeOperator : std::uint8_t {
  Exists,
  Equals,
  Includes,
  DashMatch,
  Prefix,
  Suffix,
  Substring
};

struct TAttributeTest {
  std::string name;  // lower case
  EAttributeOperator op = EAttributeOperator::Exists;
  std::string value;
  bool ignoreCase = false;  // the "i" flag
};

// :nth-child(an+b) and its kin; :first-child is nth-child(0n+1), :last-child nth-last-child(1).
struct TPositionTest {
  int a = 0;
  int b = 1;
  bool ofType = false;
  bool fromEnd = false;
};

// Simple selectors joined without a combinator.
struct TCompound {
  std::string type;  // lower case; empty for any element
  std::string id;
  std::vector<std::string> classes;
  std::vector<TAttributeTest> attributes;
  std::vector<TPositionTest> positions;
  bool root = false;
  std::vector<TCompound> negations;  // :not(...), each without negations of its own
};

enum class ECombinator : std::uint8_t { Descendant, Child, Adjacent, Sibling };

struct TSelector {
  // Rightmost (the subject) first; combinators[i] joins compounds[i] to compounds[i + 1].
  std::vector<TCompound> compounds;
  std::vector<ECombinator> combinators;
  std::uint32_t specificity = 0;  // ids << 20 | classes << 10 | types, each at most 1023
};

// The selectors of a rule's prelude (`source` is the text the tokens came from); those that
// are invalid or beyond the limits are left out, the others kept.
std::vector<TSelector> ParseSelectorList(std::span<const TToken> prelude, std::string_view source,
                                         const TLimits& limits);

}  // namespace css
