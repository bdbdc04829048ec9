#include "gif/encode/lzw_encoder.h"

namespace {
constexpr int kCodeBits = gif::kMaxCodeBits;
constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
constexpr std::uint32_t kNoEntry = ~0u;  // its key part matches no key
// Spreads the pixel values over the recent-entry positions of one prefix.
constexpr int kPixelSpread = 0x9E5;

std::uint32_t Entry(std::uint32_t key, int code) { return key << kCodeBits | static_cast<std::uint32_t>(code); }
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
  recent_.fill(kNoEntry);
  nextCode_ = firstFreeCode_;
}

void TLZWEncoder::EncodeData() {
  EmitClear();
  TPixelWalk walk = StartWalk();
  int prefix = TakePixel(walk);
  while (NextPixel(walk)) {
    const int pixel = TakePixel(walk);
    const auto key = static_cast<std::uint32_t>(prefix << 8 | pixel);
    // The pixel's share of the position is ready before the prefix is known.
    std::uint32_t& recent = recent_[prefix ^ ((pixel * kPixelSpread) & (kRecentSize - 1))];
    if (recent >> kCodeBits == key) {
      prefix = static_cast<int>(recent & kCodeMask);
      continue;
    }
    int slot = 0;
    if (const int code = dictionary_.FindCode(key, slot); code != THashTable::kNoCode) {
      recent = Entry(key, code);
      prefix = code;
      continue;
    }
    // The code goes out before its entry is added, and the width test above sees the
    // next free code as it was: a decoder widens its codes at the same point.
    SendCode(prefix);
    if (nextCode_ >= gif::kMaxCode) {
      EmitClear();
    } else {
      dictionary_.AddCode(slot, key, nextCode_);
      recent = Entry(key, nextCode_++);
    }
    prefix = pixel;
  }
  PutCode(prefix);
}
