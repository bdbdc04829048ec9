#pragma once
// The LZW compressor: the standard GIF dictionary coding with variable-width codes of
// up to 12 bits; the dictionary is cleared when code 4094 has been assigned.
#include "gif/encode/gif_encoder.h"
#include "gif/encode/hash_table.h"

class TLZWEncoder final : public TGIFEncoder {
protected:
  // The base packing, then the code width: it grows once the next free code is past the
  // width limit, and falls back to the initial width after a clear code.
  void PutCode(int code) override;
  void EmitClear() override;
  void EncodeData() override;

private:
  int nextCode_ = 0;
  THashTable dictionary_;
};
