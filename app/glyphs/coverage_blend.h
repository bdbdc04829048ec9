// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blending a glyph's coverage onto 0xffRRGGBB pixels in an opaque colour with the very
// arithmetic of Qt's raster engine, so that a line drawn here is the line Qt would draw.
#include <cstddef>
#include <cstdint>

// The colour's share at coverage c: colour·c/255 per channel, rounded as Qt rounds it.
std::uint32_t InkOf(std::uint32_t color, std::uint8_t coverage);

// A pixel at coverage c becomes its ink (InkOf the colour at c) + pixel·(255 − c)/255 per
// channel: coverage 0 leaves it as it is, 255 gives the colour.
std::uint32_t Blended(std::uint32_t pixel, std::uint32_t ink, std::uint8_t coverage);

// Rows of a glyph's pixels in one colour: each one's coverage, its ink, and what it makes of
// the background, where nearly all of a line's glyphs fall.
struct TInkedRows {
  const std::uint8_t* coverage;
  const std::uint32_t* ink;
  const std::uint32_t* onBackground;
  std::ptrdiff_t stride;
};

// Blends `rows` rows of `count` pixels each; a count of a multiple of four is quickest.
void BlendCoverage(std::uint32_t* pixels, std::ptrdiff_t pixelStride, TInkedRows glyph,
                   std::uint32_t background, int count, int rows);
