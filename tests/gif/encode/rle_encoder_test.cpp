// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/rle_encoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "encode_test_support.h"
#include "support/gif_decode.h"
#include "text_page.h"

using ::testing::ElementsAre;

namespace {

using encode_test::MakePicture;
using encode_test::Picture;

std::vector<std::uint8_t> EncodeRle(const Picture& picture, bool interlaced = false) {
  TRLEEncoder encoder;
  return encode_test::Encode(encoder, picture, interlaced);
}

void ExpectRoundTrip(const Picture& picture, bool interlaced) {
  const auto encoded = EncodeRle(picture, interlaced);
  const auto decoded = DecodeGif(encode_test::WrapInGif(encoded, picture.width, picture.height, interlaced));
  ASSERT_EQ(decoded.frames.size(), 1u);
  EXPECT_EQ(decoded.frames[0].pixels, picture.pixels);
}

// The codes of image data, read with the widths a GIF decoder uses: m + 1 bits after a
// clear, one bit more once its table reaches the next power of two.
std::vector<int> DecoderCodes(const std::vector<std::uint8_t>& encoded) {
  const auto data = encode_test::Unblock(encoded);
  const int clear = 1 << data.minCodeSize;
  encode_test::CodeReader reader(data.bytes);
  std::vector<int> codes;
  int width = data.minCodeSize + 1, next = clear + 2;
  bool first = true;
  for (;;) {
    const int code = reader.Read(width);
    codes.push_back(code);
    if (code == clear + 1) return codes;
    if (code == clear) {
      width = data.minCodeSize + 1;
      next = clear + 2;
      first = true;
      continue;
    }
    if (!first && next < 4096 && ++next == 1 << width && width < 12) ++width;
    first = false;
  }
}

TEST(RLEEncoderTest, WorkedExamplesGiveTheExactBytes) {
  // Seven 0s from the clear as runs of 1, 2, 3 and 1, then a 1: the LZW bytes.
  EXPECT_THAT(EncodeRle(MakePicture(4, 2, 2, {0, 0, 0, 0, 0, 0, 0, 1})),
              ElementsAre(0x02, 0x03, 0x84, 0x0F, 0x51, 0x00));
  // Ten 5s: 256, 5, 258, 259, 260, 257 in 9 bits.
  EXPECT_THAT(EncodeRle(MakePicture(10, 1, 256, std::vector<std::uint8_t>(10, 5))),
              ElementsAre(0x08, 0x07, 0x00, 0x0B, 0x08, 0x1C, 0x48, 0x30, 0x20, 0x00));
}

TEST(RLEEncoderTest, AlternatingPixelsForceAClearAfterAFixedNumberOfLiterals) {
  for (const auto& [colors, literals] :
       {std::pair{4, 9}, std::pair{8, 9}, std::pair{16, 14}, std::pair{256, 254}}) {
    std::vector<std::uint8_t> pixels(2000);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i % 2);
    const auto picture = MakePicture(2000, 1, colors, pixels);
    const auto codes = DecoderCodes(EncodeRle(picture));
    const int clear = codes.front();
    std::size_t since = 0;
    for (std::size_t i = 1; i + 1 < codes.size(); ++i) {
      if (codes[i] == clear) {
        EXPECT_EQ(since, std::size_t(literals)) << colors << " colours, code " << i;
        since = 0;
      } else {
        EXPECT_EQ(codes[i], pixels[i - 1 - i / (literals + 1)]);
        ++since;
      }
    }
    ExpectRoundTrip(picture, false);
  }
}

TEST(RLEEncoderTest, RandomRunMixesDecodeAtEveryMinimumCodeSize) {
  std::mt19937 random(99);
  for (int bits = 2; bits <= 8; ++bits) {
    for (const bool interlaced : {false, true}) {
      for (const int maxRun : {1, 3, 20, 300, 5000}) {
        // Minimum code size 2 also stands for 1 and 2 colours.
        const int colors =
            std::uniform_int_distribution<int>(bits == 2 ? 1 : (1 << (bits - 1)) + 1, 1 << bits)(random);
        // The smallest and the page size, then odd widths.
        const int width = maxRun == 1      ? 1
                          : maxRun == 5000 ? 480
                                           : std::uniform_int_distribution<int>(1, 480)(random) | 1;
        const int height = maxRun == 1      ? 1
                           : maxRun == 5000 ? 272
                                            : std::uniform_int_distribution<int>(1, 272)(random);
        SCOPED_TRACE(testing::Message() << width << "x" << height << ", " << colors << " colours, runs up to "
                                        << maxRun << (interlaced ? ", interlaced" : ""));
        ExpectRoundTrip(
            MakePicture(width, height, colors,
                        encode_test::RandomRuns(random, std::size_t(width) * height, colors, maxRun)),
            interlaced);
      }
    }
  }
}

TEST(RLEEncoderTest, RepeatedTableRunsAcrossTheCodeBudgetDecode) {
  // A short first run leaves the table coding runs of 2 and 3; long runs of the same
  // value then use the table until the budget runs out and a clear is due mid-run.
  for (const int colors : {2, 256}) {
    std::vector<std::uint8_t> pixels = {0, 0, 0};
    for (int i = 0; i < 400; ++i) {
      pixels.push_back(1);
      pixels.insert(pixels.end(), 97 + i % 7, 0);
    }
    const auto picture = MakePicture(static_cast<int>(pixels.size()), 1, colors, pixels);
    const auto codes = DecoderCodes(EncodeRle(picture));
    EXPECT_GE(std::count(codes.begin(), codes.end(), codes.front()), 3) << "clears on the way";
    ExpectRoundTrip(picture, false);
  }
  // One run much longer than a table can code.
  ExpectRoundTrip(MakePicture(480, 272, 2, std::vector<std::uint8_t>(480 * 272, 1)), false);
}

TEST(RLEEncoderTest, TextPageDecodes) {
  ExpectRoundTrip(
      MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, 216, encode_test::TextPage().Pixels()),
      false);
}

TEST(RLEEncoderCostTest, IntSqrtIsTheFloorOfTheSquareRoot) {
  for (std::int64_t x = 0; x < 20000; ++x)
    ASSERT_EQ(detail::IntSqrt(x), static_cast<std::int64_t>(std::floor(std::sqrt(static_cast<double>(x)))))
        << x;
  for (const std::int64_t root : {46340ll, 65535ll, 3037000499ll})
    for (const std::int64_t x : {root * root - 1, root * root, root * root + 1})
      EXPECT_EQ(detail::IntSqrt(x), x == root * root - 1 ? root - 1 : root) << x;
}

TEST(RLEEncoderCostTest, TriangleCostCountsRunsOfOneTwoThreeAndSoOn) {
  // 1 + 2 + ... + k pixels cost k codes; one pixel more costs one code more.
  EXPECT_EQ(detail::TriangleCost(1, 4089), 1);
  EXPECT_EQ(detail::TriangleCost(2, 4089), 2);
  EXPECT_EQ(detail::TriangleCost(3, 4089), 2);
  EXPECT_EQ(detail::TriangleCost(6, 4089), 3);
  EXPECT_EQ(detail::TriangleCost(7, 4089), 4);
  EXPECT_EQ(detail::TriangleCost(5050, 4089), 100);
  EXPECT_EQ(detail::TriangleCost(5051, 4089), 101);
  // A table of 3 codes covers 6 pixels; beyond, it starts over.
  EXPECT_EQ(detail::TriangleCost(6, 3), 3);
  EXPECT_EQ(detail::TriangleCost(7, 3), 4);
  EXPECT_EQ(detail::TriangleCost(12, 3), 6);
  EXPECT_EQ(detail::TriangleCost(13, 3), 7);
}

}  // namespace
