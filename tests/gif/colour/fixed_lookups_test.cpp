// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/fixed_lookups.h"

#include <gtest/gtest.h>

#include "gif/colour/fixed_palettes.h"
#include "gif/colour/pictures.h"

namespace {

// Whatever the lookup answers must be the colour its palette holds at that index.
void ExpectAgreesWithPalette(TColorLookup& lookup, const TPalette& palette) {
  EXPECT_EQ(lookup.ColorCount(), palette.Count());
  for (int r = 0; r < 256; r += 5)
    for (int g = 0; g < 256; g += 3)
      for (int b = 0; b < 256; b += 7) {
        const Mapped m = Map(lookup, r, g, b);
        ASSERT_LT(m.index, palette.Count());
        const TPaletteEntry& e = palette[m.index];
        ASSERT_EQ(m.color, (Rgb{e.red, e.green, e.blue})) << r << "," << g << "," << b;
      }
}

TEST(NetscapeColorLookupTest, LevelsTurnUpBeforeTheMidpointBetweenSteps) {
  TNetscapeColorLookup lookup;
  const int values[] = {0, 47, 48, 98, 99, 149, 150, 200, 201, 251, 252, 255};
  const int levels[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(Map(lookup, values[i], 0, 0).index, 36 * levels[i]) << values[i];
    EXPECT_EQ(Map(lookup, 0, values[i], 0).index, 6 * levels[i]) << values[i];
    EXPECT_EQ(Map(lookup, 0, 0, values[i]).index, levels[i]) << values[i];
  }
}

TEST(NetscapeColorLookupTest, WorkedColours) {
  TNetscapeColorLookup lookup;
  EXPECT_EQ(Map(lookup, 255, 255, 255).index, 215);
  EXPECT_EQ(Map(lookup, 0, 0, 0).index, 0);
  const Mapped grey = Map(lookup, 128, 128, 128);
  EXPECT_EQ(grey.index, 86);
  EXPECT_EQ(grey.color, (Rgb{102, 102, 102}));
  const Mapped mixed = Map(lookup, 47, 48, 200);
  EXPECT_EQ(mixed.index, 9);
  EXPECT_EQ(mixed.color, (Rgb{0, 51, 153}));
  ExpectAgreesWithPalette(lookup, *BuildWebCubePalette());
}

TEST(GrayScaleLookupTest, LuminanceWeights) {
  TGrayScaleLookup lookup;
  EXPECT_EQ(Map(lookup, 255, 255, 255).index, 255);
  EXPECT_EQ(Map(lookup, 255, 0, 0).index, 76);
  EXPECT_EQ(Map(lookup, 0, 255, 0).index, 149);
  EXPECT_EQ(Map(lookup, 0, 0, 255).index, 28);
  EXPECT_EQ(Map(lookup, 0, 255, 0).color, (Rgb{149, 149, 149}));
  ExpectAgreesWithPalette(lookup, *BuildGrayPalette());
}

TEST(MonochromeLookupTest, WhiteOnlyAboveTheThreshold) {
  TMonochromeLookup lookup;
  EXPECT_EQ(Map(lookup, 127, 127, 127).index, 0);
  EXPECT_EQ(Map(lookup, 128, 128, 128).index, 1);
  EXPECT_EQ(Map(lookup, 128, 128, 128).color, (Rgb{255, 255, 255}));
  EXPECT_EQ(Map(lookup, 255, 0, 0).index, 0);
  EXPECT_EQ(Map(lookup, 255, 0, 0).color, (Rgb{0, 0, 0}));
  EXPECT_EQ(Map(lookup, 0, 255, 0).index, 1);  // 150 x 255 > 32512
  ExpectAgreesWithPalette(lookup, *BuildMonochromePalette());
}

}  // namespace
