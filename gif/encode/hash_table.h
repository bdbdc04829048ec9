// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LZW dictionary: open addressing over 8009 slots, each holding key × 4096 + code,
// where the 20-bit key is prefix code × 256 + pixel value.
#include <array>
#include <cstdint>

#include "gif/encode/gif_constants.h"

class THashTable {
public:
  static constexpr int kNoCode = -1;

  THashTable() { ClearAll(); }

  // Drops every entry.
  void ClearAll() { slots_.fill(kEmpty); }

  // The code stored for `key`, or kNoCode. `slot` receives where the key is, or the
  // empty slot where AddCode would store it: a miss needs no second search.
  int FindCode(std::uint32_t key, int& slot) const {
    for (slot = Hash(key);; slot = NextSlot(slot)) {
      const std::uint32_t entry = slots_[slot];
      if (entry >= kEmpty) return kNoCode;
      if (entry >> kCodeBits == key) return static_cast<int>(entry & kCodeMask);
    }
  }

  // Stores `code` for `key` in the empty slot that FindCode gave for it.
  void AddCode(int slot, std::uint32_t key, int code) {
    slots_[slot] = key << kCodeBits | (static_cast<std::uint32_t>(code) & kCodeMask);
  }

private:
  static int Hash(std::uint32_t key) { return static_cast<int>(((key >> 4) ^ key) % gif::kHashTableSize); }

  static constexpr int kCodeBits = gif::kMaxCodeBits;
  static constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
  // A key of all ones marks an empty slot; real keys stay below it because codes stop
  // at 4094.
  static constexpr std::uint32_t kEmpty = ~kCodeMask;

  // Linear probing visits every slot, so a search always meets an empty one (at most
  // 4089 of the 8009 slots are used between clears), and neighbouring slots share a
  // cache line. Doubling the slot number instead would stay inside half of the table.
  static int NextSlot(int slot) { return slot + 1 == gif::kHashTableSize ? 0 : slot + 1; }

  std::array<std::uint32_t, gif::kHashTableSize> slots_;
};
