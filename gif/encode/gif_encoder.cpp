#include "gif/encode/gif_encoder.h"

#include <cstddef>

#include "platform/exceptions.h"

namespace {

// Interlaced passes: rows 0, 8, 16, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
constexpr int kPassCount = 4;
constexpr int kPassStart[kPassCount] = {0, 4, 2, 1};
constexpr int kPassStep[kPassCount] = {8, 8, 4, 2};

// Drops the writer whichever way Encode leaves.
class WriterScope {
public:
  WriterScope(std::optional<TGIFWriter>& writer, TStream& stream) : writer_(writer) { writer_.emplace(stream); }
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
  cursor_ = pixels;
  remaining_ = interlaced ? width : width * height;
  row_ = 0;
  pass_ = 0;

  WriterScope scope(writer_, stream);
  try {
    if (pixels && height > 0 && width > 0) EncodeData();
    PutCode(endCode_);
  } catch (...) {
    // The codes packed so far still reach the stream. Should that write fail as well,
    // the first error is the one worth reporting.
    try {
      writer_->Close();
    } catch (...) {
    }
    throw;
  }
  writer_->Close();
  stream.Write(&gif::kBlockTerminator, 1);
}

void TGIFEncoder::FlushBits() {
  for (; bitCount_ > 0; bitCount_ -= 8, accumulator_ >>= 8) writer_->PutByte(static_cast<std::uint8_t>(accumulator_));
  bitCount_ = 0;
}

bool TGIFEncoder::NextInterlacedRow() {
  remaining_ = width_;
  row_ += kPassStep[pass_];
  while (row_ >= height_) {
    if (++pass_ == kPassCount) return false;
    row_ = kPassStart[pass_];
  }
  cursor_ = pixels_ + static_cast<std::ptrdiff_t>(row_) * width_;
  return true;
}

void TGIFEncoder::RaiseColorNotInTable() { throw GIFException("Color not in color table"); }
