#include "gif/encode/lzw_encoder.h"

#include <algorithm>

namespace {
constexpr std::uint16_t kNoPixel = 0xFFFF;  // above every pixel value
// Spreads the pixel values over the recent-entry positions of one prefix.
constexpr int kPixelSpread = 0x9E5;
}  // namespace

inline void TLZWEncoder::SendCode(int code) {
  TGIFEncoder::PutCode(code);
  if (clearPending_) {
    codeWidth_ = initialCodeWidth_;
    widthLimit_ = (1 << initialCodeWidth_) - 1;
    clearPending_ = false;
  } else if (nextCode_ > widthLimit_) {
    ++codeWidth_;
    widthLimit_ = codeWidth_ >= gif::kMaxCodeBits ? 1 << gif::kMaxCodeBits : (1 << codeWidth_) - 1;
  }
}

void TLZWEncoder::PutCode(int code) { SendCode(code); }

void TLZWEncoder::EmitClear() {
  clearPending_ = true;
  PutCode(clearCode_);  // at the width in use, so after 12-bit codes the clear is 12 bits
  dictionary_.ClearAll();
  recent_.fill({0, kNoPixel});
  runPixel_ = kNoPixel;  // no prefix code equals it
  runLength_ = 0;
  nextCode_ = firstFreeCode_;
}

inline void TLZWEncoder::NoteRunEntry(unsigned prefix, unsigned pixel, int code) {
  if (runLength_ == 0 && prefix == pixel) {  // the first pair p p after a clear
    runPixel_ = pixel;
    runCodes_[1] = static_cast<std::uint16_t>(pixel);
    runLength_ = 1;
  }
  if (pixel == runPixel_ && prefix == runCodes_[static_cast<std::size_t>(runLength_)])
    runCodes_[static_cast<std::size_t>(++runLength_)] = static_cast<std::uint16_t>(code);
}

inline unsigned TLZWEncoder::JumpRun(TPixelWalk& walk) {
  // The pixel just taken is the first of the run; walk.remaining - 1 pixels follow it in
  // this row (interlaced) or frame, and no match is longer than runLength_ pixels.
  const int limit = std::min(runLength_ - 1, walk.remaining);
  int taken = 1;
  while (taken < limit && walk.cursor[taken - 1] == runPixel_) ++taken;
  walk.cursor += taken - 1;
  walk.remaining -= taken - 1;
  return runCodes_[static_cast<std::size_t>(1 + taken)];
}

void TLZWEncoder::EncodeData() {
  EmitClear();
  TPixelWalk walk = StartWalk();
  unsigned prefix = TakePixel(walk);  // unsigned: indexing needs no sign extension
  while (NextPixel(walk)) {
    const unsigned pixel = TakePixel(walk);
    if (prefix == runPixel_ && pixel == runPixel_) {
      prefix = JumpRun(walk);
      continue;
    }
    // The pixel's share of the position is ready before the prefix is known; the
    // prefix then costs one XOR and one load per pixel.
    TRecentEntry& recent = recent_[prefix ^ ((pixel * kPixelSpread) & (kRecentSize - 1u))];
    if (recent.pixel == pixel) {
      prefix = recent.code;
      continue;
    }
    const std::uint32_t key = prefix << 8 | pixel;
    int slot = 0;
    if (const int code = dictionary_.FindCode(key, slot); code != THashTable::kNoCode) {
      recent = {static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(pixel)};
      prefix = static_cast<unsigned>(code);
      continue;
    }
    // The code goes out before its entry is added, and the width test above sees the
    // next free code as it was: a decoder widens its codes at the same point.
    SendCode(static_cast<int>(prefix));
    if (nextCode_ >= gif::kMaxCode) {
      EmitClear();
    } else {
      dictionary_.AddCode(slot, key, nextCode_);
      NoteRunEntry(prefix, pixel, nextCode_);
      recent = {static_cast<std::uint16_t>(nextCode_++), static_cast<std::uint16_t>(pixel)};
    }
    prefix = pixel;
  }
  PutCode(static_cast<int>(prefix));
}
