// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/line_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

// The squeezing rule as written: from the third line on, a blank line goes while the
// line kept before it is blank too.
TLineViews Squeezed(TLineViews lines) {
  for (std::size_t i = 2; i < lines.size();)
    if (lines[i].find_first_not_of(' ') == std::string_view::npos &&
        lines[i - 1].find_first_not_of(' ') == std::string_view::npos)
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    else
      ++i;
  return lines;
}

// A line that just fits the box, measured as the wrap measures.
std::string FullLine(const TPageFont& font) {
  TGlyphWidths widths(font);
  std::string line;
  int length = 1;
  for (float pen = 0;; line += 'n') {
    const TGlyphWidths::TWidth width = widths.Next("n", length);
    if (pen + width.extent > kWrapWidth) return line;
    pen += width.advance;
  }
}

// Blank runs of every length (empty and spaces only), lone CRs and LFs that break no line,
// lines of exactly the box's width and one character more, long paragraphs: more than
// two strides of lines, so that reading from a stored place is tried too.
std::string TrickyText(const TPageFont& font) {
  const std::string full = FullLine(font);
  const std::string pieces[] = {"a",
                                "",
                                "",
                                "   ",
                                "",
                                full,
                                full + "n",
                                full + " tail",
                                "b\rc",
                                "d\ne",
                                "",
                                "  ",
                                std::string(300, 'w') + " " + std::string(40, ' ')};
  std::string text;
  for (int i = 0; i < 1500; ++i)
    for (std::size_t k = 0; k < std::size(pieces); k += 1 + i % 3) text += pieces[k] + "\r\n";
  return text + "\r\n\r\n  \r\n";
}

TEST(LineListTest, ReadsTheWrappedLinesSqueezedOrNotFromAnyLine) {
  const TPageFont font;
  const auto text = std::make_shared<const std::string>(TrickyText(font));
  for (const bool squeezed : {false, true}) {
    const TLineViews expected = squeezed ? Squeezed(WrapText(*text, font)) : WrapText(*text, font);
    const TLineList lines(text, font, squeezed);
    ASSERT_GT(expected.size(), 9000u);
    EXPECT_THAT(lines, ElementsAreArray(expected)) << squeezed;
    for (std::size_t i = 0; i < expected.size(); i += 1 + i % 251)
      ASSERT_EQ(lines.From(i).Next(), expected[i]) << i << (squeezed ? " squeezed" : "");
    EXPECT_TRUE(lines.From(expected.size()).AtEnd());
  }
}

TEST(LineListTest, EndsAndShortTexts) {
  const auto list = [](std::string text, bool squeezed) {
    return TLineList(std::make_shared<const std::string>(std::move(text)), TPageFont(), squeezed);
  };
  EXPECT_TRUE(list("", false).empty());
  EXPECT_THAT(list("\r\n", true), ElementsAre(""));
  EXPECT_THAT(list("\r\n\r\n\r\n \r\n", true), ElementsAre("", ""));
  EXPECT_THAT(list("a\r\n\r\n \r\n", true), ElementsAre("a", ""));
  EXPECT_THAT(list("a\r\n\r\n \r\nb", true), ElementsAre("a", "", "b"));
  EXPECT_EQ(list("a\r\nb", false).at(1), "b");
  EXPECT_THROW(list("a\r\nb", false).at(2), std::out_of_range);
}

}  // namespace
