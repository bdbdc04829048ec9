#pragma once
// The LZW compressor: the standard GIF dictionary coding with variable-width codes of
// up to 12 bits; the dictionary is cleared when code 4094 has been assigned.
#include <array>
#include <cstdint>

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
  // A power of two above every code, so that a prefix code needs no masking.
  static constexpr int kRecentSize = gif::kMaxCode + 1;

  // PutCode's work, inlined into the coding loop.
  void SendCode(int code);

  int nextCode_ = 0;
  THashTable dictionary_;
  // A small, lossy copy of the entries met most recently: one per position prefix XOR
  // a spread of the pixel. Given the position, the pixel alone tells the key, so an
  // entry holds just pixel and code. Most pixels of a picture find their entry here
  // without the full hash and probe. Entries stay valid until the next clear, which
  // empties both tables, so the codes found are the dictionary's own.
  struct TRecentEntry {
    std::uint16_t code;
    std::uint16_t pixel;  // above every pixel value when empty
  };
  std::array<TRecentEntry, kRecentSize> recent_{};
};
