#include "app/page_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/appearance.h"
#include "app/font_metrics.h"
#include "app/page_layout.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::IsSubsetOf;
using testing::StrEq;
using testing::ThrowsMessage;

TColor PixelAt(const TPageRaster& raster, int x, int y) {
  const std::uint8_t* p = raster.Bitmap().ScanLine(y) + 4 * x;
  return MakeColor(p[2], p[1], p[0]);
}

// The rows holding a pixel that differs from the background.
std::set<int> InkedRows(const TPageRaster& raster, TColor background) {
  std::set<int> rows;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x)
      if (PixelAt(raster, x, y) != background) rows.insert(y);
  return rows;
}

// The rows of the cells of lines whose tops are `tops`.
std::set<int> CellRows(const TTextBox& box, std::initializer_list<int> tops) {
  const int height = CellOf(MakeQFont(box.Font())).height;
  std::set<int> rows;
  for (const int top : tops)
    for (int y = top; y < top + height && y < kPageHeight; ++y) rows.insert(y);
  return rows;
}

TLineList Lines(int count) {
  TLineList lines;
  for (int i = 1; i <= count; ++i) lines.push_back("Linia numer " + std::to_string(i));
  return lines;
}

TEST(PageDrawingTest, ClearPageFillsTheWholeRasterWithTheBoxColour) {
  TPageRaster raster;
  TTextBox box;
  box.SetColor(MakeColor(10, 20, 30));
  ClearPage(raster, box);
  EXPECT_EQ(raster.Bitmap().PixelFormat(), pfDevice);
  EXPECT_THAT(InkedRows(raster, MakeColor(10, 20, 30)), IsEmpty());
}

TEST(PageDrawingTest, FiveLinesStandAtTheirPlacesAndLeaveTheList) {
  TPageRaster raster;
  TTextBox box;
  TLineList lines = Lines(5);
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  EXPECT_THAT(lines, IsEmpty());
  const std::set<int> inked = InkedRows(raster, clWhite);
  EXPECT_THAT(inked, IsSubsetOf(CellRows(box, {3, 23, 43, 63, 83})));
  for (const int top : {3, 23, 43, 63, 83}) EXPECT_TRUE(inked.count(top + 8)) << top;  // letters mid-cell
}

TEST(PageDrawingTest, FourteenLinesMakeTwoPages) {
  TPageRaster raster;
  TTextBox box;
  TLineList lines = Lines(14);
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  EXPECT_THAT(lines, ElementsAre("Linia numer 14"));
  EXPECT_THAT(InkedRows(raster, clWhite), testing::Contains(241 + 8));
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  EXPECT_THAT(lines, IsEmpty());
  EXPECT_THAT(InkedRows(raster, clWhite), IsSubsetOf(CellRows(box, {3})));
}

TEST(PageDrawingTest, TitleLinesStandAtTheirPlaces) {
  TPageRaster raster;
  TTextBox box;
  ClearPage(raster, box);
  DrawTitlePage(raster, box, "/books/Pan Tadeusz.txt");
  const std::set<int> inked = InkedRows(raster, clWhite);
  EXPECT_THAT(inked, IsSubsetOf(CellRows(box, {19, 69, 109, 148, 188})));
  for (const int top : {19, 69, 109, 148, 188}) EXPECT_TRUE(inked.count(top + 8)) << top;
}

TEST(PageDrawingTest, ColoursComeFromTheBoxAndAConvertedRasterIsRedrawn) {
  TPageRaster raster;
  TTextBox box;
  ApplyColorSet(box, 4);
  raster.Bitmap().SetPixelFormat(pf24bit);  // as the frame import leaves it
  TLineList lines = {std::string(200, 'W')};
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  ASSERT_EQ(raster.Bitmap().PixelFormat(), pfDevice);
  std::set<TColor> colours;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) colours.insert(PixelAt(raster, x, y));
  EXPECT_TRUE(colours.count(clBlack));
  EXPECT_TRUE(colours.count(MakeColor(0, 255, 0)));
  for (const TColor c : colours) EXPECT_EQ(RedOf(c) + BlueOf(c), 0) << std::hex << c;  // grey smoothing only
  // The line is cut at the right edge, and nothing of it goes to another line.
  bool edgeInked = false;
  for (int y = 3; y < 30; ++y) edgeInked |= PixelAt(raster, kPageWidth - 1, y) != clBlack;
  EXPECT_TRUE(edgeInked);
  EXPECT_THAT(lines, IsEmpty());
}

TEST(PageDrawingTest, AFontThatFitsNoLineDrawsAndRemovesNothing) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font = box.Font();
  font.height = -219;
  box.SetFont(font);
  TLineList lines = Lines(2);
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  EXPECT_EQ(lines.size(), 2u);
  EXPECT_THAT(InkedRows(raster, clWhite), IsEmpty());
}

TEST(PageDrawingTest, AOnePointFontFailsOnBothPages) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font = box.Font();
  font.height = -1;
  box.SetFont(font);
  TLineList lines = Lines(1);
  const auto message = StrEq("Floating point division by zero");
  EXPECT_THAT([&] { DrawPage(raster, box, lines); }, ThrowsMessage<EZeroDivide>(message));
  EXPECT_THAT([&] { DrawTitlePage(raster, box, ""); }, ThrowsMessage<EZeroDivide>(message));
}

}  // namespace
