// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blending a glyph's coverage onto 0xffRRGGBB pixels in an opaque colour with the very
// arithmetic of Qt's raster engine, so that a line drawn here is the line Qt would draw.
#include <cstdint>

// Each pixel becomes colour·c/255 + pixel·(255 − c)/255 per channel, each product rounded as
// Qt rounds it, for its coverage c: 0 leaves the pixel as it is, 255 gives the colour.
void BlendCoverage(std::uint32_t* pixels, const std::uint8_t* coverage, int count, std::uint32_t color);
