// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/cascade.h"

#include <gmock/gmock.h>

#include "css/css_fixture.h"

using namespace css;
using css_test::TStyledPage;

TEST(Cascade, WeighsImportanceSpecificityOrderAndTheStyleAttribute) {
  const TStyledPage page(
      "<p id='a' class='c'>x</p><p id='b' class='c' style='text-align: right'>y</p>"
      "<p id='c' class='c' style='text-align: right'>z</p>",
      "#b { text-align: left } p.c { text-align: center } .c { text-align: justify }"
      "p { text-align: left !important } #c { text-align: end !important } p { text-align: start }");
  EXPECT_EQ(page.Style("a").textAlign, ETextAlign::Left);  // important beats specificity
  EXPECT_EQ(page.Style("c").textAlign, ETextAlign::End);
  const TStyledPage plain("<p id='a' class='c'>x</p><p id='b' class='c' style='text-align: right'>y</p>",
                          "#b { text-align: left } p.c { text-align: center } .c { text-align: justify }");
  EXPECT_EQ(plain.Style("a").textAlign, ETextAlign::Center);
  EXPECT_EQ(plain.Style("b").textAlign, ETextAlign::Right);
}

TEST(Cascade, InheritsAndComputesFontSizesAndLengths) {
  const TStyledPage page(
      "<div id='d'><p id='p' class='chap'>x<span id='s' class='c3'>y<b id='b'>z</b></span></p>"
      "<h2 id='h'>t</h2><small id='sm'><i id='i' style='font: bold 12pt/2 \"Courier New\", "
      "serif'>u</i></small></div>",
      "html { font-size: 20px } .chap { font-size: 2em; font-weight: bold; text-align: center; text-indent: "
      "1.5em;"
      " margin: 0 auto 1rem 10% } .c3 { font-style: italic; font-weight: lighter; margin-left: inherit;"
      " font-size: 50% } b { font-weight: bolder; text-indent: initial } div { font-family: Georgia, "
      "monospace }");
  const TComputedStyle& p = page.Style("p");
  EXPECT_EQ(p.fontSize, 40);
  EXPECT_TRUE(p.Bold());
  EXPECT_EQ(p.textIndent, TLength::Px(60));
  EXPECT_EQ(p.marginTop, TLength::Px(0));
  EXPECT_TRUE(p.marginRight.IsAuto());
  EXPECT_EQ(p.marginBottom, TLength::Px(20));
  EXPECT_EQ(p.marginLeft, TLength::Fraction(0.1f));
  EXPECT_EQ(p.display, EDisplay::Block);
  const TComputedStyle& s = page.Style("s");
  EXPECT_TRUE(s.italic && !s.Bold() && s.fontWeight == 400);  // lighter than bold
  EXPECT_EQ(s.fontSize, 20);
  EXPECT_EQ(s.textAlign, ETextAlign::Center);
  EXPECT_EQ(s.textIndent, TLength::Px(60));  // inherited as computed, not as 1.5em
  EXPECT_EQ(s.marginLeft, TLength::Fraction(0.1f));
  EXPECT_EQ(page.Style("b").fontWeight, 700);
  EXPECT_EQ(page.Style("b").textIndent, TLength::Px(0));
  EXPECT_EQ(page.Style("h").fontSize, 30);
  EXPECT_FALSE(page.Style("d").monospace);
  const TComputedStyle& i = page.Style("i");
  EXPECT_TRUE(i.monospace && i.Bold() && !i.italic);
  EXPECT_EQ(i.fontSize, 16);
  EXPECT_EQ(page.Style("sm").fontSize, 20 / 1.2f);
}

TEST(Cascade, TheDefaultsOfXhtml) {
  const TStyledPage page(
      "<h1 id='h1'>a</h1><ul><li id='li'>b</li></ul><p>x<sup id='sup'>1</sup><u id='u'>u<s id='s'>s<span "
      "id='n' style='text-decoration: none'>n</span></s></u><code id='code'>c</code><i id='i'>i</i></p>"
      "<pre id='pre'>p</pre><center id='center'>c</center><script id='script'/>"
      "<p id='break' style='page-break-before: always; break-after: page; vertical-align: -2px; float: right;"
      " visibility: hidden; text-transform: uppercase; font-variant: small-caps'>b</p>",
      "");
  EXPECT_TRUE(page.Style("h1").Bold());
  EXPECT_EQ(page.Style("h1").fontSize, 32);
  EXPECT_EQ(page.Style("li").display, EDisplay::ListItem);
  EXPECT_TRUE(page.Style("sup").Raised());
  EXPECT_TRUE(page.Style("n").Underlined() && page.Style("n").StruckThrough());
  EXPECT_FALSE(page.Style("u").StruckThrough());
  EXPECT_TRUE(page.Style("code").monospace);
  EXPECT_TRUE(page.Style("i").italic);
  EXPECT_EQ(page.Style("pre").whiteSpace, EWhiteSpace::Pre);
  EXPECT_EQ(page.Style("center").textAlign, ETextAlign::Center);
  EXPECT_EQ(page.Style("script").display, EDisplay::None);
  const TComputedStyle& b = page.Style("break");
  EXPECT_TRUE(b.pageBreakBefore && b.pageBreakAfter && b.Lowered() && b.hidden && b.smallCaps);
  EXPECT_EQ(b.floating, EFloat::Right);
  EXPECT_EQ(b.textTransform, ETextTransform::Uppercase);
}

TEST(Cascade, HostileSheetsAndTreesEndAtTheLimits) {
  std::string body;
  for (int i = 0; i < 200; ++i) body += "<a>";
  body += "<b id='b'/>";
  for (int i = 0; i < 200; ++i) body += "</a>";
  std::string sheet = "b { font-weight: bold }";
  for (int i = 0; i < 33; ++i) sheet += "a ";
  sheet += "b { font-style: italic }";  // 34 compounds: dropped
  // Selectors that climb the whole tree before they fail, then rules enough to pass the budget.
  for (int i = 0; i < 2'000; ++i)
    sheet += ".r" + std::to_string(i) + " a a a a a a a a a a a a a a b { x: 1 }";
  for (int i = 0; i < 50'000; ++i) sheet += "b { x: 1 }";
  sheet += "b { text-align: right }";  // beyond the rules a book may hold
  TStyledPage page(body, sheet);
  EXPECT_TRUE(page.Style("b").Bold());
  EXPECT_FALSE(page.Style("b").italic);
  EXPECT_EQ(page.Style("b").textAlign, ETextAlign::Start);
  EXPECT_EQ(page.Limits().rules, TLimits().maxRules);
}
