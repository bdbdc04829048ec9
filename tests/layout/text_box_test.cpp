// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/text_box.h"

#include <gtest/gtest.h>

namespace {

TEST(TextBoxTest, HoldsTextUpToTheFirstNulAndRewrapsOnlyForWidths) {
  TTextBox box;
  box.SetText(std::string("ab\0cd", 5));
  EXPECT_EQ(box.Text(), "ab");
  std::string words;
  for (int i = 0; i < 40; ++i) words += "wyraz ";
  box.SetText(words);
  const int regular = box.LineCount();
  TPageFont font = box.Font();
  font.color = MakeColor(1, 2, 3);
  box.SetFont(font);
  EXPECT_EQ(box.LineCount(), regular);
  font.height = -32;
  box.SetFont(font);
  EXPECT_GT(box.LineCount(), regular);  // no stale lines after a font change
}

}  // namespace
