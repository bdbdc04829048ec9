// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/optimized_palette.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/fixed_palettes.h"
#include "gif/colour/pictures.h"
#include "platform/exceptions.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(OptimizedPaletteTest, PictureColoursInTreeOrderThenBlack) {
  TBitmap picture = Picture24(2, 2, [](int x, int) { return x == 0 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
  const TPaletteHandle palette = BuildOptimizedPaletteFromBitmap(picture, 4, 8, false);
  EXPECT_EQ(picture.PixelFormat(), pf24bit);
  EXPECT_EQ(palette->Entries(), (std::vector<TPaletteEntry>{{0, 0, 255, 0}, {255, 0, 0, 0}, {}, {}}));
}

TEST(OptimizedPaletteTest, TheSystemFrameHoldsWhateverThePictureHolds) {
  TBitmap picture = DevicePicture(3, 3, [](int, int) { return Rgb{200, 100, 50}; });
  const TPaletteHandle palette = BuildOptimizedPaletteFromBitmap(picture, 256, 8, true);
  const TPaletteHandle system = BuildSystemPalette();
  ASSERT_EQ(palette->Count(), 256);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ((*palette)[i], (*system)[i]) << i;
    EXPECT_EQ((*palette)[246 + i], (*system)[10 + i]) << i;
  }
  EXPECT_EQ((*palette)[10], (TPaletteEntry{200, 100, 50, 0}));
  for (int i = 11; i < 246; ++i) EXPECT_EQ((*palette)[i], TPaletteEntry{}) << i;
}

TEST(OptimizedPaletteTest, ColourCountsAndDepthsOutOfRangeAreRefused) {
  TBitmap picture = Picture24(1, 1, [](int, int) { return Rgb{1, 2, 3}; });
  TDIBReader reader(picture, pf24bit);
  for (const auto& range : {std::pair{0, 8}, std::pair{257, 8}, std::pair{16, 0}, std::pair{16, 9}})
    EXPECT_THAT([&] { BuildOptimizedPalette(reader, range.first, range.second, false); },
                ThrowsMessage<GIFException>(StrEq("Palette bits out of range")));
}

}  // namespace
