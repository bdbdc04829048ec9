// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/gif_encoder.h"

#include <utility>

#include "platform/exceptions.h"

namespace {

// Drops the writer whichever way Encode leaves.
class WriterScope {
public:
  WriterScope(std::optional<TGIFWriter>& writer, TStream& stream) : writer_(writer) {
    writer_.emplace(stream);
  }
  ~WriterScope() { writer_.reset(); }
  WriterScope(const WriterScope&) = delete;
  WriterScope& operator=(const WriterScope&) = delete;

private:
  std::optional<TGIFWriter>& writer_;
};

}  // namespace

TGIFEncoder::~TGIFEncoder() = default;

void TGIFEncoder::Encode(TStream& stream, int bitDepth, int colorCount, const std::uint8_t* pixels,
                         bool interlaced, int height, int width) {
  colorCount_ = colorCount;
  minCodeSize_ = static_cast<std::uint8_t>(bitDepth < gif::kMinCodeSize ? gif::kMinCodeSize : bitDepth);
  width_ = width;
  height_ = height;
  interlaced_ = interlaced;
  pixels_ = pixels;
  stream.Write(&minCodeSize_, 1);

  initialCodeWidth_ = minCodeSize_ + 1;
  codeWidth_ = initialCodeWidth_;
  widthLimit_ = (1 << initialCodeWidth_) - 1;
  clearCode_ = 1 << minCodeSize_;
  endCode_ = clearCode_ + 1;
  firstFreeCode_ = clearCode_ + 2;
  accumulator_ = 0;
  bitCount_ = 0;
  packedCount_ = 0;

  WriterScope scope(writer_, stream);
  try {
    if (pixels && height > 0 && width > 0) EncodeData();
    PutCode(endCode_);
  } catch (...) {
    // The codes packed so far still reach the stream. Should that write fail as well,
    // the first error is the one worth reporting.
    try {
      FlushPacked();
      writer_->Close();
    } catch (...) {
    }
    throw;
  }
  writer_->Close();
  stream.Write(&gif::kBlockTerminator, 1);
}

void TGIFEncoder::FlushPacked() {
  // Counted as gone before the writer takes them: should it fail, no byte is sent twice.
  const std::size_t count = std::exchange(packedCount_, 0);
  writer_->Write(packed_.data(), count);
}

void TGIFEncoder::FlushBits() {
  // At most one partial byte is left after the whole ones.
  if (bitCount_ > 0) packed_[packedCount_++] = static_cast<std::uint8_t>(accumulator_);
  accumulator_ = 0;
  bitCount_ = 0;
  FlushPacked();
}

void TGIFEncoder::RaiseColorNotInTable() { throw GIFException("Color not in color table"); }
