// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/color_quantizer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/pictures.h"

namespace {

using ::testing::ElementsAre;

std::vector<Rgb> Colors(const TColorQuantizer& quantizer) {
  std::vector<Rgb> colors;
  for (const TRGBQuad& q : quantizer.CollectPalette()) colors.push_back({q.red, q.green, q.blue});
  return colors;
}

TEST(ColorQuantizerTest, OneColourIsOneExactLeaf) {
  TColorQuantizer quantizer(256, 8);
  for (int i = 0; i < 10; ++i) quantizer.AddColor(200, 100, 50);
  EXPECT_EQ(quantizer.LeafCount(), 1);
  EXPECT_THAT(Colors(quantizer), ElementsAre(Rgb{200, 100, 50}));
}

TEST(ColorQuantizerTest, LeavesStayWithinTheLimitAfterEveryPixel) {
  TColorQuantizer quantizer(8, 8);
  for (int i = 0; i < 500; ++i) {
    quantizer.AddColor(static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(i * 11),
                       static_cast<std::uint8_t>(i));
    ASSERT_LE(quantizer.LeafCount(), 8) << i;
  }
  EXPECT_EQ(Colors(quantizer).size(), static_cast<std::size_t>(quantizer.LeafCount()));
}

TEST(ColorQuantizerTest, AMergedLeafHoldsTheMeanWeightedByPixelsRoundedDown) {
  TColorQuantizer quantizer(1, 8);
  quantizer.AddColor(201, 100, 51);
  quantizer.AddColor(201, 100, 51);
  quantizer.AddColor(200, 100, 51);
  EXPECT_EQ(quantizer.LeafCount(), 1);
  EXPECT_THAT(Colors(quantizer), ElementsAre(Rgb{200, 100, 51}));  // 602 / 3
}

TEST(ColorQuantizerTest, TheDeepestMostRecentlyCreatedBranchMergesFirst) {
  // 10/11 and 20/21 each meet one level above the leaves; the 20/21 branch is newer.
  TColorQuantizer quantizer(3, 8);
  for (int red : {10, 11, 20, 21}) quantizer.AddColor(static_cast<std::uint8_t>(red), 0, 0);
  EXPECT_THAT(Colors(quantizer), ElementsAre(Rgb{10, 0, 0}, Rgb{11, 0, 0}, Rgb{20, 0, 0}));
}

TEST(ColorQuantizerTest, PaletteOrderFollowsTheTreeNotTheArrival) {
  TColorQuantizer quantizer(256, 8);
  quantizer.AddColor(255, 0, 0);
  quantizer.AddColor(0, 0, 255);
  EXPECT_THAT(Colors(quantizer), ElementsAre(Rgb{0, 0, 255}, Rgb{255, 0, 0}));
}

TEST(ColorQuantizerTest, ChannelSumsHoldMoreBrightPixelsThanThirtyTwoBitsCould) {
  TColorQuantizer quantizer(1, 8);
  for (int i = 0; i < 8'500'000; ++i) quantizer.AddColor(255, 255, 255);  // beyond 2^31 / 255
  EXPECT_THAT(Colors(quantizer), ElementsAre(Rgb{255, 255, 255}));
}

}  // namespace
