// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/blank_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(BlankLinesTest, OnlySpacesAreBlank) {
  EXPECT_TRUE(IsBlankLine(""));
  EXPECT_TRUE(IsBlankLine("   "));
  EXPECT_FALSE(IsBlankLine(" \t "));
  EXPECT_FALSE(IsBlankLine("\xA0"));  // a no-break space in Windows-1250
}

TEST(BlankLinesTest, SqueezeKeepsOneOfARunAndTheFirstTwoLines) {
  const std::pair<TLineList, TLineList> cases[] = {
      {{"a", "", "", "", "b"}, {"a", "", "b"}}, {{"", "", "", "a"}, {"", "", "a"}},
      {{"", "a", "", ""}, {"", "a", ""}},       {{"a", "   ", "", "b"}, {"a", "   ", "b"}},
      {{"", "", "", "", ""}, {"", ""}},         {{"a", "\t", "\t", "", " ", "b"}, {"a", "\t", "\t", "", "b"}},
  };
  for (const auto& [before, after] : cases) {
    TLineViews lines(before.begin(), before.end());
    SqueezeBlankLines(lines);
    EXPECT_EQ(lines, TLineViews(after.begin(), after.end()));
  }
}

}  // namespace
