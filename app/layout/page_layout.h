// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where lines stand on a page. The figures are computed with a 64-bit significand, rounded
// to nearest on every operation and truncated on every conversion to an integer, which
// decides a pixel here and there (with s = 10 the sixth text line is at 85; in double
// precision it would be at 84). The arithmetic is done in integers: the same on every machine.
#include "platform/exceptions.h"

inline constexpr int kPageWidth = 480;
inline constexpr int kPageHeight = 272;  // H: also the text box's height
inline constexpr int kScreenPpi = 96;    // the display's logical resolution
inline constexpr int kTitleLineCount = 5;

// The smallest pixel height, and the smallest whole size in points, whose layout size is not 0.
inline constexpr int kSmallestPixelHeight = 2;
inline constexpr int kSmallestWholePoints = 2;

// Refuses a font so small that its layout size would be 0, naming the smallest that works.
class EFontTooSmall : public Exception {
public:
  EFontTooSmall();
};

struct TPageLayout {
  int size = 0;          // s = -trunc(h × 72 / ppi): the font's size in points, from its pixel height
  int linesPerPage = 0;  // N = trunc((H / s) × 0.6); 0 or less when not one line fits
};

// The layout of a font of (negative) pixel height `fontHeight`. EFontTooSmall when s would be 0.
TPageLayout ComputeLayout(int fontHeight);

// The top of text line k (1-based) on a page: trunc((k × 1.65) × s) − trunc(s × 1.4).
int TextLineY(int k, int size);

// The top of title line `line` (1 to 5): trunc(s × 1.65) for the first; for the others
// 30 below trunc(s × 3.3), trunc(s × 6.6), trunc(s × 9.9) and trunc(s × 13.2).
int TitleLineY(int line, int size);
