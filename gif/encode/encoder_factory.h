// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picks the compressor for an image's compression method.
#include <cstdint>
#include <memory>

#include "gif/encode/gif_encoder.h"

// 1: the run-length compressor; any other value: LZW.
std::unique_ptr<TGIFEncoder> CreateEncoder(std::uint8_t compressionMethod);
