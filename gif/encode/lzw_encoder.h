// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LZW compressor: the standard GIF dictionary coding with variable-width codes of
// up to 12 bits; the dictionary is cleared when code 4094 has been assigned (unless the
// frame is parsed for size, see TParse). A frame of few distinct values keeps its
// dictionary in a child table, one load per pixel; others in a hash table.
#include <array>
#include <cstdint>

#include "gif/encode/child_table.h"
#include "gif/encode/gif_encoder.h"
#include "gif/encode/hash_table.h"

class TLZWEncoder final : public TGIFEncoder {
public:
  // Where the dictionary lives. Both give the same codes; the tests compare them.
  enum class TDictionary {
    Fitted,  // the child table for a frame of few distinct values, else the hash table
    Hashed,  // always the hash table
  };
  // How the pixels are cut into strings.
  enum class TParse {
    Greedy,  // the longest string the dictionary holds, every time
    // Up to two pixels shorter where the string after it then reaches further: fewer codes
    // for the same pixels, and any decoder reads them, since its dictionary grows from the
    // codes sent alone. Once full, the dictionary is kept to the frame's end instead of
    // being cleared. Costs about two more matches per code. Taken for frames that are not
    // interlaced and have at most TChildTable::kMaxAlphabet colours; others are parsed
    // greedily.
    Lookahead,
  };
  explicit TLZWEncoder(TDictionary dictionary = TDictionary::Fitted, TParse parse = TParse::Greedy)
      : dictionary_(dictionary), parse_(parse) {}

protected:
  // The base packing, then the code width: it grows once the next free code is past the
  // width limit, and falls back to the initial width after a clear code.
  void PutCode(int code) override;
  void EmitClear() override;
  void EncodeData() override;

private:
  // A power of two above every code, so that a prefix code needs no masking.
  static constexpr int kRecentSize = gif::kMaxCode + 1;

  // The coding loops: from the walk and the prefix so far to the last pixel; they return
  // the prefix left at the end. Where the frame shows more values than the child table
  // takes, the hash table's loop goes on from that pixel. Walk and prefix are locals, so
  // that they stay in registers.
  unsigned CodeWithChildTable(TPixelWalk walk, unsigned prefix);
  unsigned CodeWithHashTable(TPixelWalk walk, unsigned prefix);
  void MoveToHashTable();
  // The lookahead parse of the whole frame, in the child table; returns the last code.
  unsigned CodeWithLookahead();
  // The longest string the dictionary holds at `at`, of at most `left` pixels.
  struct TMatch {
    unsigned code;
    unsigned shorter;  // the code of the string one pixel shorter, when length > 1
    int length;
  };
  TMatch LongestMatch(const std::uint8_t* at, int left);
  // PutCode's work, inlined into the coding loop.
  void SendCode(int code);
  // After a code has gone out for `prefix` followed by `pixel`: a clear when the
  // dictionary is full, else the new entry through `add`, which stores the next free code.
  template <typename Add>
  void Extend(unsigned prefix, unsigned pixel, Add add);
  // Notes a new entry that lengthens the chain of runs of the run pixel.
  void NoteRunEntry(unsigned prefix, unsigned pixel, int code);
  // With the one-pixel string of the run pixel as prefix and the run pixel just taken:
  // consumes the longest run the dictionary already codes and returns its code.
  unsigned JumpRun(TPixelWalk& walk);

  const TDictionary dictionary_;
  const TParse parse_;
  bool childTableInUse_ = false;
  int nextCode_ = 0;
  TChildTable children_;
  THashTable hashTable_;
  // Beside the hash table, a small, lossy copy of the entries met most recently: one per
  // position prefix XOR a spread of the pixel. Given the position, the pixel alone tells
  // the key, so an entry holds just pixel and code. Most pixels of a picture find their
  // entry here without the full hash and probe. Entries stay valid until the next clear,
  // which empties both tables, so the codes found are the dictionary's own.
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
