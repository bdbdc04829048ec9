#include "app/page_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/appearance.h"
#include "app/page_layout.h"

namespace {

using testing::IsEmpty;
using testing::StrEq;
using testing::ThrowsMessage;

TColor PixelAt(const TPageRaster& raster, int x, int y) {
  const std::uint8_t* p = raster.Bitmap().ScanLine(y) + 4 * x;
  return MakeColor(p[2], p[1], p[0]);
}

TEST(PageDrawingTest, AConvertedRasterIsRedrawnInTheBoxColoursAndCutAtTheEdge) {
  TPageRaster raster;
  TTextBox box;
  ApplyColorSet(box, 4);
  raster.Bitmap().SetPixelFormat(pf24bit);  // as the frame import leaves it
  TLineList lines = {std::string(200, 'W'), "x"};
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  ASSERT_EQ(raster.Bitmap().PixelFormat(), pfDevice);
  EXPECT_THAT(lines, IsEmpty());
  std::set<TColor> colours;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) colours.insert(PixelAt(raster, x, y));
  EXPECT_TRUE(colours.count(clBlack) && colours.count(MakeColor(0, 255, 0)));
  for (const TColor c : colours) EXPECT_EQ(RedOf(c) + BlueOf(c), 0) << std::hex << c;  // grey smoothing only
  bool edgeInked = false;
  for (int y = 3; y < 20; ++y) edgeInked |= PixelAt(raster, kPageWidth - 1, y) != clBlack;
  EXPECT_TRUE(edgeInked);
}

TEST(PageDrawingTest, AFontThatFitsNoLineDrawsAndRemovesNothing) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font;
  font.height = -219;
  box.SetFont(font);
  TLineList lines = {"a", "b"};
  ClearPage(raster, box);
  DrawPage(raster, box, lines);
  EXPECT_EQ(lines.size(), 2u);
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) ASSERT_EQ(PixelAt(raster, x, y), clWhite);
}

TEST(PageDrawingTest, AOnePointFontFailsOnBothPages) {
  TPageRaster raster;
  TTextBox box;
  TPageFont font;
  font.height = -1;
  box.SetFont(font);
  TLineList lines = {"a"};
  const auto message = StrEq("Floating point division by zero");
  EXPECT_THAT([&] { DrawPage(raster, box, lines); }, ThrowsMessage<EZeroDivide>(message));
  EXPECT_THAT([&] { DrawTitlePage(raster, box, ""); }, ThrowsMessage<EZeroDivide>(message));
}

}  // namespace
