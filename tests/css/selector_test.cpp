// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/selector.h"

#include <gmock/gmock.h>

#include "app/css/tokenizer.h"

using namespace css;

namespace {

std::vector<TSelector> Parse(std::string_view text, TLimits limits = {}) {
  const TTokens tokens = Tokenize(text);
  return ParseSelectorList(tokens, text, limits);
}

}  // namespace

TEST(Selector, ReadsCompoundsRightToLeftWithSpecificity) {
  const std::vector<TSelector> selectors = Parse("div#main > P.a.b[lang|=en] + span ~ *:first-child , em");
  ASSERT_EQ(selectors.size(), 2u);
  const TSelector& s = selectors[0];
  ASSERT_EQ(s.compounds.size(), 4u);
  EXPECT_EQ(s.compounds[0].positions.size(), 1u);
  EXPECT_EQ(s.compounds[1].type, "span");
  EXPECT_EQ(s.compounds[2].type, "p");
  EXPECT_THAT(s.compounds[2].classes, testing::ElementsAre("a", "b"));
  EXPECT_EQ(s.compounds[2].attributes[0].op, EAttributeOperator::DashMatch);
  EXPECT_EQ(s.compounds[3].id, "main");
  EXPECT_THAT(s.combinators,
              testing::ElementsAre(ECombinator::Sibling, ECombinator::Adjacent, ECombinator::Child));
  EXPECT_EQ(s.specificity, (1u << 20) | (4u << 10) | 3u);
  EXPECT_EQ(selectors[1].specificity, 1u);
}

TEST(Selector, ReadsNthAndNegation) {
  const auto nth = [](std::string_view text) {
    const auto s = Parse(text);
    return s.empty() ? TPositionTest{-99, -99} : s[0].compounds[0].positions[0];
  };
  EXPECT_EQ(nth(":nth-child(2n+1)").a, 2);
  EXPECT_EQ(nth(":nth-child( -n + 3 )").b, 3);
  EXPECT_EQ(nth(":nth-child(-n+3)").a, -1);
  EXPECT_EQ(nth(":nth-last-of-type(even)").fromEnd, true);
  EXPECT_EQ(nth(":nth-child(5)").b, 5);
  EXPECT_EQ(nth(":nth-child(n-)").a, -99);
  const auto negated = Parse("p:not(.x)");
  ASSERT_EQ(negated.size(), 1u);
  EXPECT_THAT(negated[0].compounds[0].negations[0].classes, testing::ElementsAre("x"));
  EXPECT_EQ(negated[0].specificity, (1u << 10) | 1u);
}

TEST(Selector, DropsWhatItCannotMatchAndKeepsTheRestOfTheList) {
  EXPECT_EQ(Parse("p::before, a:hover, p:before, :not(:not(p)), p >, #1a, [x=], p").size(), 1u);
  TLimits limits;
  limits.maxCompounds = 3;
  EXPECT_EQ(Parse("a b c d, a b c", limits).size(), 1u);
  EXPECT_EQ(Parse("ns|p, *|*, [xlink|href]").size(), 3u);
}
