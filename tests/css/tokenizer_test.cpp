// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/tokenizer.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using namespace css;

namespace {

// Each token as kind:text, spaces left out.
std::vector<std::string> Kinds(std::string_view text) {
  static constexpr const char* kNames[] = {"ident", "func", "at",  "hash", "str", "badstr", "url", "badurl",
                                           "delim", "num",  "pct", "dim",  "ws",  "cdo",    "cdc", ":",
                                           ";",     ",",    "[",   "]",    "(",   ")",      "{",   "}"};
  std::vector<std::string> out;
  for (const TToken& token : Tokenize(text)) {
    if (token.Is(ETokenType::Whitespace)) continue;
    std::string kind = kNames[int(token.type)];
    if (!token.text.empty()) kind += ":" + token.text;
    out.push_back(kind);
  }
  return out;
}

}  // namespace

TEST(Tokenizer, ReadsRulesNumbersAndStrings) {
  EXPECT_THAT(
      Kinds("p.c3>#x{margin:-1.5em 50% 0 url( a b.png );content:\"q\\\"\"}"),
      testing::ElementsAre("ident:p", "delim:.", "ident:c3", "delim:>", "hash:x", "{", "ident:margin", ":",
                           "dim:em", "pct", "num", "badurl", ";", "ident:content", ":", "str:q\"", "}"));
  const TTokens numbers = Tokenize("-1.5em +.5 1e3 7");
  EXPECT_DOUBLE_EQ(numbers[0].number, -1.5);
  EXPECT_DOUBLE_EQ(numbers[2].number, 0.5);
  EXPECT_DOUBLE_EQ(numbers[4].number, 1000);
  EXPECT_FALSE(numbers[4].isInteger);
  EXPECT_TRUE(numbers[6].isInteger);
}

TEST(Tokenizer, ResolvesEscapesAndSkipsComments) {
  EXPECT_THAT(Kinds("/* x */ .\\31 0\\%a @media url(\"a\") url(b.css) <!-- --> 'cut\n"),
              testing::ElementsAre("delim:.", "ident:10%a", "at:media", "func:url", "str:a", ")", "url:b.css",
                                   "cdo", "cdc", "badstr"));
  EXPECT_THAT(Kinds("a\\0 b /* unclosed"), testing::ElementsAre("ident:a\xEF\xBF\xBD"
                                                                "b"));
}

TEST(Tokenizer, NeverFailsOnArbitraryBytes) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += char((i * 131 + 7) % 256);
  const TTokens tokens = Tokenize(bytes);
  ASSERT_FALSE(tokens.empty());
  EXPECT_EQ(tokens.back().end, bytes.size());
}
