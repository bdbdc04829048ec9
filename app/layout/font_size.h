// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A font size in points and the pixel height the page font keeps (negative, as a font
// dialog gives it), on the display's 96 pixels per inch: the window and the command line
// turn one into the other here.
#include <cmath>

#include "app/layout/page_layout.h"

// −round(pt × 96 / 72): 12 → −16, 10 → −13, 8 → −11.
inline int PixelHeightOfPoints(double points) {
  return -static_cast<int>(std::lround(points * kScreenPpi / 72));
}

// The size in points that a pixel height shows as: −16 → 12, −13 → 10, −11 → 8.
inline int PointsOfPixelHeight(int height) {
  return static_cast<int>(std::lround(-height * 72.0 / kScreenPpi));
}
