// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/page_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "app/drawing/appearance.h"
#include "app/layout/line_wrap.h"
#include "app/layout/page_layout.h"
#include "app/text/code_page.h"

namespace {

using testing::StartsWith;
using testing::StrEq;
using testing::ThrowsMessage;

// The lines as a list of their own, unwrapped, in the box's font.
TLineList ListOf(std::initializer_list<std::string_view> lines, const TTextBox& box) {
  std::string text;
  for (const std::string_view line : lines) text.append(line).append("\r\n");
  return TLineList(std::make_shared<const std::string>(text), box.Font(), false, 1 << 20);
}

TPageSpan PageOf(const TLineList& lines, std::size_t first, int count) {
  return {first, count, lines.From(first).Place()};
}

TColor PixelAt(TPageRaster& raster, int x, int y) {
  const std::uint8_t* p = raster.Bitmap().ScanLine(y) + 4 * x;
  return MakeColor(p[2], p[1], p[0]);
}

TEST(PageDrawingTest, AConvertedRasterIsRedrawnInTheBoxColoursAndCutAtTheEdge) {
  TPageRaster raster;
  TTextBox box;
  ApplyColorSet(box, 4);
  raster.Bitmap().SetPixelFormat(pf24bit);  // as the frame import leaves it
  const std::string wide(200, 'W');
  ClearPage(raster, box);
  const TLineList lines = ListOf({wide, "x"}, box);
  DrawPageLines(raster, box, lines, PageOf(lines, 0, 2));
  ASSERT_EQ(raster.Bitmap().PixelFormat(), pfDevice);
  std::set<TColor> colours;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) colours.insert(PixelAt(raster, x, y));
  EXPECT_TRUE(colours.count(clBlack) && colours.count(MakeColor(0, 255, 0)));
  for (const TColor c : colours) EXPECT_EQ(RedOf(c) + BlueOf(c), 0) << std::hex << c;  // grey smoothing only
  bool edgeInked = false;
  for (int y = 3; y < 20; ++y) edgeInked |= PixelAt(raster, kPageWidth - 1, y) != clBlack;
  EXPECT_TRUE(edgeInked);
}

TEST(PageDrawingTest, AFontThatFitsNoLineDrawsNothing) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font;
  font.height = -219;
  box.SetFont(font);
  const TLineList lines = ListOf({"a", "b"}, box);
  ASSERT_LE(ComputeLayout(font.height).linesPerPage, 0);
  ClearPage(raster, box);
  DrawPageLines(raster, box, lines, PageOf(lines, 0, 0));
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) ASSERT_EQ(PixelAt(raster, x, y), clWhite);
}

// A printer that keeps its glyphs from page to page draws each page as Qt alone draws it, in
// any colour set, with the lines it leaves to Qt among its own.
TEST(PageDrawingTest, APrinterDrawsThePagesQtAloneDraws) {
  const TCodePage& cp1250 = CodePageOf(TFontScript::CentralEuropean);
  const std::string lines[] = {cp1250.FromUtf8("Zażółć gęślą jaźń, „cytat” – ZAŻÓŁĆ GĘŚLĄ JAŹŃ… "),
                               "Ge1:1 In the beginning God created the heaven and the earth.", "",
                               cp1250.FromUtf8("soft\u00adhyphen"), std::string(90, 'W')};
  for (int set = 1; set <= 4; ++set) {
    TTextBox box;
    TPageFont font;
    font.bold = set % 2 == 0;
    font.height = -12 - 2 * set;
    box.SetFont(font);
    ApplyColorSet(box, set);
    const std::unique_ptr<TLinePrinter> printer = MakeLinePrinter(box);
    const TLineList views = ListOf({lines[0], lines[1], lines[2], lines[3], lines[4]}, box);
    TPageRaster alone, printed;
    for (std::size_t first = 0; first < 2; ++first) {
      const TPageSpan page = PageOf(views, first, 5 - static_cast<int>(first));
      ClearPage(alone, box);
      DrawPageLines(alone, box, views, page);
      ClearPage(printed, box);
      DrawPageLines(printed, box, views, page, printer.get());
      const std::size_t bytes = static_cast<std::size_t>(alone.Bitmap().Stride()) * kPageHeight;
      EXPECT_EQ(std::memcmp(alone.Bitmap().ScanLine(0), printed.Bitmap().ScanLine(0), bytes), 0) << set;
    }
  }
}

TEST(PageDrawingTest, AOnePointFontFailsOnBothPages) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font;
  font.height = -1;
  box.SetFont(font);
  const TLineList lines = ListOf({"a"}, box);
  const auto message = StartsWith("Czcionka jest za mała");
  EXPECT_THAT([&] { DrawPageLines(raster, box, lines, PageOf(lines, 0, 1)); },
              ThrowsMessage<EFontTooSmall>(message));
  EXPECT_THAT([&] { DrawTitlePage(raster, box, ""); }, ThrowsMessage<EFontTooSmall>(message));
}

}  // namespace

namespace {

// The rows between `top` and `bottom` that hold ink, and whether any reaches column `x`.
bool InkBetween(TPageRaster& raster, int top, int bottom, int fromX = 0) {
  for (int y = std::max(top, 0); y < std::min(bottom, kPageHeight); ++y)
    for (int x = fromX; x < kPageWidth; ++x)
      if (PixelAt(raster, x, y) != clWhite) return true;
  return false;
}

}  // namespace

// A long title and its author wrap within the page; a text book's file name stays one line.
TEST(PageDrawingTest, ALongBookTitleWrapsAndMovesTheTitlePageDown) {
  TPageRaster raster;
  TTextBox box;
  const int size = ComputeLayout(box.Font().height).size;
  const int step = TextLineY(2, size) - TextLineY(1, size);
  ClearPage(raster, box);
  DrawTitlePage(raster, box, "/k/a.epub",
                "Podr\xC4\x99"
                "cznik Projektu System\xC3\xB3w Live Debiana: jak zbudowa\xC4\x87 w\xC5\x82"
                "asny obraz systemu na ka\xC5\xBC"
                "d\xC4\x85 okazj\xC4\x99 \xE2\x80\x94 Debian Live Project");
  EXPECT_FALSE(InkBetween(raster, 0, kPageHeight, kWrapWidth));  // nothing cut at the right edge
  EXPECT_TRUE(InkBetween(raster, TitleLineY(1, size) + step, TitleLineY(1, size) + 2 * step));
  EXPECT_FALSE(InkBetween(raster, TitleLineY(2, size), TitleLineY(2, size) + step));  // moved down a line
  EXPECT_TRUE(InkBetween(raster, TitleLineY(2, size) + step, TitleLineY(2, size) + 2 * step));

  ClearPage(raster, box);
  DrawTitlePage(raster, box, "/k/" + std::string(300, 'W') + ".txt");
  EXPECT_TRUE(
      InkBetween(raster, TitleLineY(1, size), TitleLineY(1, size) + step, kWrapWidth));  // cut, as ever
  EXPECT_TRUE(InkBetween(raster, TitleLineY(2, size), TitleLineY(2, size) + step));
}
