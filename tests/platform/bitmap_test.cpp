// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/stream.h"

namespace {

using ::testing::ElementsAre;

struct Color {
  int r, g, b;
  friend bool operator==(const Color&, const Color&) = default;
};

// Colours that every true-colour format holds exactly: red and blue expand back from 5 bits,
// green from both 5 and 6.
const Color kColors[] = {{0, 0, 0}, {255, 255, 255}, {255, 8, 132}, {66, 239, 16}};

TBitmap Strip24() {
  TBitmap bitmap(4, 1, pf24bit);
  for (int x = 0; x < 4; ++x) {
    bitmap.ScanLine(0)[3 * x] = static_cast<std::uint8_t>(kColors[x].b);
    bitmap.ScanLine(0)[3 * x + 1] = static_cast<std::uint8_t>(kColors[x].g);
    bitmap.ScanLine(0)[3 * x + 2] = static_cast<std::uint8_t>(kColors[x].r);
  }
  return bitmap;
}

std::vector<Color> Colors24(const TBitmap& bitmap) {
  std::vector<Color> colors;
  for (int x = 0; x < bitmap.Width(); ++x) {
    const std::uint8_t* p = bitmap.ScanLine(0) + 3 * x;
    colors.push_back({p[2], p[1], p[0]});
  }
  return colors;
}

std::vector<std::uint8_t> BmpImage(const TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

TMemoryStream StreamOf(const std::vector<std::uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  return stream;
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

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

TEST(BitmapTest, EveryTrueColourFormatConvertsBackToTheSameTwentyFourBits) {
  for (TPixelFormat format : {pfDevice, pf15bit, pf16bit, pf32bit, pfCustom}) {
    TBitmap bitmap = Strip24();
    bitmap.SetPixelFormat(format);
    EXPECT_EQ(bitmap.PixelFormat(), format);
    bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(Colors24(bitmap), Colors24(Strip24())) << int(format);
  }
}

TEST(BitmapTest, ThirtyTwoBitRowsOfAnyWidthPackIntoTwentyFourBitsExactly) {
  // Widths around the four-pixel step, two rows so that row padding is crossed too.
  for (int width : {1, 3, 4, 5, 7, 8, 9}) {
    TBitmap bitmap(width, 2, pf24bit);
    for (int y = 0; y < 2; ++y)
      for (int i = 0; i < 3 * width; ++i)
        bitmap.ScanLine(y)[i] = static_cast<std::uint8_t>(17 * y + 5 * i + 1);
    const TBitmap original = bitmap;
    bitmap.SetPixelFormat(pfDevice);
    bitmap.SetPixelFormat(pf24bit);
    for (int y = 0; y < 2; ++y)
      EXPECT_TRUE(std::equal(bitmap.ScanLine(y), bitmap.ScanLine(y) + 3 * width, original.ScanLine(y)))
          << "width " << width << " row " << y;
  }
}

TEST(BitmapTest, SixteenBitsKeepTheirLayoutThroughABmpImage) {
  for (TPixelFormat format : {pf15bit, pf16bit}) {
    TBitmap bitmap = Strip24();
    bitmap.SetPixelFormat(format);
    TMemoryStream stream = StreamOf(BmpImage(bitmap));
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.PixelFormat(), format);
    loaded.SetPixelFormat(pf24bit);
    EXPECT_EQ(Colors24(loaded), Colors24(Strip24())) << int(format);
  }
}

TEST(BitmapTest, TopDownBmpRowsLoadInOrder) {
  TBitmap bitmap(1, 2, pf8bit);
  bitmap.SetColorTable({{0, 0, 0, 0}, {1, 1, 1, 0}});
  bitmap.ScanLine(0)[0] = 1;
  std::vector<std::uint8_t> bytes = BmpImage(bitmap);
  // Stored bottom-up as rows {0}, {1}; a negative height reads the same bytes top-down.
  Put32(bytes, 22, static_cast<std::uint32_t>(-2));
  TMemoryStream stream = StreamOf(bytes);
  TBitmap loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.ScanLine(0)[0], 0);
  EXPECT_EQ(loaded.ScanLine(1)[0], 1);
}

TEST(BitmapTest, MalformedBmpImagesRaiseAndLeaveTheBitmapAsItWas) {
  TBitmap valid(3, 2, pf8bit);
  valid.SetColorTable({{1, 2, 3, 0}, {4, 5, 6, 0}});
  const std::vector<std::uint8_t> image = BmpImage(valid);
  struct Mutation {
    const char* what;
    std::size_t at;
    std::uint32_t value;
  };
  const Mutation mutations[] = {
      {"tall picture, little data", 22, 0x00FFFFFF},
      {"height past the limit", 22, 0x7FFFFFFF},
      {"row size overflows", 18, 0x7FFFFFFF},
      {"negative width", 18, 0x80000000},
      {"header larger than the stream", 14, 0x7FFFFFF0},
      {"pixels before the colour table", 10, 20},
      {"no planes", 26, 0 | (8u << 16)},
      {"unknown depth", 26, 1 | (7u << 16)},
      {"run-length compressed", 30, 1},
      {"bit fields for 8 bits", 30, 3},
      {"offset past the end", 10, 0xFFFFFFF0},
  };
  for (const Mutation& m : mutations) {
    std::vector<std::uint8_t> bytes = image;
    Put32(bytes, m.at, m.value);
    TMemoryStream stream = StreamOf(bytes);
    TBitmap bitmap(2, 2, pf24bit);
    EXPECT_THROW(bitmap.LoadFromStream(stream), Exception) << m.what;
    EXPECT_EQ(bitmap.Width(), 2) << m.what;
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit) << m.what;
  }
  for (std::size_t cut = 1; cut < image.size(); cut += 7) {
    TMemoryStream stream =
        StreamOf(std::vector<std::uint8_t>(image.begin(), image.end() - static_cast<std::ptrdiff_t>(cut)));
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromStream(stream), Exception) << cut;
    EXPECT_TRUE(bitmap.Empty());
  }
}

TEST(BitmapTest, RowsWiderThanABitmapCanHoldAreRefused) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.SetSize(0x7FFFFFFF, 1), EOutOfResources);
}

TEST(BitmapTest, MovingTakesThePictureAndLeavesAnEmptyBitmap) {
  TBitmap source = Strip24();
  source.SetMask(std::make_unique<TBitmap>(4, 1, pf1bit));
  TBitmap moved = std::move(source);
  EXPECT_EQ(Colors24(moved), Colors24(Strip24()));
  ASSERT_NE(moved.Mask(), nullptr);
  EXPECT_TRUE(
      source.Empty());  // NOLINT(bugprone-use-after-move): the moved-from state is part of the contract
  EXPECT_EQ(source.Mask(), nullptr);
}

}  // namespace
