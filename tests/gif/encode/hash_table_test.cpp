// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/hash_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int Find(const THashTable& table, std::uint32_t key) {
  int slot = 0;
  return table.FindCode(key, slot);
}

void Add(THashTable& table, std::uint32_t key, int code) {
  int slot = 0;
  ASSERT_EQ(table.FindCode(key, slot), THashTable::kNoCode);
  table.AddCode(slot, key, code);
}

// The slot a key hashes to, restated here.
int SlotOf(std::uint32_t key) { return static_cast<int>(((key >> 4) ^ key) % 8009); }

// Up to `count` distinct keys of the 20-bit key space whose hash is `slot`.
std::vector<std::uint32_t> KeysAt(int slot, std::size_t count) {
  std::vector<std::uint32_t> keys;
  for (std::uint32_t key = 0; key < 4095u << 8 && keys.size() < count; ++key)
    if (SlotOf(key) == slot) keys.push_back(key);
  return keys;
}

TEST(HashTableTest, CollidingKeysAreFoundPastTheLastSlotAndClearedAll) {
  // Keys of the last slot continue at the first one.
  for (const int slot : {8008, 0, 4000}) {
    THashTable table;
    const auto keys = KeysAt(slot, 12);
    ASSERT_EQ(keys.size(), 12u);
    for (std::size_t i = 0; i < keys.size(); ++i) Add(table, keys[i], static_cast<int>(300 + i));
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(Find(table, keys[i]), static_cast<int>(300 + i));
    EXPECT_EQ(Find(table, KeysAt(slot, 13).back()), THashTable::kNoCode);
    table.ClearAll();
    for (const auto key : keys) EXPECT_EQ(Find(table, key), THashTable::kNoCode);
  }
}

TEST(HashTableTest, MoreKeysThanOneDoublingCycleHasSlotsAreStoredAndFound) {
  // The slots 1, 2, 4, ... (mod 8009) form a cycle of 4004; a dictionary may hold
  // up to 4089 keys between clears. Filling that cycle must not trap a search.
  std::vector<bool> inCycle(8009, false);
  for (int slot = 1; !inCycle[slot]; slot = slot * 2 % 8009) inCycle[slot] = true;
  std::vector<std::uint32_t> keys;
  for (std::uint32_t key = 0; key < 4095u << 8 && keys.size() < 4089; ++key)
    if (inCycle[SlotOf(key)]) keys.push_back(key);
  ASSERT_EQ(keys.size(), 4089u);

  THashTable table;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    Add(table, keys[i], static_cast<int>(i % 4095));
  }
  for (std::size_t i = 0; i < keys.size(); ++i) ASSERT_EQ(Find(table, keys[i]), static_cast<int>(i % 4095));
}

}  // namespace
