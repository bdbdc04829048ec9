// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/gif_writer.h"

#include <algorithm>
#include <cstring>

std::size_t TGIFWriter::Write(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::size_t left = count;
  while (left > 0) {
    const std::size_t n = std::min(left, static_cast<std::size_t>(gif::kBlockBufferSize - fill_));
    std::memcpy(buffer_.data() + fill_, bytes, n);
    fill_ += static_cast<int>(n);
    bytes += n;
    left -= n;
    if (fill_ == gif::kBlockBufferSize) FlushBlock();
  }
  return count;
}

void TGIFWriter::FlushBlock() {
  const int size = fill_;
  buffer_[0] = static_cast<std::uint8_t>(size - 1);
  fill_ = 1;
  stream_.WriteBuffer(buffer_.data(), static_cast<std::size_t>(size));
}
