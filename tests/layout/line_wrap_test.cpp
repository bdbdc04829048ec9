// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/line_wrap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <numeric>
#include <string>

#include "app/layout/font_metrics.h"
#include "app/layout/line_list.h"
#include "app/text/code_page.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::string Joined(const TLineViews& lines) {
  std::string joined;
  for (const std::string_view line : lines) joined += line;
  return joined;
}

std::string Paragraph(int words) {
  const char* const kWords[] = {"ksi\xB9\xBFka", "strona", "czytanie", "\xBF\xF3\xB3w", "Wszystko", "i", "m"};
  std::string text;
  for (int i = 0; i < words; ++i) text += std::string(i ? " " : "") + kWords[i % 7];
  return text;
}

// The rightmost inked column when the line is drawn at x = 1 as pages draw it, on an
// image wider than the page.
int RightmostInk(std::string_view line, const TPageFont& font) {
  QImage image(1200, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const QFont qfont = MakeQFont(font);
    painter.setFont(qfont);
    painter.drawText(1, CellOf(qfont).ascent, CodePageOf(font.script).Decode(line));
  }
  for (int x = image.width() - 1; x >= 0; --x)
    for (int y = 0; y < image.height(); ++y)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return x;
  return -1;
}

TEST(LineWrapTest, CountRuleDropsOnlyAFinalEmptyRow) {
  const TPageFont font;
  EXPECT_THAT(WrapText("", font), IsEmpty());
  EXPECT_THAT(WrapText("abc\r\n", font), ElementsAre("abc"));
  EXPECT_THAT(WrapText("\r\n", font), ElementsAre(""));
  EXPECT_THAT(WrapText("a\r\n\r\nb", font), ElementsAre("a", "", "b"));
  EXPECT_THAT(WrapText("a\r\n\r\n", font), ElementsAre("a", ""));
  EXPECT_THAT(WrapText("a\rb\nc", font), ElementsAre("a\rb\nc"));  // only CR LF breaks a line
}

TEST(LineWrapTest, LinesBreakAfterSpacesLoseNothingAndFitThePage) {
  for (const bool italic : {false, true}) {
    for (const int height : {-11, -16, -40}) {
      TPageFont font;
      font.italic = font.bold = italic;
      font.height = height;
      const std::string text = Paragraph(150);
      const TLineViews lines = WrapText(text, font);
      ASSERT_GT(lines.size(), 3u);
      EXPECT_EQ(Joined(lines), text);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << height << (italic ? " italic: " : ": ") << lines[i]);
        EXPECT_LT(RightmostInk(lines[i], font), 480);
        if (i + 1 < lines.size()) {
          EXPECT_TRUE(lines[i].ends_with(' ') && !lines[i + 1].starts_with(' '));
        }
      }
    }
  }
}

TEST(LineWrapTest, AWordWiderThanTheBoxBreaksBetweenCharacters) {
  const TPageFont font;
  const std::string word(300, 'm');
  const std::string text = "ab " + word;
  const TLineViews lines = WrapText(text, font);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "ab ");  // the long word starts a line of its own
  EXPECT_EQ(Joined(lines), "ab " + word);
  EXPECT_LT(RightmostInk(lines[1], font), 480);
  EXPECT_GT(RightmostInk(std::string(lines[1]) + "m", font), kWrapWidth);  // greedy: one more would not fit
  TPageFont huge;
  huge.height = -700;
  EXPECT_THAT(WrapText("WW", huge), ElementsAre("W", "W"));  // a glyph wider than the page stands alone
}

TEST(LineWrapTest, Utf8CharactersAreNeverSplit) {
  TPageFont font;
  font.script = TFontScript::Utf8;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "\xC5\xBC\xE2\x82\xAC";  // "ż€"
  const TLineViews lines = WrapText(text, font);
  ASSERT_GT(lines.size(), 1u);
  EXPECT_EQ(Joined(lines), text);
  for (const auto& line : lines) EXPECT_TRUE(IsValidUtf8(line) && RightmostInk(line, font) < 480) << line;
}

}  // namespace
