// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's picture decoded by Qt's image readers (PNG, JPEG, GIF, and WebP or SVG where the
// plugins are installed), with bounds that a hostile file cannot pass.
#include <QImage>
#include <optional>
#include <string_view>

#include "gif/encode/gif_constants.h"

namespace pictures {

// A side larger than a GIF can hold is no picture for a page.
inline constexpr int kMaxPictureSide = gif::kMaxDimension;
// What Qt's readers may allocate for one picture (the limit the encode command's picture
// loader has by Qt's default), and so the pixels a picture may claim (four bytes each): a
// small file claiming more is a decompression bomb.
inline constexpr int kPictureMemoryMegabytes = 128;
inline constexpr long long kMaxPicturePixels = (static_cast<long long>(kPictureMemoryMegabytes) << 20) / 4;

// The picture in `bytes`, in RGB32 (transparent parts over white, as on a page), or
// std::nullopt when it could not be read: no reader takes it, it is damaged, or its size,
// read from its header before any pixel is decoded, passes the bounds above. Never throws.
std::optional<QImage> DecodePicture(std::string_view bytes);

}  // namespace pictures
