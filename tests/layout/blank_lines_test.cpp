// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/blank_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BlankLinesTest, OnlySpacesAreBlank) {
  EXPECT_TRUE(IsBlankLine(""));
  EXPECT_TRUE(IsBlankLine("   "));
  EXPECT_FALSE(IsBlankLine(" \t "));
  EXPECT_FALSE(IsBlankLine("\xA0"));  // a no-break space in Windows-1250
}

TEST(BlankLinesTest, DrawingLeavesOutOnlySpacesFarPastAnyPage) {
  const std::string many(100000, ' ');
  EXPECT_EQ(DrawnPart("a " + many), "a " + many.substr(0, 65535));
  EXPECT_EQ(DrawnPart(many).size(), 65536u);
  EXPECT_EQ(DrawnPart(many + "b"), many + "b");  // only a run at the end goes
  EXPECT_EQ(DrawnPart("x  "), "x  ");
}

}  // namespace
