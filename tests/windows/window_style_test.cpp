// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/window_style.h"

#include <gtest/gtest.h>

namespace {

constexpr QRect kOuter(193, 107, 626, 426);

TEST(WindowStyleTest, TheStatedPlaceHoldsAtScaleOneWhereTheWindowFits) {
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 0, 1920, 1040), 1.0), QPoint(193, 107));
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 0, 820, 534), 1.0), QPoint(193, 107));
}

TEST(WindowStyleTest, AWindowThatWouldHangOffTheScreenIsMovedNotResized) {
  // 1024 x 512 less a 32-pixel panel at the top: moved up just enough.
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 32, 1024, 480), 1.0), QPoint(193, 32 + 480 - 426));
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 0, 700, 500), 1.0), QPoint(700 - 626, 500 - 426));
  // Too big for the screen: the caption and the top left stay in reach.
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 24, 600, 400), 1.0), QPoint(0, 24));
}

TEST(WindowStyleTest, AtOtherScaleFactorsTheWindowIsCentredOnTheAvailableScreen) {
  // 1280 x 800 at a scale factor of 2 is 640 x 400 device-independent pixels, less a panel.
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 0, 640, 376), 2.0), QPoint(7, 0));
  // 1920 x 1080 at 1.25: 1536 x 864.
  EXPECT_EQ(FittedTopLeft(kOuter, QRect(0, 0, 1536, 864), 1.25), QPoint((1536 - 626) / 2, (864 - 426) / 2));
}

}  // namespace
