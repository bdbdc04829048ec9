#include "gif/encode/lzw_encoder.h"

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
  nextCode_ = firstFreeCode_;
}

void TLZWEncoder::EncodeData() {
  EmitClear();
  TPixelWalk walk = StartWalk();
  unsigned prefix = TakePixel(walk);  // unsigned: indexing needs no sign extension
  while (NextPixel(walk)) {
    const unsigned pixel = TakePixel(walk);
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
      recent = {static_cast<std::uint16_t>(nextCode_++), static_cast<std::uint16_t>(pixel)};
    }
    prefix = pixel;
  }
  PutCode(static_cast<int>(prefix));
}
