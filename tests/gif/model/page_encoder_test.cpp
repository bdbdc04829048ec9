// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/page_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "gif/colour/pictures.h"
#include "gif/model/image.h"
#include "gif/model/model_fixtures.h"
#include "platform/exceptions.h"
#include "platform/stream.h"
#include "support/gif_decode.h"
#include "support/refusing_stream.h"

namespace {

struct PageCase {
  std::string name;
  std::function<TBitmap()> make;
};

// Antialiased text: strokes of `text` with edges blended towards `background` in many
// steps, on lines of 16 rows, as the page drawing leaves them.
TBitmap TextLike(Rgb text, Rgb background, int width = 480, int height = 272) {
  return DevicePicture(width, height, [=](int x, int y) {
    const std::uint32_t h =
        (static_cast<std::uint32_t>(x) * 2654435761u) ^ (static_cast<std::uint32_t>(y) * 40503u);
    if (y % 16 < 2 || y % 16 >= 14 || (h >> 7) % 100 >= 40) return background;
    const int weight = static_cast<int>((h >> 13) % 256);  // 0: background ... 255: text
    const auto blend = [&](int t, int b) { return (t * weight + b * (255 - weight)) / 255; };
    return Rgb{blend(text.r, background.r), blend(text.g, background.g), blend(text.b, background.b)};
  });
}

TBitmap Random(int width, int height) {
  return DevicePicture(width, height, [](int x, int y) {
    std::uint32_t s = static_cast<std::uint32_t>(y * 1000 + x) * 2246822519u + 374761393u;
    s ^= s >> 15;
    s *= 2654435761u;
    return Rgb{static_cast<int>(s & 255), static_cast<int>((s >> 8) & 255),
               static_cast<int>((s >> 16) & 255)};
  });
}

// Every red and green level against a blue that runs through every level too.
TBitmap Spread() {
  return DevicePicture(256, 256, [](int x, int y) { return Rgb{x, y, (x * 7 + y * 13) & 255}; });
}

// The unused fourth byte of every pixel set: it must not reach the indices.
TBitmap WithUnusedByteSet() {
  TBitmap page = TextLike({255, 255, 255}, {0, 0, 0});
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) page.ScanLine(y)[4 * x + 3] = static_cast<std::uint8_t>(x + y);
  return page;
}

TBitmap Converted(TBitmap bitmap, TPixelFormat format) {
  bitmap.SetPixelFormat(format);
  return bitmap;
}

TBitmap Masked() {
  TBitmap page = TextLike({0, 0, 0}, {255, 255, 255}, 64, 32);
  page.Transparent = true;
  page.SetMask(std::make_unique<TBitmap>(Converted(TextLike({255, 255, 255}, {0, 0, 0}, 64, 32), pf8bit)));
  return page;
}

std::vector<PageCase> Pages() {
  return {
      {"WhiteOnBlack",
       [] {
         return TextLike({255, 255, 255}, {0, 0, 0});
       }},
      {"BlackOnWhite",
       [] {
         return TextLike({0, 0, 0}, {255, 255, 255});
       }},
      {"GreenOnBlack",
       [] {
         return TextLike({0, 128, 0}, {0, 0, 0});
       }},
      {"BrightGreenOnBlack",
       [] {
         return TextLike({0, 255, 0}, {0, 0, 0});
       }},
      {"RandomPixels", [] { return Random(480, 272); }},
      {"SpreadColours", [] { return Spread(); }},
      {"UnusedByteSet", [] { return WithUnusedByteSet(); }},
      {"OddSize",
       [] {
         return TextLike({20, 40, 200}, {250, 240, 230}, 37, 5);
       }},
      {"OnePixel", [] { return Random(1, 1); }},
      {"Format32bit", [] { return Converted(Random(40, 30), pf32bit); }},
      {"Format24bit",
       [] {
         return Converted(TextLike({0, 0, 0}, {255, 255, 255}), pf24bit);
       }},
      {"Format8bit", [] { return Converted(Random(40, 30), pf8bit); }},
      {"Masked", [] { return Masked(); }},
      {"Empty", [] { return TBitmap(0, 0, pfDevice); }},
  };
}

// The general road: a fresh image imports a copy of the page and writes its whole stream.
std::vector<std::uint8_t> ThroughImage(const TBitmap& page) {
  TBitmap copy(page);
  TGIFImage image;
  image.AssignFrom(&copy);
  return model_test::SavedBytes(image);
}

std::vector<std::uint8_t> Encoded(TPageEncoder& encoder, const TBitmap& page) {
  TMemoryStream stream;
  encoder.Encode(page, stream);
  return stream.Bytes();
}

std::vector<std::uint8_t> Pixels(const TBitmap& bitmap) {
  std::vector<std::uint8_t> bytes;
  for (int y = 0; y < bitmap.Height(); ++y)
    bytes.insert(bytes.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Stride());
  return bytes;
}

TEST(PageEncoderTest, WritesTheImageBytesAndLeavesThePageAlone) {
  for (const PageCase& c : Pages()) {
    SCOPED_TRACE(c.name);
    const TBitmap page = c.make();
    TPageEncoder encoder;
    const std::vector<std::uint8_t> bytes = Encoded(encoder, page);
    EXPECT_EQ(bytes, ThroughImage(page));
    EXPECT_EQ(Pixels(page), Pixels(c.make()));
    EXPECT_EQ(page.PixelFormat(), c.make().PixelFormat());
  }
}

TEST(PageEncoderTest, OneEncoderForManyPagesWritesWhatFreshOnesWrite) {
  TPageEncoder reused;
  for (int round = 0; round < 2; ++round)
    for (const PageCase& c : Pages()) {
      SCOPED_TRACE(c.name);
      TPageEncoder fresh;
      const TBitmap page = c.make();
      EXPECT_EQ(Encoded(reused, page), Encoded(fresh, page));
    }
}

TEST(PageEncoderTest, EncodersOnTwoThreadsWriteWhatOneWrites) {
  std::vector<TBitmap> pages;
  std::vector<std::vector<std::uint8_t>> expected;
  TPageEncoder alone;
  for (const PageCase& c : Pages()) {
    pages.push_back(c.make());
    expected.push_back(Encoded(alone, pages.back()));
  }
  std::vector<std::vector<std::vector<std::uint8_t>>> written(2);
  std::vector<std::thread> threads;
  for (auto& bytes : written)
    threads.emplace_back([&pages, &bytes] {
      TPageEncoder encoder;
      for (int round = 0; round < 3; ++round)
        for (const TBitmap& page : pages) bytes.push_back(Encoded(encoder, page));
    });
  for (std::thread& thread : threads) thread.join();
  for (const auto& bytes : written)
    for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], expected[i % pages.size()]) << i;
}

TEST(PageEncoderTest, GiflibReadsTheCubeIndicesOfThePage) {
  const TBitmap page = TextLike({0, 255, 0}, {0, 0, 0});
  TPageEncoder encoder;
  const DecodedGif gif = DecodeGif(Encoded(encoder, page));

  EXPECT_EQ(gif.version, "87a");
  EXPECT_EQ(gif.screenWidth, 480);
  EXPECT_EQ(gif.screenHeight, 272);
  ASSERT_EQ(gif.frames.size(), 1u);
  const DecodedFrame& frame = gif.frames[0];
  ASSERT_EQ(frame.localColors.size(), 256u);
  EXPECT_EQ(frame.localColors[215], (DecodedColor{255, 255, 255}));
  EXPECT_EQ(frame.localColors[255], (DecodedColor{0, 0, 0}));
  ASSERT_EQ(frame.pixels.size(), 480u * 272u);
  for (int y = 0; y < 272; ++y)
    for (int x = 0; x < 480; ++x) {
      const std::uint8_t* p = page.ScanLine(y) + 4 * x;
      const int level = [](int v) { return (v + 3) / 51; }(p[1]);
      ASSERT_EQ(frame.pixels[static_cast<std::size_t>(y * 480 + x)], 6 * level) << x << ", " << y;
      ASSERT_EQ(p[0], 0);
      ASSERT_EQ(p[2], 0);
    }
}

TEST(PageEncoderTest, ChangedDefaultsAreFollowed) {
  const TGIFImageDefaults saved = GIFImageDefaults;
  const TBitmap page = TextLike({255, 255, 255}, {0, 0, 0}, 64, 48);
  TPageEncoder encoder;
  for (const auto& change : std::vector<std::function<void()>>{
           [] { GIFImageDefaults.CompressionMethod = kCompressRLE; },
           [] { GIFImageDefaults.DitherMethod = TDitherMethod::FloydSteinberg; },
           [] { GIFImageDefaults.ReductionMethod = TReductionMethod::GrayScale256; },
       }) {
    GIFImageDefaults = saved;
    change();
    EXPECT_EQ(Encoded(encoder, page), ThroughImage(page));
  }
  GIFImageDefaults = saved;
}

TEST(PageEncoderTest, RefusedWriteRaisesAndTheNextPageIsWhole) {
  TPageEncoder encoder;
  const TBitmap page = TextLike({0, 0, 0}, {255, 255, 255});
  test_support::RefusingStream refusing(100);
  EXPECT_THROW(encoder.Encode(page, refusing), EWriteError);
  EXPECT_EQ(Encoded(encoder, page), ThroughImage(page));
}

// Every pixel's colour as giflib decodes it.
std::vector<DecodedColor> DecodedRgb(const std::vector<std::uint8_t>& bytes) {
  const DecodedGif gif = DecodeGif(bytes);
  const DecodedFrame& frame = gif.frames.at(0);
  const std::vector<DecodedColor>& table = frame.localColors.empty() ? gif.globalColors : frame.localColors;
  std::vector<DecodedColor> rgb;
  for (const std::uint8_t index : frame.pixels) rgb.push_back(table.at(index));
  return rgb;
}

// The compact page shows what the default one shows, under a table of only the colours
// it uses, numbered from 0 and padded to a power of two, with the matching code sizes.
void ExpectSmallestTable(const std::vector<std::uint8_t>& usedBytes,
                         const std::vector<std::uint8_t>& wholeBytes) {
  EXPECT_EQ(DecodedRgb(usedBytes), DecodedRgb(wholeBytes));
  const DecodedGif gif = DecodeGif(usedBytes);
  const DecodedFrame& frame = gif.frames.at(0);
  std::set<std::uint8_t> indices(frame.pixels.begin(), frame.pixels.end());
  const std::size_t colors = indices.size();
  EXPECT_EQ(*indices.rbegin(), colors - 1) << "the colours in use are numbered from 0";
  const std::size_t entries = std::max<std::size_t>(2, std::bit_ceil(colors));
  EXPECT_EQ(frame.localColors.size(), entries);
  const int bits = std::countr_zero(entries);
  EXPECT_EQ(usedBytes[10], (bits - 1) * 16 + bits - 1) << "the screen's resolution and size code";
  // The minimum code size follows the colour table's: header, image descriptor, table.
  EXPECT_EQ(usedBytes.at(13 + 10 + 3 * entries), std::max(2, bits));
  EXPECT_LE(usedBytes.size() + 3 * (256 - entries), wholeBytes.size());
}

TEST(PageEncoderTest, UsedColorsOnlyShowTheSamePictureWithTheSmallestTable) {
  TPageEncoder whole, used(TPageColors::UsedOnly);
  for (int round = 0; round < 2; ++round)  // the second round reuses both encoders
    for (const PageCase& c : Pages()) {
      SCOPED_TRACE(c.name);
      const TBitmap page = c.make();
      const std::vector<std::uint8_t> wholeBytes = Encoded(whole, page);
      const std::vector<std::uint8_t> usedBytes = Encoded(used, page);
      if (c.name == "Empty") continue;
      EXPECT_EQ(Pixels(page), Pixels(c.make()));
      if (c.name == "Masked") {
        EXPECT_EQ(usedBytes, wholeBytes) << "a transparent page is written as the image writes it";
        continue;
      }
      ExpectSmallestTable(usedBytes, wholeBytes);
    }
}

TEST(PageEncoderTest, LargePagesGetTheSmallestTableToo) {
  TPageEncoder whole, used(TPageColors::UsedOnly);
  for (const auto& [width, height] : {std::pair{960, 544}, std::pair{1200, 1600}}) {
    SCOPED_TRACE(width);
    const TBitmap page = TextLike({0, 0, 0}, {255, 255, 255}, width, height);
    const std::vector<std::uint8_t> wholeBytes = Encoded(whole, page);
    EXPECT_EQ(wholeBytes, ThroughImage(page)) << "the default page keeps its bytes";
    ExpectSmallestTable(Encoded(used, page), wholeBytes);
  }
}

}  // namespace
