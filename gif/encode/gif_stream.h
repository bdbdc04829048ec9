// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of the streams that carry GIF data sub-blocks: each block is a length byte
// (1 ... 255) followed by that many data bytes.
#include <array>
#include <cstdint>

#include "gif/encode/gif_constants.h"
#include "platform/stream.h"

class TGIFStream : public TStream {
protected:
  explicit TGIFStream(TStream& stream) : stream_(stream) {}

  TStream& stream_;  // not owned
  // Byte 0 is kept for the block's length, so the data start at 1.
  std::array<std::uint8_t, gif::kBlockBufferSize> buffer_{};
  int fill_ = 1;  // next free position in buffer_
};
