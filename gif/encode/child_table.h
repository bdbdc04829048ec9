// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LZW dictionary for a frame of few distinct pixel values: each value the frame has
// shown so far owns a column of 4096 codes indexed by prefix code, so that the code of
// (prefix, pixel) is one load, with no hash and no probe.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gif/encode/gif_constants.h"

class TChildTable {
public:
  // Beyond this many distinct values the columns outgrow the caches: on noise of 64
  // values the hash table is faster, on noise of 32 the columns still are.
  static constexpr int kMaxAlphabet = 32;

  // Starts a frame: no value owns a column. Entries of an earlier frame go with the
  // first clear, which every frame starts with.
  void StartFrame();

  // The codes of the strings that extend a prefix by `pixel`, indexed by the prefix code;
  // 0 where there is none (0 is never a dictionary code). A value without a column of its
  // own reads a column that stays empty.
  std::uint16_t* Column(unsigned pixel) const { return columns_[pixel]; }
  // Every value's column, by value.
  std::uint16_t* const* Columns() const { return columns_.data(); }
  bool HasColumn(unsigned pixel) const { return columns_[pixel] != noEntries_.data(); }
  // Gives `pixel` a column; false when kMaxAlphabet values own one already.
  bool AddColumn(unsigned pixel);

  // Stores `code` in an entry of an owned column.
  void AddCode(std::uint16_t& entry, int code) {
    entry = static_cast<std::uint16_t>(code);
    const auto at = static_cast<std::uint32_t>(&entry - codes_.data());
    if (at >= kSweptEntries) stored_[static_cast<std::size_t>(storedCount_++)] = at;
  }

  // Calls add(prefix, pixel, code) for every entry stored since the last clear.
  template <typename Add>
  void ForEachEntry(Add add) const {
    const auto addAt = [&](std::uint32_t at) {
      add(at % kColumnSize, columnValues_[at / kColumnSize], codes_[at]);
    };
    const auto swept = static_cast<std::uint32_t>(
        std::min(static_cast<std::size_t>(columnCount_), kSweptColumns) * kColumnSize);
    for (std::uint32_t at = 0; at < swept; ++at)
      if (codes_[at] != 0) addAt(at);
    for (int i = 0; i < storedCount_; ++i) addAt(stored_[static_cast<std::size_t>(i)]);
  }

  // Drops every entry. The first columns are swept whole: a frame of few values (a page of
  // text) fills them densely, and a sweep costs less than noting where every entry went.
  // The entries of later columns are noted and cleared one by one, so that a clear of a
  // frame of many values costs what its entries cost.
  void ClearAll() {
    std::fill_n(codes_.begin(), std::min(usedColumns_, kSweptColumns) * kColumnSize, std::uint16_t{0});
    usedColumns_ = static_cast<std::size_t>(columnCount_);
    for (int i = 0; i < storedCount_; ++i) codes_[stored_[static_cast<std::size_t>(i)]] = 0;
    storedCount_ = 0;
  }

private:
  static constexpr std::size_t kColumnSize = gif::kMaxCode + 1;
  static constexpr std::size_t kColumnsAtOnce = 8;  // storage grows by this many columns
  // The columns a clear sweeps whole.
  static constexpr std::size_t kSweptColumns = 8;
  static constexpr std::uint32_t kSweptEntries = kSweptColumns * kColumnSize;

  std::vector<std::uint16_t> codes_;                       // the columns, one after another
  std::array<std::uint16_t, kColumnSize> noEntries_{};     // never written
  std::array<std::uint16_t*, 256> columns_{};              // by pixel value
  std::array<std::uint8_t, kMaxAlphabet> columnValues_{};  // the value owning each column
  int columnCount_ = 0;
  // Columns that may hold entries: also those of an earlier frame until its first clear.
  std::size_t usedColumns_ = 0;
  // Where the entries stored since the last clear are; at most one per code.
  std::array<std::uint32_t, kColumnSize> stored_{};
  int storedCount_ = 0;
};
