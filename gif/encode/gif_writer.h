// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Packs the bytes written to it into GIF data sub-blocks on an underlying stream.
#include <cstddef>
#include <cstdint>

#include "gif/encode/gif_stream.h"

class TGIFWriter final : public TGIFStream {
public:
  // The writer writes only whole sub-blocks to `stream`, one checked write each.
  explicit TGIFWriter(TStream& stream) : TGIFStream(stream) {}
  TGIFWriter(const TGIFWriter&) = delete;
  TGIFWriter& operator=(const TGIFWriter&) = delete;

  // Takes all `count` bytes; every full block of 255 goes out at once.
  // Reading is not possible: Read raises Exception "Invalid stream operation".
  std::size_t Write(const void* data, std::size_t count) override;

  // Writes the buffered bytes as one sub-block; EWriteError "Stream write error" when
  // the stream takes fewer. A refused block is dropped, never sent twice.
  void FlushBlock();

  // Writes the last, partly filled sub-block, if there is one. The owner calls it when
  // the data end (also when they end early): the destructor writes nothing, because
  // the write may fail and a destructor must not raise.
  void Close() {
    if (Dirty()) FlushBlock();
  }

  bool Dirty() const { return fill_ > 1; }
};
