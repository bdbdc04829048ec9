// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/stylesheet.h"

#include <gmock/gmock.h>

#include <map>
#include <string>

using namespace css;

namespace {

// "selector-count:property,property!" for each rule, "!" marking important ones.
std::vector<std::string> Outline(const TStyleSheet& sheet) {
  std::vector<std::string> out;
  for (const TStyleRule& rule : sheet.rules) {
    std::string line = std::to_string(rule.selectors.size()) + ":";
    for (const TDeclaration& d : rule.declarations) line += d.property + (d.important ? "!" : "") + ",";
    out.push_back(line);
  }
  return out;
}

TStyleSheet Parse(std::string_view text) {
  TLimits limits;
  return ParseStyleSheet(text, ESheetOrigin::Author, limits);
}

}  // namespace

TEST(StyleSheet, SkipsBadRulesAndDeclarationsAsBrowsersDo) {
  EXPECT_THAT(
      Outline(Parse("<!-- p { color: red; ; bad; x: { a; } ; Font-Style : italic ! IMPORTANT } -->\n"
                    "h1 {}  p:hover { color: red }  @font-face { src: url(x) }  @page :first { margin: 0 }\n"
                    "} { b: c } em { @x y; font-weight: bold; z: (;) ; a: [;] }\n"
                    "strong, b:foo { margin: 0 }  i { font-style: italic")),
      testing::ElementsAre("1:color,x,font-style!,", "1:font-weight,z,a,", "1:margin,", "1:font-style,"));
  EXPECT_THAT(Outline(Parse("p{a:b}}}q{c:d}")), testing::ElementsAre("1:a,"));  // "}}q" is one prelude
  TLimits limits;
  EXPECT_EQ(ParseDeclarations("font-style: italic; ;;color:red !important; :x; 5: y", limits).size(), 2u);
}

TEST(StyleSheet, AppliesMediaOfAnEReaderScreen) {
  EXPECT_THAT(
      Outline(Parse("@media print { a { x: 1 } } @media screen and (min-width: 9px), print { b { x: 1 } }"
                    "@media amzn-kf8 { c { x: 1 } @media not print { d { x: 1 } } } @media tv { e { x: 1 } }"
                    "@media only all { f { x: 1 } } @media (max-width: 1px) { g { x: 1 } }")),
      testing::ElementsAre("1:x,", "1:x,", "1:x,", "1:x,", "1:x,"));
}

TEST(StyleSheet, FollowsImportsWithinDepthAndWithoutCycles) {
  std::map<std::string, std::string, std::less<>> files = {
      {"a.css", "@import 'b.css'; a { x: 1 }"},
      {"b.css", "@import url(a.css); @import url(\"c.css\") screen; @import 'p.css' print; b { x: 1 }"},
      {"c.css", "c { x: 1 }"},
      {"deep0.css", "@import 'deep1.css'; d0 { x: 1 }"}};
  for (int i = 1; i < 10; ++i)
    files["deep" + std::to_string(i) + ".css"] =
        "@import 'deep" + std::to_string(i + 1) + ".css'; d" + std::to_string(i) + " { x: 1 }";
  int loads = 0;
  const TSheetLoader loader = [&](std::string_view href) -> std::optional<std::string> {
    ++loads;
    const auto found = files.find(href);
    return found == files.end() ? std::nullopt : std::optional(found->second);
  };
  TLimits limits;
  const TStyleSheet sheet =
      LoadStyleSheet("@import 'a.css'; r { x: 1 } @import 'late.css';", ESheetOrigin::Author, limits, loader);
  ASSERT_EQ(sheet.rules.size(), 4u);  // c, b, a, r
  EXPECT_EQ(sheet.rules[0].selectors[0].compounds[0].type, "c");
  EXPECT_EQ(sheet.rules[3].selectors[0].compounds[0].type, "r");
  EXPECT_EQ(LoadStyleSheet("@import 'deep0.css';", ESheetOrigin::Author, limits, loader).rules.size(), 4u);
}

TEST(StyleSheet, StopsAtTheBookBudget) {
  TLimits limits;
  limits.maxRules = 3;
  limits.maxSheetBytes = 40;
  EXPECT_EQ(ParseStyleSheet("a{x:1} b{x:1} c{x:1} d{x:1}", ESheetOrigin::Author, limits).rules.size(), 3u);
  const TStyleSheet cut = ParseStyleSheet("e{x:1} f{x:1} g{x:1}", ESheetOrigin::Author, limits);
  EXPECT_TRUE(cut.rules.empty());
  EXPECT_EQ(limits.sheetBytes, 40u);
  TLimits few;
  few.maxTokens = 8;
  EXPECT_EQ(ParseStyleSheet("a { x: 1 } b { x: 1 }", ESheetOrigin::Author, few).rules.size(), 1u);
  std::string nested;
  for (int i = 0; i < 100'000; ++i) nested += "@media all { ";
  TLimits fresh;
  EXPECT_TRUE(ParseStyleSheet(nested + "p { x: 1 }", ESheetOrigin::Author, fresh).rules.empty());
}
