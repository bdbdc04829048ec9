// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/lzw_encoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "encode_test_support.h"
#include "platform/exceptions.h"
#include "support/gif_decode.h"
#include "text_page.h"

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using encode_test::MakePicture;
using encode_test::Picture;

// A plain LZW coder written for clarity, not speed: a std::map dictionary and one
// bit at a time. The compressor's output must match it byte for byte.
std::vector<std::uint8_t> ReferenceLzw(const Picture& picture) {
  const int m = std::max(picture.bitDepth, 2);
  const int clear = 1 << m;
  std::vector<std::uint8_t> data;
  int bitCount = 0;
  int width = m + 1;
  auto put = [&](int code) {
    for (int i = 0; i < width; ++i, ++bitCount) {
      if (bitCount % 8 == 0) data.push_back(0);
      data.back() |= static_cast<std::uint8_t>(((code >> i) & 1) << (bitCount % 8));
    }
  };
  std::map<std::pair<int, int>, int> dictionary;
  int next = 0;
  // After a code goes out the width grows once the next free code has passed the
  // largest code of the width; a clear code sets it back.
  auto putAndWiden = [&](int code) {
    put(code);
    if (next > (1 << width) - 1 && width < 12) ++width;
  };
  auto sendClear = [&] {
    put(clear);
    width = m + 1;
    dictionary.clear();
    next = clear + 2;
  };
  sendClear();
  int prefix = picture.pixels[0];
  for (std::size_t i = 1; i < picture.pixels.size(); ++i) {
    const int pixel = picture.pixels[i];
    if (const auto found = dictionary.find({prefix, pixel}); found != dictionary.end()) {
      prefix = found->second;
      continue;
    }
    putAndWiden(prefix);
    if (next == 4095)
      sendClear();
    else
      dictionary[{prefix, pixel}] = next++;
    prefix = pixel;
  }
  putAndWiden(prefix);
  put(clear + 1);

  std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(m)};
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + at, data.begin() + at + n);
  }
  out.push_back(0);
  return out;
}

std::vector<std::uint8_t> EncodeLzw(const Picture& picture, bool interlaced = false,
                                    TLZWEncoder::TDictionary dictionary = TLZWEncoder::TDictionary::Fitted) {
  TLZWEncoder encoder(dictionary);
  return encode_test::Encode(encoder, picture, interlaced);
}

// 256-colour pixels in which no two neighbours repeat an earlier pair, so that every
// pixel after the first adds an entry: steps of 1, 3, 5, ... through all 256 values.
std::vector<std::uint8_t> DistinctPairs(std::size_t count) {
  std::vector<std::uint8_t> pixels;
  int value = 0;
  for (int step = 1; pixels.size() < count; step += 2)
    for (int i = 0; i < 256 && pixels.size() < count; ++i) {
      pixels.push_back(static_cast<std::uint8_t>(value));
      value = (value + step) % 256;
    }
  return pixels;
}

std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const auto byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

TEST(LZWEncoderTest, WorkedExamplesGiveTheExactBytes) {
  EXPECT_THAT(EncodeLzw(MakePicture(4, 2, 2, {0, 0, 0, 0, 0, 0, 0, 1})),
              ElementsAre(0x02, 0x03, 0x84, 0x0F, 0x51, 0x00));
  EXPECT_THAT(EncodeLzw(MakePicture(1, 1, 2, {0})), ElementsAre(0x02, 0x02, 0x44, 0x01, 0x00));
}

TEST(LZWEncoderTest, CodesWidenAfterTheCodeWrittenWhileTheNextFreeCodeIsAPowerOfTwo) {
  // Every pixel adds an entry, so literal i goes out while the next free code is 258 + i.
  const auto pixels = DistinctPairs(300);
  const auto data = encode_test::Unblock(EncodeLzw(MakePicture(300, 1, 256, pixels)));
  encode_test::CodeReader reader(data.bytes);
  EXPECT_EQ(reader.Read(9), 256);
  for (int i = 0; i < 300; ++i) {
    // Literal 254 goes out with next free code 512: the last 9-bit code.
    const int width = i <= 254 ? 9 : 10;
    ASSERT_EQ(reader.Read(width), pixels[i]) << "literal " << i << " in " << width << " bits";
  }
  EXPECT_EQ(reader.Read(10), 257);
  EXPECT_LT(reader.BitsLeft(), 8u);
}

TEST(LZWEncoderTest, AfterCode4094ThePrefixAndTheClearAre12BitsThenWidthStartsOver) {
  const auto pixels = DistinctPairs(3900);
  const auto data = encode_test::Unblock(EncodeLzw(MakePicture(3900, 1, 256, pixels)));
  encode_test::CodeReader reader(data.bytes);
  EXPECT_EQ(reader.Read(9), 256);
  // Literal i goes out while the next free code is 258 + i; the entry 4094 is added
  // after literal 3836, and literal 3837 meets the full dictionary.
  for (int i = 0; i <= 3837; ++i) {
    const int next = 258 + i;
    const int width = next <= 512 ? 9 : next <= 1024 ? 10 : next <= 2048 ? 11 : 12;
    ASSERT_EQ(reader.Read(width), pixels[i]) << "literal " << i;
  }
  EXPECT_EQ(reader.Read(12), 256) << "the clear code at the width in use";
  for (int i = 3838; i < 3900; ++i) ASSERT_EQ(reader.Read(9), pixels[i]) << "literal " << i;
  EXPECT_EQ(reader.Read(9), 257);
}

TEST(LZWEncoderTest, DataOf255BytesIsOneBlockAnd256BytesAreTwo) {
  // 224 literals with the clear and end codes: 226 codes of 9 bits, 2034 bits, 255 bytes.
  const auto exact = encode_test::Unblock(EncodeLzw(MakePicture(224, 1, 256, DistinctPairs(224))));
  EXPECT_THAT(exact.blockLengths, ElementsAre(255));
  // One literal more: 2043 bits, 256 bytes.
  const auto over = encode_test::Unblock(EncodeLzw(MakePicture(225, 1, 256, DistinctPairs(225))));
  EXPECT_THAT(over.blockLengths, ElementsAre(255, 1));
}

TEST(LZWEncoderTest, RandomPicturesMatchTheReferenceAndDecodeWithGiflib) {
  std::mt19937 random(4242);
  for (int round = 0; round < 60; ++round) {
    const int width = round == 0 ? 1 : std::uniform_int_distribution<int>(1, 480)(random);
    const int height = round == 0 ? 1 : std::uniform_int_distribution<int>(1, 272)(random);
    const int colors = round < 2 ? 1 + 255 * round : std::uniform_int_distribution<int>(1, 256)(random);
    const int maxRun = std::uniform_int_distribution<int>(1, 40)(random);
    const bool interlaced = round % 3 == 1;
    const auto picture = MakePicture(
        width, height, colors, encode_test::RandomRuns(random, std::size_t(width) * height, colors, maxRun));
    SCOPED_TRACE(testing::Message() << width << "x" << height << ", " << colors << " colours"
                                    << (interlaced ? ", interlaced" : ""));
    const auto encoded = EncodeLzw(picture, interlaced);
    if (!interlaced) {
      EXPECT_EQ(encoded, ReferenceLzw(picture));
    }
    const auto decoded = DecodeGif(encode_test::WrapInGif(encoded, width, height, interlaced));
    ASSERT_EQ(decoded.frames.size(), 1u);
    EXPECT_EQ(decoded.frames[0].pixels, picture.pixels);
  }
}

// Long runs of one background value beside short runs of others: the runs of the
// background are matched many pixels at a time, across several clears.
TEST(LZWEncoderTest, LongRunsMatchTheReferenceAcrossClears) {
  std::mt19937 random(77);
  for (const bool interlaced : {false, true}) {
    std::vector<std::uint8_t> pixels;
    while (pixels.size() < 480u * 272u) {
      const int background = std::uniform_int_distribution<int>(1, 3000)(random);
      pixels.insert(pixels.end(), static_cast<std::size_t>(background), 215);
      const int others = std::uniform_int_distribution<int>(1, 12)(random);
      for (int i = 0; i < others; ++i)
        pixels.push_back(static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 215)(random)));
    }
    pixels.resize(480u * 272u);
    const auto picture = MakePicture(480, 272, 216, pixels);
    const auto encoded = EncodeLzw(picture, interlaced);
    // The reference codes the pixels in the order the walk reads them.
    std::vector<std::uint8_t> walked = pixels;
    if (interlaced) {
      walked.clear();
      for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int row = start; row < 272; row += step)
          walked.insert(walked.end(), pixels.begin() + row * 480, pixels.begin() + (row + 1) * 480);
    }
    EXPECT_EQ(encoded, ReferenceLzw(MakePicture(480, 272, 216, walked)));
    EXPECT_EQ(DecodeGif(encode_test::WrapInGif(encoded, 480, 272, interlaced)).frames.at(0).pixels, pixels);
  }
}

TEST(LZWEncoderTest, TextPageAndNoisyFrameStayByteExact) {
  const auto page =
      MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, 216, encode_test::TextPage().Pixels());
  const auto encoded = EncodeLzw(page);
  EXPECT_EQ(encoded, ReferenceLzw(page));
  EXPECT_EQ(Fnv1a(encoded), 6895089825004424189ull) << encoded.size() << " bytes";
  const auto noise =
      MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, 256, encode_test::NoisyFrame());
  EXPECT_EQ(EncodeLzw(noise), ReferenceLzw(noise));
}

// Hash slots that the doubling probe sequence visits from slot 1: half of the table.
std::set<int> DoublingCycle() {
  std::set<int> slots;
  for (int slot = 1; slots.insert(slot).second;) slot = slot * 2 % 8009;
  return slots;
}

int SlotOf(int prefix, int pixel) {
  const std::uint32_t key = static_cast<std::uint32_t>(prefix << 8 | pixel);
  return static_cast<int>(((key >> 4) ^ key) % 8009);
}

// 64-colour pixels chosen so that the dictionary's keys land in one doubling cycle
// until more keys are stored there than the cycle has slots.
std::vector<std::uint8_t> PictureFillingOneProbeCycle() {
  const auto cycle = DoublingCycle();
  std::map<std::pair<int, int>, int> dictionary;
  std::vector<std::uint8_t> pixels = {0};
  int prefix = 0, next = 66, inCycle = 0;
  while (inCycle <= static_cast<int>(cycle.size())) {
    int chosen = -1;
    for (int p = 0; p < 64 && chosen < 0; ++p)
      if (!dictionary.count({prefix, p}) && cycle.count(SlotOf(prefix, p))) chosen = p;
    if (chosen >= 0) {  // a new key in the cycle
      dictionary[{prefix, chosen}] = next++;
      ++inCycle;
      prefix = chosen;
    } else {
      // Follow a stored key to a longer prefix, whose keys are all new.
      for (int p = 0; p < 64 && chosen < 0; ++p)
        if (const auto found = dictionary.find({prefix, p}); found != dictionary.end()) {
          chosen = p;
          prefix = found->second;
        }
      if (chosen < 0) {
        chosen = 0;
        dictionary[{prefix, 0}] = next++;
        prefix = 0;
      }
    }
    pixels.push_back(static_cast<std::uint8_t>(chosen));
  }
  EXPECT_LT(next, 4095) << "the cycle overflows before the dictionary is cleared";
  return pixels;
}

TEST(LZWEncoderTest, KeysCrowdedIntoOneProbeCycleStillEncode) {
  auto pixels = PictureFillingOneProbeCycle();
  const int width = 101;
  const int height = static_cast<int>(pixels.size() + width - 1) / width;
  pixels.resize(std::size_t(width) * height, 0);
  const auto picture = MakePicture(width, height, 64, pixels);
  const auto encoded = EncodeLzw(picture);
  EXPECT_EQ(encoded, ReferenceLzw(picture));
  EXPECT_EQ(DecodeGif(encode_test::WrapInGif(encoded, width, height, false)).frames.at(0).pixels, pixels);
}

// Frames of every kind the compressors meet, for comparing the two dictionaries.
std::vector<std::pair<std::string, Picture>> FramesOfEveryKind() {
  using encode_test::kPageHeight;
  using encode_test::kPageWidth;
  std::vector<std::pair<std::string, Picture>> frames;
  const auto add = [&](std::string name, int width, int height, int colors,
                       std::vector<std::uint8_t> pixels) {
    frames.emplace_back(std::move(name), MakePicture(width, height, colors, std::move(pixels)));
  };
  add("text page", kPageWidth, kPageHeight, 216, encode_test::TextPage().Pixels());
  add("noise", kPageWidth, kPageHeight, 256, encode_test::NoisyFrame());
  std::vector<std::uint8_t> ramp, diagonal, narrowRamp;
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) {
      ramp.push_back(static_cast<std::uint8_t>(x * 256 / kPageWidth));
      diagonal.push_back(static_cast<std::uint8_t>((x + y) % 256));
      narrowRamp.push_back(static_cast<std::uint8_t>((x + y / 3) * 12 / (kPageWidth + kPageHeight / 3)));
    }
  add("gradient of 256", kPageWidth, kPageHeight, 256, ramp);
  add("diagonal gradient", kPageWidth, kPageHeight, 256, diagonal);
  add("gradient of 12", kPageWidth, kPageHeight, 12, narrowRamp);
  add("one colour of one", kPageWidth, kPageHeight, 1, std::vector<std::uint8_t>(kPageWidth * kPageHeight));
  add("one colour of 256", 97, 13, 256, std::vector<std::uint8_t>(97 * 13, 255));
  add("one pixel", 1, 1, 2, {1});
  add("256 colours, every pair new", 3900, 1, 256, DistinctPairs(3900));
  std::mt19937 random(5150);
  for (const int colors : {2, 4, 6, 32})  // each fills the table many times
    add("random runs of " + std::to_string(colors), kPageWidth, kPageHeight, colors,
        encode_test::RandomRuns(random, kPageWidth * kPageHeight, colors, 3));
  // 32 values, then a 33rd late in the frame: the hash table takes over there.
  auto late = encode_test::RandomRuns(random, kPageWidth * kPageHeight, 32, 5);
  late[100000] = 200;
  add("a 33rd value late", kPageWidth, kPageHeight, 256, late);
  return frames;
}

TEST(LZWEncoderTest, ChildTableGivesTheHashTablesBytesOnEveryKindOfFrame) {
  for (const auto& [name, picture] : FramesOfEveryKind())
    for (const bool interlaced : {false, true}) {
      SCOPED_TRACE(name + (interlaced ? ", interlaced" : ""));
      const auto fitted = EncodeLzw(picture, interlaced);
      EXPECT_EQ(fitted, EncodeLzw(picture, interlaced, TLZWEncoder::TDictionary::Hashed));
      if (!interlaced) {
        EXPECT_EQ(fitted, ReferenceLzw(picture));
      }
      const auto decoded =
          DecodeGif(encode_test::WrapInGif(fitted, picture.width, picture.height, interlaced)).frames.at(0);
      EXPECT_EQ(decoded.pixels, picture.pixels);
    }
}

TEST(LZWEncoderTest, OneCompressorForFramesOfChangingValuesWritesWhatFreshOnesWrite) {
  TLZWEncoder reused;
  for (int round = 0; round < 2; ++round)
    for (const auto& [name, picture] : FramesOfEveryKind()) {
      SCOPED_TRACE(name);
      EXPECT_EQ(encode_test::Encode(reused, picture), EncodeLzw(picture));
    }
}

TEST(LZWEncoderTest, ValueBeyondTheTableInAFrameOfFewValuesStopsWhereTheHashTableStops) {
  std::mt19937 random(99);
  auto pixels = encode_test::RandomRuns(random, 20000, 5, 4);
  const auto good = MakePicture(20000, 1, 5, pixels);
  pixels[15000] = 5;
  const auto bad = MakePicture(20000, 1, 5, pixels);
  std::vector<std::uint8_t> written[2];
  for (const auto dictionary : {TLZWEncoder::TDictionary::Fitted, TLZWEncoder::TDictionary::Hashed}) {
    TLZWEncoder encoder(dictionary);
    TMemoryStream stream;
    EXPECT_THAT([&] { encoder.Encode(stream, bad.bitDepth, 5, bad.pixels.data(), false, 1, 20000); },
                ThrowsMessage<GIFException>(StrEq("Color not in color table")));
    written[dictionary == TLZWEncoder::TDictionary::Hashed] = stream.Bytes();
    // What the failed frame left behind does not reach the next one.
    EXPECT_EQ(encode_test::Encode(encoder, good), ReferenceLzw(good));
  }
  EXPECT_EQ(written[0], written[1]) << "the same codes reach the stream before the failure";
  EXPECT_GT(written[0].size(), 1000u);
}

// The text page in few values, as a compact page numbers its colours: 0 for the first met.
Picture DenseTextPage() {
  std::vector<std::uint8_t> pixels = encode_test::TextPage().Pixels();
  std::map<std::uint8_t, std::uint8_t> number;
  for (auto& pixel : pixels)
    pixel = number.try_emplace(pixel, static_cast<std::uint8_t>(number.size())).first->second;
  return MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, static_cast<int>(number.size()),
                     pixels);
}

std::vector<std::uint8_t> EncodeWithLookahead(const Picture& picture, bool interlaced = false) {
  TLZWEncoder encoder(TLZWEncoder::TDictionary::Fitted, TLZWEncoder::TParse::Lookahead);
  return encode_test::Encode(encoder, picture, interlaced);
}

TEST(LZWEncoderTest, LookaheadFramesDecodeWithGiflibAndOthersKeepTheGreedyBytes) {
  auto frames = FramesOfEveryKind();
  frames.emplace_back("text page of few values", DenseTextPage());
  std::mt19937 random(2718);
  frames.emplace_back("noise of 32",
                      MakePicture(encode_test::kPageWidth, encode_test::kPageHeight, 32,
                                  encode_test::RandomRuns(
                                      random, encode_test::kPageWidth * encode_test::kPageHeight, 32, 1)));
  TLZWEncoder reused(TLZWEncoder::TDictionary::Fitted, TLZWEncoder::TParse::Lookahead);
  for (int round = 0; round < 2; ++round)
    for (const auto& [name, picture] : frames)
      for (const bool interlaced : {false, true}) {
        SCOPED_TRACE(name + (interlaced ? ", interlaced" : ""));
        const auto parsed = EncodeWithLookahead(picture, interlaced);
        EXPECT_EQ(encode_test::Encode(reused, picture, interlaced), parsed) << "a reused compressor";
        EXPECT_EQ(DecodeGif(encode_test::WrapInGif(parsed, picture.width, picture.height, interlaced))
                      .frames.at(0)
                      .pixels,
                  picture.pixels);
        const auto greedy = EncodeLzw(picture, interlaced);
        if (interlaced || picture.colorCount > TChildTable::kMaxAlphabet)
          EXPECT_EQ(parsed, greedy);
        else  // the gain is the book's (see the benchmark); here it must at least not cost much
          EXPECT_LE(parsed.size(), greedy.size() + greedy.size() / 50);
      }
}

TEST(LZWEncoderTest, LookaheadTextPageStaysByteExact) {
  const auto parsed = EncodeWithLookahead(DenseTextPage());
  EXPECT_EQ(Fnv1a(parsed), 6654299825919162213ull) << parsed.size() << " bytes";
}

TEST(LZWEncoderTest, LookaheadKeepsAFullDictionaryToTheEnd) {
  // A page of text goes on with the strings it has learnt, where the greedy coder clears
  // them (giflib reads both: see above).
  const Picture page = DenseTextPage();
  EXPECT_LT(EncodeWithLookahead(page).size(), EncodeLzw(page).size() * 97 / 100);
}

TEST(LZWEncoderTest, LookaheadStopsAtAValueBeyondTheTable) {
  std::mt19937 random(31);
  auto pixels = encode_test::RandomRuns(random, 20000, 5, 4);
  const auto good = MakePicture(20000, 1, 5, pixels);
  TLZWEncoder encoder(TLZWEncoder::TDictionary::Fitted, TLZWEncoder::TParse::Lookahead);
  for (const std::size_t at : {std::size_t{0}, std::size_t{15000}, pixels.size() - 1}) {
    auto bad = pixels;
    bad[at] = 5;
    TMemoryStream stream;
    EXPECT_THAT([&] { encoder.Encode(stream, 3, 5, bad.data(), false, 1, 20000); },
                ThrowsMessage<GIFException>(StrEq("Color not in color table")));
    EXPECT_EQ(encode_test::Encode(encoder, good), EncodeWithLookahead(good));
  }
}

}  // namespace
