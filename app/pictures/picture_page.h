// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page that holds a picture, reduced to a palette of its own: the octree quantizer picks
// the colours, an error-diffusion ditherer spreads what they miss. Text pages keep their
// four-colour path; only pages with pictures come here.
#include <cstdint>
#include <vector>

#include "gif/colour/reduction_method.h"

class TBitmap;

namespace pictures {

inline constexpr int kMinPictureColors = 2;
inline constexpr int kMaxPictureColors = 256;

struct TPictureColors {
  int colors = kMaxPictureColors;  // the palette's size, kMinPictureColors … kMaxPictureColors
  TDitherMethod dither = TDitherMethod::FloydSteinberg;
};

// The GIF file of `page` (a 32-bit raster of any size a GIF holds) in at most
// `settings.colors` colours, one frame with its own colour table. `page` is not changed.
// Raises what the GIF writer raises.
std::vector<std::uint8_t> EncodePicturePage(const TBitmap& page, const TPictureColors& settings = {});

}  // namespace pictures
