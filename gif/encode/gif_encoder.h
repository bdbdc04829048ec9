// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compressor base: one frame's pixels become GIF image data (the minimum code
// size byte, codes packed into data sub-blocks, the block terminator). The variants
// (LZW, run-length) decide which codes stand for the pixels.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>

#include "gif/encode/gif_writer.h"

class TGIFEncoder {
public:
  virtual ~TGIFEncoder();
  TGIFEncoder(const TGIFEncoder&) = delete;
  TGIFEncoder& operator=(const TGIFEncoder&) = delete;

  // Optional; nothing on the writing path reports through it.
  std::function<void(int severity, std::string_view message)> WarningHandler;

  // Writes one frame's image data: code-size byte, data sub-blocks, terminator.
  // `pixels` holds width × height colour indices, rows top to bottom; a missing buffer
  // or an empty frame writes the end code alone. Raises GIFException "Color not in
  // color table" for an index not below `colorCount` (the data so far reach the
  // stream, the terminator does not) and EWriteError when the stream refuses a block.
  void Encode(TStream& stream, int bitDepth, int colorCount, const std::uint8_t* pixels, bool interlaced,
              int height, int width);

protected:
  TGIFEncoder() = default;

  // Appends `code` at the current code width, least significant bit first; the end
  // code also pushes out the last, partly filled byte.
  virtual void PutCode(int code) {
    PackCode(code);
    if (code == endCode_) FlushBits();
  }
  // Sends the clear code and resets the variant's state.
  virtual void EmitClear() = 0;
  // Turns the whole pixel walk into codes.
  virtual void EncodeData() = 0;

  // Where the pixel walk stands. A coding loop keeps it in a local variable, so that
  // the compiler can hold it in registers rather than in the object.
  struct TPixelWalk {
    const std::uint8_t* cursor;
    int remaining;  // pixels left in the row (interlaced) or in the frame
    int row;
    int pass;
  };
  // The walk at the first pixel.
  TPixelWalk StartWalk() const { return {pixels_, interlaced_ ? width_ : width_ * height_, 0, 0}; }
  // The pixel at the cursor; moves the cursor on. Checks the index against the table.
  std::uint8_t TakePixel(TPixelWalk& walk) const {
    const std::uint8_t pixel = *walk.cursor++;
    if (pixel >= colorCount_) RaiseColorNotInTable();
    return pixel;
  }
  // The same without the check, for a loop that checks each value the first time it meets it.
  static std::uint8_t TakeUncheckedPixel(TPixelWalk& walk) { return *walk.cursor++; }
  // Every pixel value must be below it.
  int ColorCount() const { return colorCount_; }
  bool Interlaced() const { return interlaced_; }
  // Advances the walk to the next pixel; false when every pixel has been read. The
  // first pixel needs no call.
  bool NextPixel(TPixelWalk& walk) const {
    return --walk.remaining > 0 || (interlaced_ && NextInterlacedRow(walk));
  }

  // GIFException "Color not in color table".
  [[noreturn]] static void RaiseColorNotInTable();

  std::uint8_t minCodeSize_ = gif::kMinCodeSize;
  int codeWidth_ = 0;
  int initialCodeWidth_ = 0;
  int widthLimit_ = 0;  // largest code value before the LZW width grows
  int clearCode_ = 0;
  int endCode_ = 0;
  int firstFreeCode_ = 0;
  bool clearPending_ = false;

private:
  // Codes are packed here and handed to the writer a batch at a time. Each code stores
  // all eight bytes of the bits pending, without a branch; the bytes past the whole ones are
  // written again by the next code.
  static constexpr std::size_t kPackedBatch = 1024;
  void PackCode(int code) {
    const std::uint64_t bits = accumulator_ | static_cast<std::uint64_t>(code) << bitCount_;
    const int count = bitCount_ + codeWidth_;  // at most 7 + 12
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(packed_.data() + packedCount_, &bits, sizeof bits);
    } else {
      for (std::size_t i = 0; i < sizeof bits; ++i)
        packed_[packedCount_ + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    packedCount_ += static_cast<std::size_t>(count >> 3);
    accumulator_ = bits >> (count & ~7);
    bitCount_ = count & 7;
    if (packedCount_ >= kPackedBatch) FlushPacked();
  }
  // Hands the whole bytes packed so far to the writer; the bits of a byte not yet full stay.
  void FlushPacked();
  void FlushBits();
  // Inline like the rest of the walk: the walk's address must not escape the loop.
  bool NextInterlacedRow(TPixelWalk& walk) const {
    // Passes: rows 0, 8, 16, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
    constexpr int kPassCount = 4;
    constexpr int kPassStart[kPassCount] = {0, 4, 2, 1};
    constexpr int kPassStep[kPassCount] = {8, 8, 4, 2};
    walk.remaining = width_;
    walk.row += kPassStep[walk.pass];
    while (walk.row >= height_) {
      if (++walk.pass == kPassCount) return false;
      walk.row = kPassStart[walk.pass];
    }
    walk.cursor = pixels_ + static_cast<std::ptrdiff_t>(walk.row) * width_;
    return true;
  }

  int colorCount_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool interlaced_ = false;
  const std::uint8_t* pixels_ = nullptr;
  std::optional<TGIFWriter> writer_;  // exists during Encode only
  std::uint64_t accumulator_ = 0;     // bits of the byte not yet full, least significant first
  int bitCount_ = 0;                  // 0 ... 7 between codes
  std::array<std::uint8_t, kPackedBatch + sizeof(std::uint64_t)> packed_{};
  std::size_t packedCount_ = 0;  // whole bytes in packed_
};
