// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page that holds a picture, reduced to a palette of its own. The page's own colours
// (background, text and its shades) keep exact entries; the octree picks the pictures'
// colours from the pictures alone, and an error-diffusion ditherer spreads what they miss
// inside the pictures only. Text pages keep their four-colour path; only pages with
// pictures come here.
#include <QRect>
#include <cstdint>
#include <span>
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

// The GIF file of `page` (a raster of any size a GIF holds) in at most `settings.colors`
// colours, one frame with its own colour table. `pictures` are where the page's pictures
// are (clipped to the page); none: the whole page is one picture. `page` is not changed.
// Raises what the GIF writer raises.
std::vector<std::uint8_t> EncodePicturePage(const TBitmap& page, const TPictureColors& settings = {},
                                            std::span<const QRect> pictures = {});

}  // namespace pictures
