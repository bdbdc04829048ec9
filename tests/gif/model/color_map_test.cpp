// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/color_map.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/model/global_color_map.h"
#include "gif/model/graphic_control_extension.h"
#include "gif/model/local_color_map.h"
#include "model_fixtures.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace model_test;

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

class ColorMapTest : public ::testing::Test {
protected:
  TGIFImage image;
  TGIFSubImage frame{image};
  TGIFLocalColorMap& map = frame.ColorMap();
};

TEST_F(ColorMapTest, CapacityGrowsBy16ThenMultiplesOf32UpTo256) {
  EXPECT_EQ(map.Capacity(), 0);
  for (const auto& [n, expected] :
       std::vector<std::pair<int, int>>{{1, 16}, {17, 32}, {33, 64}, {250, 256}, {300, 256}}) {
    map.Reset();
    map.EnsureCapacity(n);
    EXPECT_EQ(map.Capacity(), expected) << n;
  }
  // A smaller request keeps the storage.
  map.EnsureCapacity(3);
  EXPECT_EQ(map.Capacity(), 256);
}

TEST_F(ColorMapTest, The257thColorOverflowsAndLeavesTheMapFull) {
  for (int i = 0; i < 255; ++i) map.AppendColor(static_cast<TColor>(i));
  EXPECT_EQ(map.AppendColor(0xABCDEF), 255);
  EXPECT_EQ(map.Capacity(), 256);
  EXPECT_THAT([&] { map.AppendColor(0x123456); }, ThrowsMessage<GIFException>(StrEq("Color table overflow")));
  EXPECT_THAT([&] { map.AppendUnique(0x123456); },
              ThrowsMessage<GIFException>(StrEq("Color table overflow")));
  EXPECT_EQ(map.Count(), 256);
  EXPECT_EQ(map.AppendUnique(0xABCDEF), 255);  // present: no overflow
}

TEST_F(ColorMapTest, IndexOfColorSearchesDownwardsUnlessSorted) {
  for (const TColor c : {kRed, kGreen, kBlue, kRed}) map.AppendColor(c);
  EXPECT_EQ(map.IndexOfColor(kRed), 3);
  EXPECT_EQ(map.IndexOfColor(0x010203), -1);

  // The same entries, already in decreasing use: sorting marks them sorted in place.
  TGIFSubImage other(image);
  other.SetFrameBounds(0, 0, 10, 1);
  std::copy_n(std::vector<std::uint8_t>{0, 0, 0, 0, 1, 1, 1, 2, 2, 3}.begin(), 10, other.PixelRow(0));
  for (const TColor c : {kRed, kGreen, kBlue, kRed}) other.ColorMap().AppendColor(c);
  ASSERT_TRUE(other.ColorMap().OptimizeByUse());
  map.CopyFrom(other.ColorMap());
  EXPECT_TRUE(map.Sorted());
  EXPECT_EQ(map.IndexOfColor(kRed), 0);
  map.AppendColor(kGreen);
  EXPECT_FALSE(map.Sorted());
  EXPECT_EQ(map.IndexOfColor(kRed), 3);
}

TEST_F(ColorMapTest, IndexBitsFollowTheCount) {
  EXPECT_EQ(map.IndexBits(), 0);
  const std::vector<std::pair<int, int>> expected{{1, 1},  {2, 1},  {3, 2},   {4, 2},   {5, 3},
                                                  {16, 4}, {17, 5}, {129, 8}, {216, 8}, {256, 8}};
  for (const auto& [count, bits] : expected) {
    map.Reset();
    for (int i = 0; i < count; ++i) map.AppendColor(static_cast<TColor>(i));
    EXPECT_EQ(map.IndexBits(), bits) << count;
  }
}

TEST_F(ColorMapTest, ColorAtOutsideWarnsAndFallsBackToEntryZero) {
  std::vector<Warning> warnings;
  CollectWarnings(image, warnings);
  for (const TColor c : {kRed, kGreen, kBlue}) map.AppendColor(c);
  EXPECT_EQ(map.ColorAt(5), kRed);
  EXPECT_EQ(map.ColorAt(-1), kRed);
  EXPECT_THAT(warnings,
              ElementsAre(Warning{&map, 1, "Invalid color index"}, Warning{&map, 1, "Invalid color index"}));

  map.Reset();
  warnings.clear();
  EXPECT_THAT([&] { map.ColorAt(0); }, ThrowsMessage<GIFException>(StrEq("Color table is empty")));
  EXPECT_THAT(warnings, ElementsAre(Warning{&map, 1, "Invalid color index"}));
}

TEST_F(ColorMapTest, RemoveAtShiftsLaterEntriesDown) {
  for (const TColor c : {kRed, kGreen, kBlue}) map.AppendColor(c);
  map.RemoveAt(0);
  EXPECT_THAT(Colors(map), ElementsAre(kGreen, kBlue));
  map.RemoveAt(1);
  EXPECT_THAT(Colors(map), ElementsAre(kGreen));
  EXPECT_EQ(map.Capacity(), 16);  // never shrinks
  EXPECT_THAT([&] { map.RemoveAt(1); }, ThrowsMessage<GIFException>(StrEq("Invalid color index")));
  EXPECT_THAT([&] { map.RemoveAt(-1); }, ThrowsMessage<GIFException>(StrEq("Invalid color index")));
}

TEST_F(ColorMapTest, TripletsTakeRedFromTheLowByteAndIgnoreTheTopByte) {
  EXPECT_EQ(ColorToTriplet(0x12FF8040), (TGIFColor{0x40, 0x80, 0xFF}));
  EXPECT_EQ(TripletToColor({0x40, 0x80, 0xFF}), 0x00FF8040u);
}

TEST_F(ColorMapTest, ImportsKeepTableOrderAndCount) {
  const std::vector<TRGBQuad> quads{{0x10, 0x20, 0x30, 0}, {1, 2, 3, 9}};
  map.ImportRGBQuads(quads);
  EXPECT_THAT(Colors(map), ElementsAre(0x102030u, 0x010203u));

  TBitmap bitmap(2, 2, pf8bit);
  std::vector<TRGBQuad> table(216);
  table[215] = {0xFF, 0xFE, 0xFD, 0};
  bitmap.SetColorTable(table);
  map.AppendColor(kRed);  // would make the map unsorted: every import resets
  map.ImportFromDIB(bitmap);
  EXPECT_EQ(map.Count(), 216);
  EXPECT_EQ(map.ColorAt(215), 0xFFFEFDu);

  const TPalette palette({{1, 2, 3, 4}, {5, 6, 7, 0}});
  map.ImportSystemPalette(&palette);
  EXPECT_THAT(Colors(map), ElementsAre(0x030201u, 0x070605u));
  map.ImportSystemPalette(nullptr);
  EXPECT_EQ(map.Count(), 0);
}

TEST_F(ColorMapTest, ExportedPaletteHasNoCollapseFlags) {
  EXPECT_EQ(map.ExportSystemPalette(), nullptr);
  map.AppendColor(0x030201);
  map.AppendColor(kBlue);
  const TPaletteHandle palette = map.ExportSystemPalette();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->Version(), 0x300);
  EXPECT_THAT(palette->Entries(), ElementsAre(TPaletteEntry{1, 2, 3, 4}, TPaletteEntry{0, 0, 0xFF, 4}));
}

TEST_F(ColorMapTest, CopyFromTakesEntriesAndRefusesOtherClasses) {
  for (const TColor c : {kRed, kGreen, kBlue}) map.AppendColor(c);
  TGIFHeader& header = image.Header();
  header.ColorMap().AssignFrom(&map);
  EXPECT_THAT(Colors(header.ColorMap()), ElementsAre(kRed, kGreen, kBlue));
  EXPECT_EQ(header.ColorMap().Capacity(), 16);
  map.CopyFrom(map);
  EXPECT_EQ(map.Count(), 3);
  EXPECT_THAT([&] { map.AssignFrom(&frame); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TGIFSubImage to a TGIFLocalColorMap")));
}

TEST_F(ColorMapTest, OptimizeByUseSortsByUseAndDropsUnusedEntries) {
  constexpr TColor kA = 0x0000AA, kB = 0x0000BB, kC = 0x0000CC;
  frame.SetFrameBounds(0, 0, 4, 1);
  std::copy_n(std::vector<std::uint8_t>{2, 2, 2, 0}.begin(), 4, frame.PixelRow(0));
  for (const TColor c : {kA, kB, kC}) map.AppendColor(c);
  EXPECT_TRUE(map.OptimizeByUse());
  EXPECT_THAT(Colors(map), ElementsAre(kC, kA));
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 0, 0, 1));
  EXPECT_TRUE(map.Sorted());
}

TEST_F(ColorMapTest, OptimizeByUseOrdersEqualCountsAsItsQuicksortDoes) {
  constexpr TColor kA = 0x0000AA, kB = 0x0000BB, kC = 0x0000CC, kD = 0x0000DD;
  frame.SetFrameBounds(0, 0, 4, 1);
  std::copy_n(std::vector<std::uint8_t>{0, 1, 0, 2}.begin(), 4, frame.PixelRow(0));
  for (const TColor c : {kA, kB, kC, kD}) map.AppendColor(c);
  EXPECT_TRUE(map.OptimizeByUse());
  // B and C are used once each; the partition swaps them.
  EXPECT_THAT(Colors(map), ElementsAre(kA, kC, kB));
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 2, 0, 1));
}

TEST_F(ColorMapTest, OptimizeByUseLeavesAnOrderedMapAlone) {
  frame.SetFrameBounds(0, 0, 6, 1);
  std::copy_n(std::vector<std::uint8_t>{0, 1, 0, 2, 1, 0}.begin(), 6, frame.PixelRow(0));
  for (const TColor c : {kRed, kGreen, kBlue, TColor{0x777777}}) map.AppendColor(c);
  EXPECT_TRUE(map.OptimizeByUse());
  EXPECT_TRUE(map.Sorted());
  EXPECT_THAT(Colors(map), ElementsAre(kRed, kGreen, kBlue, 0x777777u));  // the unused entry stays
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 1, 0, 2, 1, 0));

  map.Reset();
  map.AppendColor(kRed);
  EXPECT_FALSE(map.OptimizeByUse());
  EXPECT_FALSE(map.Sorted());
}

TEST_F(ColorMapTest, OptimizeByUseRenumbersTheTransparentIndex) {
  frame.SetFrameBounds(0, 0, 3, 1);
  std::copy_n(std::vector<std::uint8_t>{1, 1, 0}.begin(), 3, frame.PixelRow(0));
  for (const TColor c : {kRed, kGreen}) map.AppendColor(c);
  auto& control = static_cast<TGIFGraphicControlExtension&>(
      frame.Extensions()[frame.Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(frame))]);
  control.SetTransparent(true);
  control.SetTransparentColorIndex(0);
  EXPECT_TRUE(map.OptimizeByUse());
  EXPECT_EQ(control.TransparentColorIndex(), 1);
}

TEST_F(ColorMapTest, GlobalMapSortsOverEveryFrameItColors) {
  TGIFGlobalColorMap& global = image.Header().ColorMap();
  for (const TColor c : {kRed, kGreen}) global.AppendColor(c);
  EXPECT_FALSE(global.OptimizeByUse());  // no frames
  AddFrame(image, 0, 0, 2, 1, {}, {0, 1});
  AddFrame(image, 0, 0, 2, 1, {}, {1, 1});
  AddFrame(image, 0, 0, 2, 1, {kBlue}, {0, 0});  // its own colours: not counted
  EXPECT_TRUE(global.OptimizeByUse());
  EXPECT_THAT(Colors(global), ElementsAre(kGreen, kRed));
  EXPECT_THAT(PixelsOf(image.Images()[0]), ElementsAre(1, 0));
  EXPECT_THAT(PixelsOf(image.Images()[1]), ElementsAre(0, 0));
  EXPECT_THAT(PixelsOf(image.Images()[2]), ElementsAre(0, 0));
}

TEST(ColorMapUseTest, OptimizeByUseRefusesAPixelBeyondTheTable) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 3, 1, {0x0000FF, 0x00FF00}, {1, 2, 0});
  EXPECT_THAT([&] { frame.ColorMap().OptimizeByUse(); },
              ThrowsMessage<GIFException>(StrEq("Color not in color table")));
  EXPECT_FALSE(frame.ColorMap().Sorted());
  EXPECT_THAT(PixelsOf(frame), ElementsAre(1, 2, 0));
}

}  // namespace
