// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/screen_size.h"

#include <gtest/gtest.h>

TEST(ScreenSize, ReadsWidthByHeightWithinTheBounds) {
  EXPECT_EQ(ParseScreenSize("960x544"), (TScreenSize{960, 544}));
  EXPECT_EQ(ParseScreenSize("64X4096"), (TScreenSize{64, 4096}));
  EXPECT_EQ(ParseScreenSize("800\u00D7600"), (TScreenSize{800, 600}));
  for (const char* wrong : {"", "960", "x544", "960x", "63x272", "480x4097", "-480x272", "+480x272",
                            "480x272x1", "480 x 272", "0x0", "99999999999x272"})
    EXPECT_FALSE(ParseScreenSize(wrong)) << wrong;
}

TEST(ScreenSize, PresetsReadBackAndPortraitSwapsTheSides) {
  for (const TScreenSize& preset : kScreenPresets) EXPECT_EQ(ParseScreenSize(ScreenSizeText(preset)), preset);
  EXPECT_EQ(ScreenSizeText(TScreenSize{}), "480x272");
  EXPECT_EQ(PortraitPage(TScreenSize{}), (TScreenSize{272, 480}));
}
