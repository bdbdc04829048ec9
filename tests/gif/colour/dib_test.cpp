// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/dib.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/pictures.h"
#include "platform/exceptions.h"

namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::vector<std::uint8_t> Image(const TDIBWriter& writer) {
  TMemoryStream stream;
  writer.WriteImage(stream);
  return stream.Bytes();
}

TEST(DIBReaderTest, ConvertsTheBitmapInPlaceAndHandsOutItsOwnRows) {
  TBitmap bitmap = DevicePicture(2, 2, [](int x, int y) { return Rgb{x, y, 9}; });
  TDIBReader reader(bitmap, pf24bit);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(reader.RowPointer(1), bitmap.ScanLine(1));
  EXPECT_THAT(std::vector<int>(reader.RowPointer(1), reader.RowPointer(1) + 6),
              ElementsAre(9, 1, 0, 9, 1, 1));
  EXPECT_THAT([&] { reader.RowPointer(2); },
              ThrowsMessage<EInvalidGraphicOperation>(StrEq("Scan line index out of range")));
}

TEST(DIBWriterTest, EightBitPictureLayout) {
  const TPalette palette({{1, 2, 3, 9}, {4, 5, 6, 9}});
  TBitmap target;
  TDIBWriter writer(target, pf8bit, 3, 2, &palette);
  const std::uint8_t top[] = {7, 8, 9}, bottom[] = {10, 11, 12};
  std::copy(std::begin(top), std::end(top), writer.RowPointer(0));
  std::copy(std::begin(bottom), std::end(bottom), writer.RowPointer(1));
  const std::vector<std::uint8_t> b = Image(writer);

  ASSERT_EQ(b.size(), 14u + 1064u + 8u);
  EXPECT_THAT(std::vector<std::uint8_t>(b.begin(), b.begin() + 2), ElementsAre('B', 'M'));
  EXPECT_EQ(U32(b, 2), 1086u);
  EXPECT_EQ(U32(b, 10), 1078u);
  // Header: size, width, height (bottom-up), planes and bits, compression, image size,
  // two resolutions, colours used, important colours.
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(U32(b, 18), 3u);
  EXPECT_EQ(U32(b, 22), 2u);
  EXPECT_EQ(U32(b, 26), 1u | (8u << 16));
  for (std::size_t at : {30u, 34u, 38u, 42u}) EXPECT_EQ(U32(b, at), 0u) << at;
  EXPECT_EQ(U32(b, 46), 256u);
  EXPECT_EQ(U32(b, 50), 2u);
  EXPECT_THAT(std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 62), ElementsAre(3, 2, 1, 0, 6, 5, 4, 0));
  EXPECT_THAT(std::vector<std::uint8_t>(b.begin() + 62, b.begin() + 1078), Each(0));
  EXPECT_THAT(std::vector<std::uint8_t>(b.begin() + 1078, b.end()), ElementsAre(10, 11, 12, 0, 7, 8, 9, 0));
}

TEST(DIBWriterTest, TwentyFourBitPictureHasNoColourTable) {
  TBitmap target;
  TDIBWriter writer(target, pf24bit, 1, 1, nullptr);
  writer.RowPointer(0)[2] = 0xAB;
  const std::vector<std::uint8_t> b = Image(writer);
  ASSERT_EQ(b.size(), 14u + 40u + 4u);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 26), 1u | (24u << 16));
  EXPECT_EQ(U32(b, 46), 0u);
  EXPECT_EQ(U32(b, 50), 0u);
  EXPECT_THAT(std::vector<std::uint8_t>(b.begin() + 54, b.end()), ElementsAre(0, 0, 0xAB, 0));
}

TEST(DIBWriterTest, DeliversThePictureRowsFromTheTop) {
  const TPalette palette({{1, 2, 3, 0}});
  TBitmap target;
  {
    TDIBWriter writer(target, pf8bit, 2, 3, &palette);
    writer.Deliver();  // nothing asked for yet: nothing to deliver
    EXPECT_TRUE(target.Empty());
    for (int y = 0; y < 3; ++y) writer.RowPointer(y)[1] = static_cast<std::uint8_t>(10 + y);
    writer.Deliver();
  }
  ASSERT_EQ(target.PixelFormat(), pf8bit);
  EXPECT_EQ(target.Width(), 2);
  EXPECT_EQ(target.Height(), 3);
  EXPECT_THAT(Indices(target), ElementsAre(0, 10, 0, 11, 0, 12));
  ASSERT_EQ(target.ColorTable().size(), 256u);
  EXPECT_EQ(TableColor(target, 0), (Rgb{1, 2, 3}));
  EXPECT_EQ(TableColor(target, 1), (Rgb{0, 0, 0}));
}

TEST(DIBWriterTest, RefusesFormatsSizesAndRowsItCannotWrite) {
  TBitmap target;
  for (TPixelFormat format : {pf1bit, pf4bit, pf32bit, pfDevice})
    EXPECT_THAT([&] { TDIBWriter(target, format, 2, 2, nullptr); },
                ThrowsMessage<GIFException>(StrEq("Unsupported PixelFormat")));
  EXPECT_THAT([&] { TDIBWriter(target, pf8bit, 0, 2, nullptr); },
              ThrowsMessage<GIFException>(StrEq("Invalid image dimensions")));
  EXPECT_THAT([&] { TDIBWriter(target, pf8bit, 2, 0, nullptr); },
              ThrowsMessage<GIFException>(StrEq("Invalid image dimensions")));
  TDIBWriter writer(target, pf8bit, 2, 2, nullptr);
  for (int row : {-1, 2})
    EXPECT_THAT([&] { writer.RowPointer(row); },
                ThrowsMessage<EInvalidGraphicOperation>(StrEq("Scan line index out of range")));
}

TEST(DIBWriterTest, APictureTooLargeForMemoryLeavesTheWriterWithoutOne) {
  TBitmap target;
  TDIBWriter writer(target, pf24bit, 50000, 50000, nullptr);
  EXPECT_THAT([&] { writer.RowPointer(0); },
              ThrowsMessage<EOutOfMemory>(StrEq("Failed to allocate memory for GIF DIB")));
  EXPECT_THAT([&] { writer.RowPointer(0); }, ThrowsMessage<GIFException>(StrEq("Image has no DIB")));
  writer.Deliver();
  EXPECT_TRUE(target.Empty());
}

}  // namespace
