// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings every new GIF image starts with. Changing them affects only images
// constructed afterwards.
#include <cstdint>

#include "gif/colour/reduction_method.h"

// Bits of TGIFImage::DrawFlags that decide whether the display wants dithering.
inline constexpr std::uint16_t kDrawDither = 1u << 9;
inline constexpr std::uint16_t kDrawAutoDither = 1u << 10;

// Compression methods: 1 is run-length, every other value LZW.
inline constexpr std::uint8_t kCompressLZW = 0;
inline constexpr std::uint8_t kCompressRLE = 1;

struct TGIFImageDefaults {
  std::uint16_t DrawFlags = 0x060F;
  TReductionMethod ReductionMethod = TReductionMethod::WebCube216;
  int PaletteBits = 8;
  TDitherMethod DitherMethod = TDitherMethod::Nearest;
  std::uint8_t CompressionMethod = kCompressLZW;
};

// The one set of defaults for the whole program.
inline TGIFImageDefaults GIFImageDefaults;

// True when the display is palette-based and dithers automatically. There is no
// palette-based display here, so it stays false unless set.
inline bool AutoDitherActive = false;
