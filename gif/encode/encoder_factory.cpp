// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/encoder_factory.h"

#include "gif/encode/lzw_encoder.h"
#include "gif/encode/rle_encoder.h"

namespace {
constexpr std::uint8_t kRunLength = 1;
}

std::unique_ptr<TGIFEncoder> CreateEncoder(std::uint8_t compressionMethod) {
  if (compressionMethod == kRunLength) return std::make_unique<TRLEEncoder>();
  return std::make_unique<TLZWEncoder>();
}
