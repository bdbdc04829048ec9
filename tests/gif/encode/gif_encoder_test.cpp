// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/gif_encoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "encode_test_support.h"
#include "gif/encode/encoder_factory.h"
#include "platform/exceptions.h"
#include "support/refusing_stream.h"
#include "text_page.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using encode_test::MakePicture;

// Records the pixel walk instead of compressing it.
class WalkRecorder final : public TGIFEncoder {
public:
  std::vector<std::uint8_t> seen;

protected:
  void EmitClear() override {}
  void EncodeData() override {
    TPixelWalk walk = StartWalk();
    do seen.push_back(TakePixel(walk));
    while (NextPixel(walk));
  }
};

// Rows in interlaced order, from the definition: every 8th row from 0, every 8th from
// 4, every 4th from 2, every 2nd from 1.
std::vector<std::uint8_t> InterlacedRows(int height) {
  std::vector<std::uint8_t> rows;
  for (int row = 0; row < height; ++row)
    if (row % 8 == 0) rows.push_back(static_cast<std::uint8_t>(row));
  for (int row = 0; row < height; ++row)
    if (row % 8 == 4) rows.push_back(static_cast<std::uint8_t>(row));
  for (int row = 0; row < height; ++row)
    if (row % 4 == 2) rows.push_back(static_cast<std::uint8_t>(row));
  for (int row = 0; row < height; ++row)
    if (row % 2 == 1) rows.push_back(static_cast<std::uint8_t>(row));
  return rows;
}

// The rows the walk read, for a picture whose row r holds the value r throughout.
std::vector<std::uint8_t> WalkedRows(int width, int height, bool interlaced) {
  std::vector<std::uint8_t> pixels;
  for (int row = 0; row < height; ++row) pixels.insert(pixels.end(), width, static_cast<std::uint8_t>(row));
  WalkRecorder recorder;
  encode_test::Encode(recorder, MakePicture(width, height, 256, pixels), interlaced);
  EXPECT_EQ(recorder.seen.size(), pixels.size()) << "every pixel is read once";
  std::vector<std::uint8_t> rows;
  for (std::size_t i = 0; i < recorder.seen.size(); i += width) {
    rows.push_back(recorder.seen[i]);
    for (int x = 1; x < width; ++x)
      EXPECT_EQ(recorder.seen[i + x], recorder.seen[i]) << "rows are read whole";
  }
  return rows;
}

TEST(PixelWalkTest, InterlacedWalkReadsEveryRowOnceInPassOrder) {
  EXPECT_THAT(WalkedRows(3, 1, true), ElementsAre(0));
  EXPECT_THAT(WalkedRows(3, 3, true), ElementsAre(0, 2, 1));
  EXPECT_THAT(WalkedRows(3, 5, true), ElementsAre(0, 4, 2, 1, 3));
  for (int height = 1; height <= 40; ++height)
    EXPECT_EQ(WalkedRows(2, height, true), InterlacedRows(height)) << "height " << height;
  EXPECT_EQ(WalkedRows(1, 255, true), InterlacedRows(255));
}

TEST(EncoderFramingTest, EmptyFrameWritesTheEndCodeAlone) {
  for (const std::uint8_t method : {0, 1}) {
    const auto encoder = CreateEncoder(method);
    const std::uint8_t pixel = 0;
    TMemoryStream noBuffer, noWidth, noHeight, wide;
    encoder->Encode(noBuffer, 1, 2, nullptr, false, 2, 2);
    encoder->Encode(noWidth, 1, 2, &pixel, false, 1, 0);
    encoder->Encode(noHeight, 1, 2, &pixel, true, 0, 1);
    encoder->Encode(wide, 8, 256, nullptr, false, 1, 1);
    // Bit depth 1 gives minimum code size 2: end code 5 in 3 bits; with 8 bits, 257 in 9.
    EXPECT_THAT(noBuffer.Bytes(), ElementsAre(0x02, 0x01, 0x05, 0x00));
    EXPECT_THAT(noWidth.Bytes(), ElementsAre(0x02, 0x01, 0x05, 0x00));
    EXPECT_THAT(noHeight.Bytes(), ElementsAre(0x02, 0x01, 0x05, 0x00));
    EXPECT_THAT(wide.Bytes(), ElementsAre(0x08, 0x02, 0x01, 0x01, 0x00));
  }
}

class EncoderFailureTest : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(EncoderFailureTest, ColorNotInTableOnTheFirstPixelWritesWhatWasPacked) {
  const auto encoder = CreateEncoder(GetParam());
  TMemoryStream narrow, wide;
  // With 2 bits the 3-bit clear code is still in the accumulator: no sub-block at all.
  const std::uint8_t three[] = {3, 0};
  EXPECT_THAT([&] { encoder->Encode(narrow, 2, 3, three, false, 1, 2); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
  EXPECT_THAT(narrow.Bytes(), ElementsAre(0x02));
  // With 8 bits the 9-bit clear code has filled one byte: one sub-block, no terminator.
  const std::uint8_t beyond[] = {216};
  EXPECT_THAT([&] { encoder->Encode(wide, 8, 216, beyond, false, 1, 1); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
  EXPECT_THAT(wide.Bytes(), ElementsAre(0x08, 0x01, 0x00));
}

TEST_P(EncoderFailureTest, ColorNotInTableLaterLeavesThePartialBlockAndNoTerminator) {
  auto pixels = encode_test::NoisyFrame();
  pixels.resize(3000);
  for (auto& pixel : pixels) pixel %= 200;
  auto good = MakePicture(3000, 1, 200, pixels);
  auto bad = good;
  bad.pixels[2500] = 200;

  const auto encoder = CreateEncoder(GetParam());
  TMemoryStream stream;
  EXPECT_THAT([&] { encoder->Encode(stream, bad.bitDepth, 200, bad.pixels.data(), false, 1, 3000); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));

  // Whole blocks of 255, then the partial one; the data are the start of the good
  // picture's data (the codes sent before the bad pixel was read).
  auto written = stream.Bytes();
  ASSERT_GT(written.size(), 1u + 256u);
  EXPECT_THROW(encode_test::Unblock(written), std::runtime_error) << "no terminator";
  written.push_back(0x00);
  const auto partial = encode_test::Unblock(written);
  ASSERT_GE(partial.blockLengths.size(), 2u);
  for (std::size_t i = 0; i + 1 < partial.blockLengths.size(); ++i) EXPECT_EQ(partial.blockLengths[i], 255);
  EXPECT_LT(partial.blockLengths.back(), 255);
  const auto full = encode_test::Unblock(encode_test::Encode(*encoder, good));
  ASSERT_LT(partial.bytes.size(), full.bytes.size());
  EXPECT_TRUE(std::equal(partial.bytes.begin(), partial.bytes.end(), full.bytes.begin()));
}

TEST_P(EncoderFailureTest, RefusedSubBlockRaisesStreamWriteError) {
  const auto encoder = CreateEncoder(GetParam());
  const auto picture =
      MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, 256, encode_test::NoisyFrame());
  for (const std::size_t limit : {1u, 2u, 300u}) {
    test_support::RefusingStream stream(limit);
    EXPECT_THAT(
        [&] { encoder->Encode(stream, 8, 256, picture.pixels.data(), false, picture.height, picture.width); },
        ThrowsMessage<EWriteError>(StrEq("Stream write error")));
    EXPECT_EQ(stream.Taken().size(), limit);
  }
}

TEST_P(EncoderFailureTest, FirstErrorWinsWhenThePartialBlockIsRefusedToo) {
  const auto encoder = CreateEncoder(GetParam());
  test_support::RefusingStream stream(1);  // the code-size byte only
  const std::uint8_t pixels[] = {1, 2, 3, 250, 4};
  EXPECT_THAT([&] { encoder->Encode(stream, 8, 200, pixels, false, 1, 5); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
  EXPECT_THAT(stream.Taken(), ElementsAre(0x08));
}

INSTANTIATE_TEST_SUITE_P(BothCompressors, EncoderFailureTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 1 ? "RunLength" : "LZW"; });

}  // namespace
