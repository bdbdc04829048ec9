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
  // Notes a new entry that lengthens the chain of runs of the run pixel.
  void NoteRunEntry(unsigned prefix, unsigned pixel, int code);
  // With the one-pixel string of the run pixel as prefix and the run pixel just taken:
  // consumes the longest run the dictionary already codes and returns its code.
  unsigned JumpRun(TPixelWalk& walk);

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
  // Runs of one pixel value p (the first whose pair p p enters the dictionary after a
  // clear): runCodes_[k] is the code of k copies of p, for k = 1 ... runLength_. The
  // dictionary can only hold p^(k+1) once it holds p^k, so the chain has no gaps, and a
  // run of p after the prefix p is matched to its longest coded length in one step
  // instead of one lookup per pixel. Long runs of the background make up most of a page.
  unsigned runPixel_ = 0;
  int runLength_ = 0;
  std::array<std::uint16_t, kRecentSize> runCodes_{};
};
