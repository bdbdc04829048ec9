// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/fast_color_lookup.h"

#include <gtest/gtest.h>

#include "gif/colour/fixed_palettes.h"
#include "gif/colour/pictures.h"

namespace {

TEST(FastColorLookupTest, NearestBySumOfDifferencesThenCachedForTheCell) {
  const TPaletteHandle greys = BuildSystemGrayPalette();
  TFastColorLookup lookup(greys.get());
  EXPECT_EQ(lookup.ColorCount(), 4);
  const Mapped first = Map(lookup, 100, 100, 100);  // 84 from 128 against 300 from 0
  EXPECT_EQ(first.index, 1);
  EXPECT_EQ(first.color, (Rgb{128, 128, 128}));
  EXPECT_EQ(Map(lookup, 97, 97, 97).index, 1);
}

TEST(FastColorLookupTest, TheFirstAnswerInACellDecidesForTheWholeCell) {
  // (8,8,8) is as near black as grey 16 (a tie, so black); (15,15,15) is nearer grey 16.
  const TPalette palette({{0, 0, 0, 0}, {16, 16, 16, 0}});
  TFastColorLookup darkFirst(&palette);
  EXPECT_EQ(Map(darkFirst, 8, 8, 8).index, 0);
  EXPECT_EQ(Map(darkFirst, 15, 15, 15).index, 0);
  TFastColorLookup lightFirst(&palette);
  EXPECT_EQ(Map(lightFirst, 15, 15, 15).index, 1);
  EXPECT_EQ(Map(lightFirst, 8, 8, 8).index, 1);
  EXPECT_EQ(Map(lightFirst, 8, 8, 8).color, (Rgb{16, 16, 16}));
}

TEST(FastColorLookupTest, APaletteColoursCellBelongsToItsLowestIndex) {
  const TPalette palette({{200, 0, 0, 0}, {8, 8, 8, 0}, {9, 9, 9, 0}});
  TFastColorLookup lookup(&palette);
  const Mapped exact = Map(lookup, 9, 9, 9);
  EXPECT_EQ(exact.index, 1);
  EXPECT_EQ(exact.color, (Rgb{8, 8, 8}));
}

TEST(FastColorLookupTest, TiesGoToTheLowerIndex) {
  const TPalette palette({{40, 0, 0, 0}, {0, 40, 0, 0}});
  TFastColorLookup lookup(&palette);
  EXPECT_EQ(Map(lookup, 20, 20, 0).index, 0);
}

TEST(FastColorLookupTest, OnlyTheFirst256EntriesCount) {
  std::vector<TPaletteEntry> entries(256, {255, 255, 255, 0});
  entries.push_back({0, 0, 0, 0});
  const TPalette palette(std::move(entries));
  TFastColorLookup lookup(&palette);
  EXPECT_EQ(lookup.ColorCount(), 256);
  EXPECT_EQ(Map(lookup, 0, 0, 0).index, 0);
  EXPECT_EQ(Map(lookup, 0, 0, 0).color, (Rgb{255, 255, 255}));
}

TEST(FastColorLookupTest, NoPaletteMeansNoColours) {
  const TPalette empty;
  EXPECT_EQ(TFastColorLookup(nullptr).ColorCount(), 0);
  EXPECT_EQ(TFastColorLookup(&empty).ColorCount(), 0);
}

}  // namespace
