// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/child_table.h"

#include <algorithm>

void TChildTable::StartFrame() {
  columns_.fill(noEntries_.data());
  columnCount_ = 0;
}

bool TChildTable::AddColumn(unsigned pixel) {
  if (columnCount_ == kMaxAlphabet) return false;
  if (codes_.size() < kColumnSize * static_cast<std::size_t>(columnCount_ + 1)) {
    // Grown as frames need it: a compressor made for one small frame stays small. The
    // entries keep their places; the columns move with the storage.
    codes_.resize(std::min(codes_.size() + kColumnsAtOnce * kColumnSize, kMaxAlphabet * kColumnSize), 0);
    for (int c = 0; c < columnCount_; ++c)
      columns_[columnValues_[static_cast<std::size_t>(c)]] =
          codes_.data() + kColumnSize * static_cast<std::size_t>(c);
  }
  columnValues_[static_cast<std::size_t>(columnCount_)] = static_cast<std::uint8_t>(pixel);
  columns_[pixel] = codes_.data() + kColumnSize * static_cast<std::size_t>(columnCount_++);
  usedColumns_ = std::max(usedColumns_, static_cast<std::size_t>(columnCount_));
  return true;
}
