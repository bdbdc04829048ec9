#include "app/line_wrap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <numeric>
#include <string>

#include "app/code_page.h"
#include "app/font_metrics.h"
#include "app/font_script.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::string Joined(const TLineList& lines) {
  return std::accumulate(lines.begin(), lines.end(), std::string());
}

// A paragraph of Polish words long enough for several display lines.
std::string Paragraph(int words) {
  const char* const kWords[] = {"ksi\xB9\xBFka", "strona", "czytanie", "\xBF\xF3\xB3w", "Wszystko", "i", "m"};
  std::string text;
  for (int i = 0; i < words; ++i) text += std::string(i ? " " : "") + kWords[i % 7];
  return text;
}

// The rightmost column with ink when the line is drawn at x = 1 the way pages draw it,
// on an image wider than the page; -1 when nothing is drawn.
int RightmostInk(const std::string& line, const TPageFont& font) {
  QImage image(1200, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const QFont qfont = MakeQFont(font);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
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
  EXPECT_THAT(WrapText("abc", font), ElementsAre("abc"));
  EXPECT_THAT(WrapText("abc\r\n", font), ElementsAre("abc"));
  EXPECT_THAT(WrapText("\r\n", font), ElementsAre(""));
  EXPECT_THAT(WrapText("a\r\n\r\nb", font), ElementsAre("a", "", "b"));
  EXPECT_THAT(WrapText("a\r\n\r\n", font), ElementsAre("a", ""));
  EXPECT_THAT(WrapText("a\rb\nc", font), ElementsAre("a\rb\nc"));  // only CR LF breaks a line
}

TEST(LineWrapTest, LongLinesBreakAfterSpacesAndLoseNothing) {
  const TPageFont font;
  const std::string text = Paragraph(120);
  const TLineList lines = WrapText(text, font);
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(Joined(lines), text);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    EXPECT_EQ(lines[i].back(), ' ') << i;
    EXPECT_NE(lines[i + 1].front(), ' ') << i;
  }
}

TEST(LineWrapTest, EveryLineFitsThePageInEveryStyle) {
  for (const bool italic : {false, true}) {
    for (const int height : {-11, -16, -24, -40}) {
      TPageFont font;
      font.italic = italic;
      font.bold = italic;
      font.height = height;
      const TLineList lines =
          WrapText(Paragraph(150) + "\r\n" + std::string(400, 'W') + "\r\n" + Paragraph(9), font);
      for (const auto& line : lines) {
        SCOPED_TRACE(testing::Message() << "height " << height << " italic " << italic << ": " << line);
        EXPECT_LT(RightmostInk(line, font), 480);
      }
    }
  }
}

TEST(LineWrapTest, AWordWiderThanTheBoxBreaksBetweenCharactersAndFillsEachLine) {
  const TPageFont font;
  const std::string word(300, 'm');
  const TLineList lines = WrapText("ab " + word, font);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "ab ");  // the long word starts on a line of its own
  EXPECT_EQ(Joined(lines), "ab " + word);
  // Greedy: one more character would not have fitted.
  EXPECT_GT(RightmostInk(lines[1] + "m", font), kWrapWidth);
}

TEST(LineWrapTest, AGlyphWiderThanTheBoxStandsAlone) {
  TPageFont font;
  font.height = -700;
  EXPECT_THAT(WrapText("WW", font), ElementsAre("W", "W"));
}

TEST(LineWrapTest, Utf8CharactersAreNeverSplit) {
  TPageFont font;
  font.script = TFontScript::Utf8;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "\xC5\xBC\xE2\x82\xAC";  // "ż€"
  const TLineList lines = WrapText(text, font);
  ASSERT_GT(lines.size(), 1u);
  EXPECT_EQ(Joined(lines), text);
  for (const auto& line : lines) {
    EXPECT_TRUE(IsValidUtf8(line)) << line;
    EXPECT_LT(RightmostInk(line, font), 480);
  }
}

TEST(LineWrapTest, TheScriptDecidesTheWidths) {
  // Bytes 0xC5 0xBC are two narrow letters in Windows-1250 but one in UTF-8.
  std::string text;
  for (int i = 0; i < 120; ++i) text += "\xC5\xBC";
  TPageFont central;
  TPageFont utf8;
  utf8.script = TFontScript::Utf8;
  EXPECT_GT(WrapText(text, central).size(), WrapText(text, utf8).size());
}

}  // namespace
