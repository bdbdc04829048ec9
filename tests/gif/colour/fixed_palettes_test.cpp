// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/fixed_palettes.h"

#include <gtest/gtest.h>

namespace {

TPaletteEntry E(int r, int g, int b, int flags = kPaletteNoCollapse) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
          static_cast<std::uint8_t>(flags)};
}

TEST(FixedPalettesTest, WebCubeRunsRedOutermostBlueInnermost) {
  const TPaletteHandle cube = BuildWebCubePalette();
  ASSERT_EQ(cube->Count(), 216);
  const std::vector<TPaletteEntry> start = cube->Entries(0, 7);
  EXPECT_EQ(start,
            (std::vector<TPaletteEntry>{E(0, 0, 0, 0), E(0, 0, 51, 0), E(0, 0, 102, 0), E(0, 0, 153, 0),
                                        E(0, 0, 204, 0), E(0, 0, 255, 0), E(0, 51, 0, 0)}));
  EXPECT_EQ((*cube)[36], E(51, 0, 0, 0));
  EXPECT_EQ((*cube)[86], E(102, 102, 102, 0));
  EXPECT_EQ((*cube)[215], E(255, 255, 255, 0));
}

TEST(FixedPalettesTest, GreyPalettes) {
  const TPaletteHandle grey = BuildGrayPalette();
  ASSERT_EQ(grey->Count(), 256);
  for (int i = 0; i < 256; ++i) EXPECT_EQ((*grey)[i], E(i, i, i));
  EXPECT_EQ(BuildMonochromePalette()->Entries(), (std::vector<TPaletteEntry>{E(0, 0, 0), E(255, 255, 255)}));
  EXPECT_EQ(BuildSystemGrayPalette()->Entries(),
            (std::vector<TPaletteEntry>{E(0, 0, 0), E(128, 128, 128), E(192, 192, 192), E(255, 255, 255)}));
}

TEST(FixedPalettesTest, SystemColoursInTheirCustomaryOrder) {
  const TPaletteHandle system = BuildSystemPalette();
  ASSERT_EQ(system->Count(), 20);
  EXPECT_EQ((*system)[0], E(0, 0, 0, 0));
  EXPECT_EQ((*system)[1], E(128, 0, 0, 0));
  EXPECT_EQ((*system)[8], E(192, 220, 192, 0));
  EXPECT_EQ((*system)[9], E(166, 202, 240, 0));
  EXPECT_EQ((*system)[10], E(255, 251, 240, 0));
  EXPECT_EQ((*system)[11], E(160, 160, 164, 0));
  EXPECT_EQ((*system)[16], E(0, 0, 255, 0));
  EXPECT_EQ((*system)[19], E(255, 255, 255, 0));
}

TEST(FixedPalettesTest, HalftoneFramesTheCubeAndGreysWithTheSystemColours) {
  const TPaletteHandle halftone = BuildHalftonePalette();
  const TPaletteHandle system = BuildSystemPalette();
  const TPaletteHandle cube = BuildWebCubePalette();
  ASSERT_EQ(halftone->Count(), 256);
  auto sameColour = [](TPaletteEntry a, TPaletteEntry b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  };
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(sameColour((*halftone)[i], (*system)[i])) << i;
    EXPECT_TRUE(sameColour((*halftone)[246 + i], (*system)[10 + i])) << i;
  }
  for (int i = 0; i < 216; ++i) EXPECT_TRUE(sameColour((*halftone)[10 + i], (*cube)[i])) << i;
  // The ramp: rising greys that the cube does not already hold.
  for (int i = 226; i < 246; ++i) {
    const TPaletteEntry e = (*halftone)[i];
    EXPECT_TRUE(e.red == e.green && e.green == e.blue) << i;
    EXPECT_NE(e.red % 51, 0) << i;
    EXPECT_GT(e.red, i == 226 ? 0 : (*halftone)[i - 1].red) << i;
  }
  for (const TPaletteEntry& e : halftone->Entries()) EXPECT_EQ(e.flags, kPaletteNoCollapse);
}

}  // namespace
