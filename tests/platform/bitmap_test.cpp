#include "platform/bitmap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/stream.h"

namespace {

TEST(BitmapTest, RowsArePaddedToFourBytes) {
  TBitmap bitmap(5, 2, pf24bit);
  EXPECT_EQ(bitmap.Stride(), 16);
  TBitmap mono(10, 1, pf1bit);
  EXPECT_EQ(mono.Stride(), 4);
  EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
}

TEST(BitmapTest, IndexedPixelsConvertTo24BitsThroughTheColorTable) {
  TBitmap bitmap(3, 1, pf4bit);
  bitmap.SetColorTable({{0, 0, 0, 0}, {0x10, 0x20, 0x30, 0}, {0xFF, 0, 0, 0}});
  bitmap.ScanLine(0)[0] = 0x12;  // pixels 1, 2
  bitmap.ScanLine(0)[1] = 0x00;
  bitmap.SetPixelFormat(pf24bit);
  const std::uint8_t* row = bitmap.ScanLine(0);
  EXPECT_EQ(std::vector<int>(row, row + 9), (std::vector<int>{0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(bitmap.ColorTable().empty());
}

TEST(BitmapTest, BmpImageRoundTrips) {
  TBitmap bitmap(3, 2, pf8bit);
  bitmap.SetColorTable({{1, 2, 3, 0}, {4, 5, 6, 0}});
  bitmap.ScanLine(0)[2] = 1;
  bitmap.ScanLine(1)[0] = 1;
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  stream.SetPosition(0);
  TBitmap loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.PixelFormat(), pf8bit);
  EXPECT_EQ(loaded.ColorTable(), bitmap.ColorTable());
  EXPECT_EQ(loaded.ScanLine(0)[2], 1);
  EXPECT_EQ(loaded.ScanLine(1)[0], 1);
  EXPECT_EQ(loaded.ScanLine(0)[0], 0);
}

TEST(BitmapTest, TruncatedBmpRaisesAndLeavesTheBitmapAsItWas) {
  TBitmap bitmap(2, 2, pf24bit);
  TMemoryStream stream;
  stream.WriteBuffer("BM\0\0", 4);
  stream.SetPosition(0);
  EXPECT_THROW(bitmap.LoadFromStream(stream), Exception);
  EXPECT_EQ(bitmap.Width(), 2);
}

}  // namespace
