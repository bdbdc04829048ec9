// SPDX-License-Identifier: GPL-3.0-or-later
// The stream form of a whole image, checked byte by byte and through giflib.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "gif/model/image.h"
#include "gif/model/text_extension.h"
#include "model_fixtures.h"
#include "platform/exceptions.h"
#include "support/gif_decode.h"
#include "support/refusing_stream.h"
#include "support/temp_dir.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace model_test;

namespace {

using Bytes = std::vector<std::uint8_t>;

using test_support::RefusingStream;

struct Progress {
  const TObject* sender;
  TProgressStage stage;
  int percent;
  bool redraw;
  friend bool operator==(const Progress&, const Progress&) = default;
};

void CollectSaving(TGIFImage& image, std::vector<Progress>& into) {
  image.ProgressHandler = [&into](TObject* sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                                  const TRect& rect, std::string_view message) {
    EXPECT_EQ(message, "Saving...");
    EXPECT_EQ(rect, TRect{});
    into.push_back({sender, stage, percent, redraw});
  };
}

// The 4 × 2 black-and-white frame of the worked example.
void AddExampleFrame(TGIFImage& image) {
  AddFrame(image, 0, 0, 4, 2, {0x000000, 0xFFFFFF}, {0, 0, 0, 0, 0, 0, 0, 1});
}

const Bytes kExample{0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 0x04, 0x00, 0x02, 0x00, 0x00, 0x00,
                     0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x00, 0x80, 0x00,
                     0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x02, 0x03, 0x84, 0x0F, 0x51, 0x00, 0x3B};

TEST(ImageStreamTest, TwoColorFrameIsTheWorkedExample) {
  TGIFImage image;
  AddExampleFrame(image);
  EXPECT_THAT(SavedBytes(image), ElementsAreArray(kExample));
}

TEST(ImageStreamTest, ColorTablesArePaddedToAPowerOfTwo) {
  for (const auto& [count, bits] : std::vector<std::pair<int, int>>{{1, 1}, {3, 2}, {216, 8}, {256, 8}}) {
    TGIFImage image;
    std::vector<TColor> colors;
    for (int i = 0; i < count; ++i) colors.push_back(static_cast<TColor>(0xFF0000 | i));
    AddFrame(image, 0, 0, 1, 1, colors, {static_cast<std::uint8_t>(count - 1)});
    const Bytes bytes = SavedBytes(image);
    const std::size_t table = 3u << bits;
    ASSERT_GT(bytes.size(), 23 + table) << count;
    EXPECT_EQ(bytes[22], 0x80 | (bits - 1)) << count;
    const Bytes padding(bytes.begin() + 23 + 3 * count, bytes.begin() + 23 + static_cast<long>(table));
    EXPECT_EQ(padding, Bytes(table - 3u * count, 0)) << count;
    EXPECT_EQ(bytes[23 + table], std::max(bits, 2)) << count;  // minimum code size follows the table
    EXPECT_THAT(Bytes(bytes.begin() + 23 + 3 * (count - 1), bytes.begin() + 23 + 3 * count),
                ElementsAre(count - 1, 0, 0xFF))
        << count;  // the last entry
  }
}

TEST(ImageStreamTest, SortedLocalMapOrAnyExtensionNeeds89a) {
  TGIFImage image;
  AddFrame(image, 0, 0, 3, 1, {1, 2}, {1, 1, 0});
  TGIFSubImage& second = AddFrame(image, 0, 0, 1, 1, {1}, {0});
  Bytes bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");

  ASSERT_TRUE(image.Images()[0].ColorMap().OptimizeByUse());
  bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
  EXPECT_EQ(bytes[22], 0x80 | 0x20);  // sort flag of the local table

  image.Images()[0].ColorMap().AppendColor(3);  // unsorted again
  second.Extensions().Add(std::make_unique<TGIFCommentExtension>(second));
  bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
}

TEST(ImageStreamTest, FrameWithItsOwnTableIsWrittenInRowOrder) {
  TGIFImage image;
  std::vector<std::uint8_t> pixels(5 * 9);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i / 5);
  TGIFSubImage& frame = AddFrame(image, 0, 0, 5, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8}, pixels);
  frame.SetInterlaced(true);
  const Bytes bytes = SavedBytes(image);
  EXPECT_EQ(bytes[22], 0x83);  // the interlace bit is gone
  EXPECT_FALSE(frame.IsInterlaced());
  const DecodedGif gif = DecodeGif(bytes);
  EXPECT_FALSE(gif.frames.at(0).interlaced);
  EXPECT_EQ(gif.frames[0].pixels, pixels);
}

TEST(ImageStreamTest, EmptyFramesWriteOnlyTheirExtensions) {
  TGIFImage image;
  image.AppendFrame(std::make_unique<TGIFSubImage>(image));
  TGIFSubImage& empty = image.Images()[0];
  auto comment = std::make_unique<TGIFCommentExtension>(empty);
  comment->Text = {"x"};
  empty.Extensions().Add(std::move(comment));
  AddExampleFrame(image);

  const Bytes bytes = SavedBytes(image);
  Bytes expected(kExample.begin(), kExample.begin() + 13);
  expected[4] = '9';
  expected.insert(expected.end(), {0x21, 0xFE, 1, 'x', 0});
  expected.insert(expected.end(), kExample.begin() + 13, kExample.end());
  EXPECT_THAT(bytes, ElementsAreArray(expected));
  EXPECT_EQ(DecodeGif(bytes).frames.size(), 1u);
}

TEST(ImageStreamTest, ProgressReportsEachFrameWithTheFrameListAsSender) {
  TGIFImage image;
  AddExampleFrame(image);
  AddExampleFrame(image);
  std::vector<Progress> progress;
  CollectSaving(image, progress);
  SavedBytes(image);
  EXPECT_EQ(progress, (std::vector<Progress>{{&image, TProgressStage::Starting, 0, false},
                                             {&image.Images(), TProgressStage::Running, 50, false},
                                             {&image.Images(), TProgressStage::Running, 100, false},
                                             {&image, TProgressStage::Ending, 100, true}}));
}

TEST(ImageStreamTest, PixelOutsideTheColorTableStopsTheWrite) {
  for (const std::size_t bad : {std::size_t{0}, std::size_t{5}}) {
    TGIFImage image;
    std::vector<std::uint8_t> pixels(8, 0);
    pixels[bad] = 2;
    AddFrame(image, 0, 0, 4, 2, {0x000000, 0xFFFFFF}, pixels);
    std::vector<Progress> progress;
    CollectSaving(image, progress);
    TMemoryStream stream;
    EXPECT_THAT([&] { image.SaveToStream(stream); },
                ThrowsMessage<GIFException>(StrEq("Color not in color table")));
    EXPECT_EQ(progress.back(), (Progress{&image, TProgressStage::Ending, 0, true}));
    EXPECT_NE(stream.Bytes().back(), 0x3B);  // no trailer
  }
}

TEST(ImageStreamTest, WithoutAnyColorTableOnlyIndexZeroIsAllowed) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 1, {}, {0, 1});
  TMemoryStream stream;
  EXPECT_THAT([&] { image.SaveToStream(stream); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
}

TEST(ImageStreamTest, RefusedColorTableIsAStreamWriteError) {
  TGIFImage image;
  AddExampleFrame(image);
  // The plain writes of the header and the descriptor are not checked; the table is.
  for (const std::size_t limit : {std::size_t{0}, std::size_t{25}, std::size_t{31}}) {
    RefusingStream stream(limit);
    EXPECT_THAT([&] { image.SaveToStream(stream); }, ThrowsMessage<EWriteError>(StrEq("Stream write error")))
        << limit;
  }
}

class WriteToFileTest : public ::testing::Test {
protected:
  TempDir dir;
  std::string path = dir.File("page.gif");
  const Bytes old{'o', 'l', 'd'};

  void WriteOld() {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(old.data()), static_cast<std::streamsize>(old.size()));
  }
};

TEST_F(WriteToFileTest, WritesAFileThatDecodes) {
  WriteOld();
  TGIFImage image;
  AddExampleFrame(image);
  image.WriteToFile(path);
  EXPECT_EQ(ReadFileBytes(path), kExample);
  EXPECT_THAT(dir.Names(), ElementsAre("page.gif"));
}

TEST_F(WriteToFileTest, MissingFolderCannotBeCreated) {
  TGIFImage image;
  AddExampleFrame(image);
  const std::string missing = dir.File("nowhere/page.gif");
  EXPECT_THAT([&] { image.WriteToFile(missing); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + missing)));
  EXPECT_TRUE(dir.Names().empty());
}

TEST_F(WriteToFileTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  WriteOld();
  TGIFImage noFrames;
  EXPECT_THAT([&] { noFrames.WriteToFile(path); },
              ThrowsMessage<GIFException>(StrEq("Unsupported GIF version")));
  TGIFImage badPixel;
  AddFrame(badPixel, 0, 0, 2, 1, {1}, {0, 1});
  EXPECT_THAT([&] { badPixel.WriteToFile(path); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_THAT(dir.Names(), ElementsAre("page.gif"));

  const std::string fresh = dir.File("fresh.gif");
  EXPECT_THROW(noFrames.WriteToFile(fresh), GIFException);
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_THAT(dir.Names(), ElementsAre("page.gif"));
}

// Random frames of every size and colour count, some coloured by the global table and
// interlaced, written to a file and read back by giflib.
void CheckRoundTrip(std::uint8_t compression, unsigned seed) {
  std::mt19937 random(seed);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  TGIFImage image;
  image.CompressionMethod = compression;
  const int globalCount = uniform(1, 256);
  for (int i = 0; i < globalCount; ++i) image.Header().ColorMap().AppendColor(static_cast<TColor>(random()));

  struct Expected {
    std::vector<TColor> colors;  // empty: the global table
    Bytes pixels;
  };
  std::vector<Expected> expected;
  const int frames = uniform(2, 5);
  for (int f = 0; f < frames; ++f) {
    const bool global = f % 2 == 1;
    const int width = f == 0 ? 1 : (f == 1 ? 479 : uniform(1, 480));
    const int height = f == 0 ? 1 : (f == 1 ? 272 : uniform(1, 272));
    Expected e;
    if (!global)
      for (int i = uniform(1, 256); i > 0; --i) e.colors.push_back(static_cast<TColor>(random()) & 0xFFFFFF);
    const int count = global ? globalCount : static_cast<int>(e.colors.size());
    e.pixels.resize(static_cast<std::size_t>(width) * height);
    // Runs of equal pixels as well as noise, so that both compressors meet long matches.
    for (std::size_t i = 0; i < e.pixels.size(); ++i)
      e.pixels[i] = (i / 7) % 3 == 0 ? static_cast<std::uint8_t>(count - 1)
                                     : static_cast<std::uint8_t>(uniform(0, count - 1));
    TGIFSubImage& frame =
        AddFrame(image, uniform(0, 480 - width), uniform(0, 272 - height), width, height, e.colors, e.pixels);
    frame.SetInterlaced(global);
    expected.push_back(std::move(e));
  }

  TempDir dir;
  image.WriteToFile(dir.File("round.gif"));
  const DecodedGif gif = DecodeGifFile(dir.File("round.gif"));
  EXPECT_EQ(gif.version, "87a");
  EXPECT_EQ(gif.screenWidth, image.Width());
  EXPECT_EQ(gif.screenHeight, image.Height());
  const auto padded = [](TGIFColorMap& map) {
    std::vector<DecodedColor> colors(std::size_t{1} << map.IndexBits(), DecodedColor{0, 0, 0});
    for (int i = 0; i < map.Count(); ++i) {
      const TGIFColor c = ColorToTriplet(map.ColorAt(i));
      colors[static_cast<std::size_t>(i)] = {c.Red, c.Green, c.Blue};
    }
    return colors;
  };
  EXPECT_EQ(gif.globalColors, padded(image.Header().ColorMap()));
  ASSERT_EQ(gif.frames.size(), expected.size());
  for (std::size_t f = 0; f < expected.size(); ++f) {
    TGIFSubImage& frame = image.Images()[static_cast<int>(f)];
    const DecodedFrame& got = gif.frames[f];
    EXPECT_EQ(got.left, frame.Left()) << f;
    EXPECT_EQ(got.top, frame.Top()) << f;
    EXPECT_EQ(got.width, frame.Width()) << f;
    EXPECT_EQ(got.height, frame.Height()) << f;
    EXPECT_EQ(got.interlaced, expected[f].colors.empty()) << f;
    EXPECT_EQ(got.localColors,
              expected[f].colors.empty() ? std::vector<DecodedColor>{} : padded(frame.ColorMap()))
        << f;
    EXPECT_TRUE(got.pixels == expected[f].pixels) << "frame " << f;
  }
}

TEST(ImageStreamRoundTripTest, LzwFramesDecodeToTheirPixelsAndColors) {
  for (unsigned seed = 1; seed <= 6; ++seed) CheckRoundTrip(kCompressLZW, seed);
}

TEST(ImageStreamRoundTripTest, RunLengthFramesDecodeToTheirPixelsAndColors) {
  for (unsigned seed = 11; seed <= 13; ++seed) CheckRoundTrip(kCompressRLE, seed);
}

}  // namespace
