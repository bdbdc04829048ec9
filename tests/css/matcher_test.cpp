// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/matcher.h"

#include <gmock/gmock.h>

#include "app/css/tokenizer.h"
#include "css/css_fixture.h"

using namespace css;

namespace {

class Matcher : public testing::Test {
protected:
  void SetUp() override {
    doc_ = css_test::ParseXhtml(
        "<html><body><div id='d' class='chap main'><h1 id='h'>T</h1><p id='p1' lang='en-GB' title='a b'>x</p>"
        "<p id='p2' class='x'>y</p><SPAN id='s'/><p id='p3'><em id='e'>z</em></p></div></body></html>");
  }
  // The ids of the elements the selector matches, in table order.
  std::string Ids(std::string_view text) const {
    TLimits limits;
    const TTokens tokens = Tokenize(text);
    const std::vector<TSelector> selectors = ParseSelectorList(tokens, text, limits);
    const TElementTable table(xmlDocGetRootElement(doc_.get()));
    std::string ids;
    for (std::size_t i = 0; i < table.Elements().size(); ++i)
      if (!selectors.empty() && Matches(selectors[0], table, std::int32_t(i), limits))
        ids += table[std::int32_t(i)].id + " ";
    return ids;
  }
  css_test::TDoc doc_;
};

}  // namespace

TEST_F(Matcher, Combinators) {
  EXPECT_EQ(Ids("div p"), "p1 p2 p3 ");
  EXPECT_EQ(Ids("body > p"), "");
  EXPECT_EQ(Ids("h1 + p"), "p1 ");
  EXPECT_EQ(Ids("h1 ~ p"), "p1 p2 p3 ");
  EXPECT_EQ(Ids("h1 ~ span + p em"), "e ");
  EXPECT_EQ(Ids(".chap > p:not(.x) > em"), "e ");
  EXPECT_EQ(Ids("body span"), "s ");  // element names compare lower case
}

TEST_F(Matcher, AttributesAndPositions) {
  EXPECT_EQ(Ids("[lang|=en]"), "p1 ");
  EXPECT_EQ(Ids("[title~=b]"), "p1 ");
  EXPECT_EQ(Ids("[LANG^=en-]"), "p1 ");
  EXPECT_EQ(Ids("[lang$=gb i]"), "p1 ");
  EXPECT_EQ(Ids("[lang*=N-G]"), "");
  EXPECT_EQ(Ids("[class=main]"), "");
  EXPECT_EQ(Ids("div > :first-child"), "h ");
  EXPECT_EQ(Ids("div > :last-child"), "p3 ");
  EXPECT_EQ(Ids("div > :nth-child(2n)"), "p1 s ");
  EXPECT_EQ(Ids("p:first-of-type"), "p1 ");
  EXPECT_EQ(Ids("p:nth-last-of-type(1)"), "p3 ");
  EXPECT_EQ(Ids("em:only-child"), "e ");
  EXPECT_EQ(Ids(":root div, p"), "d ");
}

TEST_F(Matcher, DeepTreesAndLongSelectorsStayQuick) {
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<a>";
  for (int i = 0; i < 5000; ++i) deep += "</a>";
  doc_ = css_test::ParseXhtml(deep);
  std::string selector = "b";
  for (int i = 0; i < 31; ++i) selector += " a";
  EXPECT_EQ(Ids(selector), "");  // 5000 elements, a failing 32-part chain each
  EXPECT_EQ(Ids("a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a > a").size(), 5000u - 30u);
}
