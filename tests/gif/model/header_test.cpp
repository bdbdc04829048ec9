// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/header.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixtures.h"
#include "platform/exceptions.h"
#include "support/gif_decode.h"

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace model_test;

namespace {

std::vector<TColor> Grey(int n) {
  std::vector<TColor> colors;
  for (int i = 0; i < n; ++i) colors.push_back(static_cast<TColor>(i * 0x010101));
  return colors;
}

TEST(HeaderTest, ImageWithoutFramesWritesNothing) {
  TGIFImage image;
  image.Header().ColorMap().AppendColor(1);
  TMemoryStream stream;
  EXPECT_THAT([&] { image.SaveToStream(stream); },
              ThrowsMessage<GIFException>(StrEq("Unsupported GIF version")));
  EXPECT_EQ(stream.Size(), 0u);
}

TEST(HeaderTest, EmptyMapsGiveResolutionAndSizeCodeSeven) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 1, {}, {0, 0});
  const std::vector<std::uint8_t> bytes = SavedBytes(image);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes[10], 0x77);
  EXPECT_EQ(bytes[22], 0x00);  // frame: no local table
  EXPECT_EQ(bytes[23], 2);     // minimum code size for a depth of 0
}

TEST(HeaderTest, ResolutionFollowsTheLargestMapWithoutAGlobalTable) {
  TGIFImage image;
  AddFrame(image, 0, 0, 1, 1, Grey(3), {0});
  AddFrame(image, 0, 0, 1, 1, Grey(20), {0});
  image.Header().RefreshPackedFields();
  EXPECT_EQ(image.Header().PackedFields, 0x44);  // resolution 4, size code 4, no table
}

// A small global table beside a large local one: the declared global table must be the
// one written, or every byte after it is misread.
TEST(HeaderTest, GlobalTableSizeCodeComesFromTheGlobalMap) {
  TGIFImage image;
  for (const TColor c : {0x0000FFu, 0x00FF00u}) image.Header().ColorMap().AppendColor(c);
  AddFrame(image, 0, 0, 3, 1, {}, {0, 1, 1});
  AddFrame(image, 0, 0, 2, 2, Grey(256), {255, 0, 7, 128});
  const std::vector<std::uint8_t> bytes = SavedBytes(image);
  EXPECT_EQ(bytes[10], 0xF0);  // table, resolution 7 from the largest map, 2 entries
  const DecodedGif gif = DecodeGif(bytes);
  EXPECT_THAT(gif.globalColors, ElementsAre(DecodedColor{0xFF, 0, 0}, DecodedColor{0, 0xFF, 0}));
  ASSERT_EQ(gif.frames.size(), 2u);
  EXPECT_THAT(gif.frames[0].pixels, ElementsAre(0, 1, 1));
  EXPECT_THAT(gif.frames[1].pixels, ElementsAre(255, 0, 7, 128));
  EXPECT_EQ(gif.frames[1].localColors.size(), 256u);
}

TEST(HeaderTest, SortedGlobalTableSetsTheSortFlagButNotTheVersion) {
  TGIFImage image;
  for (const TColor c : {1u, 2u, 3u}) image.Header().ColorMap().AppendColor(c);
  AddFrame(image, 0, 0, 4, 1, {}, {2, 2, 1, 0});
  ASSERT_TRUE(image.Header().ColorMap().OptimizeByUse());
  image.Header().AspectRatio = 49;
  EXPECT_EQ(image.Header().RequiredVersion(), 2);
  const std::vector<std::uint8_t> bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");
  EXPECT_EQ(bytes[10], 0x80 | 0x10 | 0x08 | 0x01);
  EXPECT_EQ(bytes[12], 49);
}

TEST(HeaderTest, AssignFromCopiesAHeaderOrAColorMap) {
  TGIFImage a, b;
  a.Header().ColorMap().AppendColor(5);
  a.Header().ScreenWidth = 300;
  a.Header().BackgroundColorIndex = 1;
  b.Header().AssignFrom(&a.Header());
  EXPECT_EQ(b.Width(), 300);
  EXPECT_EQ(b.Header().BackgroundColorIndex, 1);
  EXPECT_EQ(b.Header().ColorMap().ColorAt(0), 5u);

  TGIFSubImage frame(a);
  frame.ColorMap().AppendColor(9);
  frame.ColorMap().AppendColor(8);
  b.Header().AssignFrom(&frame.ColorMap());
  EXPECT_EQ(b.Width(), 0);  // reset first
  EXPECT_EQ(b.Header().ColorMap().Count(), 2);
  EXPECT_THAT([&] { b.Header().AssignFrom(&frame); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TGIFSubImage to a TGIFHeader")));
}

}  // namespace
