#include "app/blank_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

TEST(BlankLinesTest, OnlySpacesAreBlank) {
  EXPECT_TRUE(IsBlankLine(""));
  EXPECT_TRUE(IsBlankLine("   "));
  EXPECT_FALSE(IsBlankLine(" \t "));
  EXPECT_FALSE(IsBlankLine("\xA0"));  // a no-break space in Windows-1250
  EXPECT_FALSE(IsBlankLine(" a "));
}

TEST(BlankLinesTest, SqueezeTable) {
  struct TCase {
    TLineList before, after;
  };
  const TCase cases[] = {
      {{"a", "", "", "", "b"}, {"a", "", "b"}}, {{"", "", "", "a"}, {"", "", "a"}},
      {{"", "a", "", ""}, {"", "a", ""}},       {{"a", "   ", "", "b"}, {"a", "   ", "b"}},
      {{"", "", "", "", ""}, {"", ""}},
  };
  for (const auto& c : cases) {
    TLineList lines = c.before;
    SqueezeBlankLines(lines);
    EXPECT_EQ(lines, c.after);
  }
}

TEST(BlankLinesTest, SqueezeLeavesShortListsAndNonBlankRunsAlone) {
  TLineList two = {"", ""};
  SqueezeBlankLines(two);
  EXPECT_THAT(two, ElementsAre("", ""));
  TLineList tabs = {"a", "\t", "\t", "", " ", "b"};
  SqueezeBlankLines(tabs);
  EXPECT_THAT(tabs, ElementsAre("a", "\t", "\t", "", "b"));
}

TEST(BlankLinesTest, SqueezeWalksALongListInLinearTime) {
  TLineList lines;
  for (int i = 0; i < 200000; ++i) lines.push_back(i % 1000 == 0 ? "x" : "");
  SqueezeBlankLines(lines);
  ASSERT_EQ(lines.size(), 400u);  // "x" and one blank, 200 times
  EXPECT_EQ(lines[398], "x");
  EXPECT_EQ(lines[399], "");
}

}  // namespace
