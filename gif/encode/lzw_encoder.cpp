#include "gif/encode/lzw_encoder.h"

void TLZWEncoder::PutCode(int code) {
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

void TLZWEncoder::EmitClear() {
  clearPending_ = true;
  PutCode(clearCode_);  // at the width in use, so after 12-bit codes the clear is 12 bits
  dictionary_.ClearAll();
  nextCode_ = firstFreeCode_;
}

void TLZWEncoder::EncodeData() {
  EmitClear();
  int prefix = TakePixel();
  while (NextPixel()) {
    const int pixel = TakePixel();
    const auto key = static_cast<std::uint32_t>(prefix << 8 | pixel);
    if (const int code = dictionary_.FindCode(key); code != THashTable::kNoCode) {
      prefix = code;
      continue;
    }
    // The code goes out before its entry is added, and the width test above sees the
    // next free code as it was: a decoder widens its codes at the same point.
    PutCode(prefix);
    prefix = pixel;
    if (nextCode_ >= gif::kMaxCode)
      EmitClear();
    else
      dictionary_.AddCode(key, nextCode_++);
  }
  PutCode(prefix);
}
