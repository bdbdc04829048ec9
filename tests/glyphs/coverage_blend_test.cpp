// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/coverage_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Four pixels at a time or one at a time, on the background or not, every coverage gives the
// pixel the formula gives; none leaves the pixel, full coverage gives the colour.
TEST(CoverageBlendTest, EveryCoverageBlendsAlikeAtAnyOffsetOnAnyPixel) {
  constexpr std::uint32_t kBackground = 0xfff0e0d0;
  for (const std::uint32_t color : {0xff000000u, 0xffffffffu, 0xff3060a0u, 0xff00ff01u}) {
    // Runs of none and full coverage four long, as inside and outside strokes, then every value.
    std::vector<std::uint8_t> coverage = {0, 0, 0, 0, 255, 255, 255, 255};
    for (int c = 0; c < 256 + 3; ++c) coverage.push_back(static_cast<std::uint8_t>(c * 7));
    std::vector<std::uint32_t> ink, onBackground, start;
    for (std::size_t i = 0; i < coverage.size(); ++i) {
      ink.push_back(InkOf(color, coverage[i]));
      onBackground.push_back(Blended(kBackground, ink.back(), coverage[i]));
      // Whole blocks of background, and blocks with one other pixel.
      const bool other = i % 12 == 5 || (i / 4) % 3 == 2;
      start.push_back(other ? 0xff000000u | static_cast<std::uint32_t>(i * 0x010203u * 37 & 0xffffffu)
                            : kBackground);
    }
    for (int offset = 0; offset < 3; ++offset) {
      std::vector<std::uint32_t> many = start, single = start;
      const auto rowsFrom = [&](std::size_t i) {
        return TInkedRows{&coverage[i], &ink[i], &onBackground[i], 0};
      };
      const int count = static_cast<int>(coverage.size()) - offset;
      BlendCoverage(&many[offset], 0, rowsFrom(offset), kBackground, count, 1);
      for (int i = offset; i < offset + count; ++i) {
        BlendCoverage(&single[i], 0, rowsFrom(i), kBackground, 1, 1);
        ASSERT_EQ(single[i], coverage[i] ? Blended(start[i], ink[i], coverage[i]) : start[i]) << i;
      }
      EXPECT_EQ(many, single) << std::hex << color;
      for (int i = offset; i < 8; ++i) EXPECT_EQ(many[i], i < 4 ? start[i] : color) << i;
    }
  }
}

}  // namespace
