#include "app/text_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

TEST(TextBoxTest, HoldsTextUpToTheFirstNul) {
  TTextBox box;
  box.SetText(std::string("ab\0cd", 5));
  EXPECT_EQ(box.Text(), "ab");
}

TEST(TextBoxTest, LinesFollowTextAndFont) {
  TTextBox box;
  EXPECT_EQ(box.LineCount(), 0);
  std::string words;
  for (int i = 0; i < 40; ++i) words += "wyraz ";
  box.SetText(words + "\r\n");
  const int regular = box.LineCount();
  EXPECT_GT(regular, 1);
  TPageFont font = box.Font();
  font.color = MakeColor(1, 2, 3);
  box.SetFont(font);
  EXPECT_EQ(box.LineCount(), regular);
  font.height = -32;
  box.SetFont(font);
  EXPECT_GT(box.LineCount(), regular);
}

TEST(TextBoxTest, ClearAndAppendLeaveOneLine) {
  TTextBox box;
  box.SetText("long book\r\n");
  box.Clear();
  box.AppendLine("gotowe...");
  EXPECT_EQ(box.Text(), "gotowe...\r\n");
  EXPECT_THAT(box.Lines(), ElementsAre("gotowe..."));
}

}  // namespace
