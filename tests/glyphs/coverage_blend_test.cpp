// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/coverage_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Four pixels at a time or one at a time, every coverage gives the same pixel; none leaves the
// pixel, full coverage gives the colour.
TEST(CoverageBlendTest, EveryCoverageBlendsAlikeAtAnyOffsetAndEndsAtPixelAndColour) {
  for (const std::uint32_t color : {0xff000000u, 0xffffffffu, 0xff3060a0u, 0xff00ff01u}) {
    std::vector<std::uint8_t> coverage(256 + 3);
    std::vector<std::uint32_t> start(coverage.size());
    for (std::size_t i = 0; i < coverage.size(); ++i) {
      coverage[i] = static_cast<std::uint8_t>(i * 7);
      start[i] = 0xff000000u | static_cast<std::uint32_t>(i * 0x010203u * 37 & 0xffffffu);
    }
    for (int offset = 0; offset < 3; ++offset) {
      std::vector<std::uint32_t> many = start, single = start;
      const int count = static_cast<int>(coverage.size()) - offset;
      BlendCoverage(many.data() + offset, coverage.data() + offset, count, color);
      for (int i = offset; i < offset + count; ++i) BlendCoverage(&single[i], &coverage[i], 1, color);
      EXPECT_EQ(many, single) << std::hex << color;
    }
  }
  std::uint32_t pixels[5] = {0xff123456, 0xff123456, 0xff123456, 0xff123456, 0xff123456};
  const std::uint8_t ends[5] = {0, 255, 0, 255, 0};
  BlendCoverage(pixels, ends, 5, 0xffabcdef);
  EXPECT_EQ(pixels[0], 0xff123456u);
  EXPECT_EQ(pixels[1], 0xffabcdefu);
  EXPECT_EQ(pixels[4], 0xff123456u);
}

}  // namespace
