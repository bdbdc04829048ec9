// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/lzw_encoder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
// The pixels a shorter string must gain over the greedy pair before its spent code pays:
// on the pages of a long book 2 gives the smallest files (1: 2.6 % larger, 3: 0.5 %). With
// a full dictionary no code is spent, and any gain pays.
constexpr int kLeastGain = 2;
constexpr int kLeastGainWhenFull = 1;
// How many pixels the lookahead parse may cut off a match: 2 gives pages 0.7 % smaller
// than 1 at one more match a code; more gains little for much more time.
constexpr int kDeepestCut = 2;
constexpr std::uint16_t kNoPixel = 0xFFFF;  // above every pixel value
// Spreads the pixel values over the recent-entry positions of one prefix.
constexpr int kPixelSpread = 0x9E5;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr int kWordPixels = sizeof(std::uint64_t);
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
  if (childTableInUse_) {
    children_.ClearAll();
  } else {
    hashTable_.ClearAll();
    recent_.fill({0, kNoPixel});
  }
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
  // One branch, rarely taken: as two, the first would be a coin toss on every page of text.
  if ((pixel == runPixel_) & (prefix == runCodes_[static_cast<std::size_t>(runLength_)]))
    runCodes_[static_cast<std::size_t>(++runLength_)] = static_cast<std::uint16_t>(code);
}

inline unsigned TLZWEncoder::JumpRun(TPixelWalk& walk) {
  // The pixel just taken is the first of the run; walk.remaining - 1 pixels follow it in
  // this row (interlaced) or frame, and no match is longer than runLength_ pixels.
  const int limit = std::min(runLength_ - 1, walk.remaining);
  int taken = 1;
  if constexpr (std::endian::native == std::endian::little) {
    // Eight pixels to a compare: the first byte that differs is the lowest.
    const std::uint64_t run = runPixel_ * kEveryByte;
    while (taken + kWordPixels <= limit) {
      std::uint64_t word = 0;
      std::memcpy(&word, walk.cursor + taken - 1, sizeof word);
      if (const std::uint64_t differ = word ^ run; differ != 0) {
        taken += std::countr_zero(differ) / 8;
        break;
      }
      taken += kWordPixels;
    }
  }
  while (taken < limit && walk.cursor[taken - 1] == runPixel_) ++taken;
  walk.cursor += taken - 1;
  walk.remaining -= taken - 1;
  return runCodes_[static_cast<std::size_t>(1 + taken)];
}

template <typename Add>
inline void TLZWEncoder::Extend(unsigned prefix, unsigned pixel, Add add) {
  // The code goes out before its entry is added, and the width test in SendCode sees the
  // next free code as it was: a decoder widens its codes at the same point.
  SendCode(static_cast<int>(prefix));
  if (nextCode_ >= gif::kMaxCode) {
    EmitClear();
    return;
  }
  add(nextCode_);
  NoteRunEntry(prefix, pixel, nextCode_);
  ++nextCode_;
}

void TLZWEncoder::EncodeData() {
  const bool lookahead =
      parse_ == TParse::Lookahead && !Interlaced() && ColorCount() <= TChildTable::kMaxAlphabet;
  childTableInUse_ = dictionary_ == TDictionary::Fitted || lookahead;
  if (childTableInUse_) children_.StartFrame();
  EmitClear();
  if (lookahead) {
    // Every value owns a column from the start: a match can then read any column.
    for (int value = 0; value < ColorCount(); ++value) children_.AddColumn(static_cast<unsigned>(value));
    PutCode(static_cast<int>(CodeWithLookahead()));
    return;
  }
  TPixelWalk walk = StartWalk();
  const unsigned first = TakePixel(walk);  // unsigned: indexing needs no sign extension
  const unsigned last = childTableInUse_ ? CodeWithChildTable(walk, first) : CodeWithHashTable(walk, first);
  PutCode(static_cast<int>(last));
}

unsigned TLZWEncoder::CodeWithChildTable(TPixelWalk walk, unsigned prefix) {
  // The pixels not yet taken run from `cursor` to `end`, in this row (interlaced) or frame.
  const std::uint8_t* cursor = walk.cursor;
  const std::uint8_t* end = cursor + walk.remaining - 1;
  const auto syncWalk = [&] {
    walk.cursor = cursor;
    walk.remaining = static_cast<int>(end - cursor) + 1;
  };
  // A run of the run pixel can only start where the prefix is that one pixel: at a new entry
  // or a new row. Checked there, the loop over matches does nothing but one load a pixel.
  const auto takeRun = [&] {
    if (prefix == runPixel_ && cursor != end && *cursor == runPixel_) {
      ++cursor;
      syncWalk();
      prefix = JumpRun(walk);
      cursor = walk.cursor;
    }
  };
  for (;;) {
    takeRun();
    while (cursor != end) {
      // The longest string the dictionary holds: one load a pixel, the column being known
      // from the pixel alone before the prefix is.
      std::uint16_t* const* const columns = children_.Columns();
      while (const unsigned code = columns[*cursor][prefix]) {
        prefix = code;
        if (++cursor == end) break;
      }
      if (cursor == end) break;
      const unsigned pixel = *cursor++;
      std::uint16_t* column = children_.Column(pixel);
      if (!children_.HasColumn(pixel)) {  // a value met for the first time
        if (pixel >= static_cast<unsigned>(ColorCount())) RaiseColorNotInTable();
        if (!children_.AddColumn(pixel)) {
          // Too many values: the hash table takes over at this pixel.
          --cursor;
          syncWalk();
          MoveToHashTable();
          return CodeWithHashTable(walk, prefix);
        }
        column = children_.Column(pixel);
      }
      Extend(prefix, pixel, [&](int code) { children_.AddCode(column[prefix], code); });
      prefix = pixel;
      takeRun();
    }
    // The next row of an interlaced frame.
    walk.cursor = cursor;
    walk.remaining = 1;
    if (!NextPixel(walk)) return prefix;
    cursor = walk.cursor;
    end = cursor + walk.remaining;
  }
}

void TLZWEncoder::MoveToHashTable() {
  hashTable_.ClearAll();
  recent_.fill({0, kNoPixel});
  children_.ForEachEntry([&](unsigned prefix, unsigned pixel, int code) {
    const std::uint32_t key = prefix << 8 | pixel;
    int slot = 0;
    hashTable_.FindCode(key, slot);
    hashTable_.AddCode(slot, key, code);
  });
  children_.ClearAll();
  childTableInUse_ = false;
}

unsigned TLZWEncoder::CodeWithHashTable(TPixelWalk walk, unsigned prefix) {
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
    if (const int code = hashTable_.FindCode(key, slot); code != THashTable::kNoCode) {
      recent = {static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(pixel)};
      prefix = static_cast<unsigned>(code);
      continue;
    }
    Extend(prefix, pixel, [&](int code) {
      hashTable_.AddCode(slot, key, code);
      recent = {static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(pixel)};
    });
    prefix = pixel;
  }
  return prefix;
}

inline TLZWEncoder::TMatch TLZWEncoder::LongestMatch(const std::uint8_t* at, int left) {
  unsigned code = at[0];
  unsigned shorter = code;
  int length = 1;
  if (left > 1 && code == runPixel_ && at[1] == runPixel_) {
    TPixelWalk walk{at + 2, left - 1, 0, 0};
    code = JumpRun(walk);
    length = static_cast<int>(walk.cursor - at);
    shorter = runCodes_[static_cast<std::size_t>(length - 1)];
  }
  while (length < left) {
    const unsigned child = children_.Column(at[length])[code];
    if (child == 0) break;
    shorter = code;
    code = child;
    ++length;
  }
  return {code, shorter, length};
}

unsigned TLZWEncoder::CodeWithLookahead() {
  const TPixelWalk walk = StartWalk();
  const std::uint8_t* const pixels = walk.cursor;
  const int count = walk.remaining;
  int at = 0;
  if (pixels[0] >= ColorCount()) RaiseColorNotInTable();
  TMatch match = LongestMatch(pixels, count);
  // Once full, the dictionary is kept to the frame's end rather than cleared: on a page of
  // text the strings it has learnt go on serving, and no codes are spent learning them
  // again (on the pages of a long book 7 % smaller). GIF asks for no clear code when the
  // dictionary fills; a decoder then adds no entries until one comes.
  bool full = false;
  for (;;) {
    const int end = at + match.length;
    if (end == count) return match.code;
    full = full || nextCode_ >= gif::kMaxCode;
    // The match may end up to kDeepestCut pixels early where the next match then reaches
    // further. A cut match's entry repeats one the dictionary holds, so while it grows its
    // code is spent for nothing: the pair must then gain kLeastGain pixels.
    TMatch next = LongestMatch(pixels + end, count - end);
    int cut = 0;
    int reach = next.length + (full ? kLeastGainWhenFull : kLeastGain) - 1;
    for (int d = 1; d <= kDeepestCut && d < match.length; ++d) {
      const TMatch instead = LongestMatch(pixels + end - d, count - end + d);
      if (instead.length - d > reach) {
        reach = instead.length - d;
        cut = d;
        next = instead;
      }
    }
    const int taken = match.length - cut;
    const unsigned code = cut == 0   ? match.code
                          : cut == 1 ? match.shorter
                                     : LongestMatch(pixels + at, taken).code;
    const unsigned pixel = pixels[at + taken];
    // A value beyond the table never continues a match, so each one is met here first.
    if (pixel >= static_cast<unsigned>(ColorCount())) RaiseColorNotInTable();
    at += taken;
    if (full) {
      SendCode(static_cast<int>(code));
    } else if (cut > 0) {
      // The decoder gives the repeated string a code of its own; it is never sent.
      SendCode(static_cast<int>(code));
      ++nextCode_;
    } else {
      const int added = nextCode_;
      Extend(code, pixel, [&](int entry) { children_.AddCode(children_.Column(pixel)[code], entry); });
      // The new entry has no children yet: a match that ended where it starts now takes
      // one pixel more.
      if (next.code == code && next.length < count - at && pixels[at + next.length] == pixel)
        next = {static_cast<unsigned>(added), code, next.length + 1};
    }
    match = next;
  }
}
