// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/color_map.h"

#include <algorithm>
#include <utility>

#include "gif/encode/gif_constants.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

namespace {

constexpr int kFirstCapacity = 16;
constexpr int kCapacityStep = 32;

// Sorts by decreasing use. This exact quicksort decides the order among equal counts,
// which decides the entry order written to the file; counts compare as signed 32-bit.
void SortByUse(std::span<TGIFColorMap::TColorUse> pairs, int lo, int hi) {
  const auto count = [&](int k) {
    return static_cast<std::int32_t>(pairs[static_cast<std::size_t>(k)].Count);
  };
  int i = 0;
  do {
    i = lo;
    int j = hi;
    const std::int32_t pivot = count((lo + hi) / 2);
    do {
      while (count(i) > pivot) ++i;
      while (count(j) < pivot) --j;
      if (i <= j) {
        std::swap(pairs[static_cast<std::size_t>(i)], pairs[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (lo < j) SortByUse(pairs, lo, j);
    lo = i;
  } while (i < hi);
}

}  // namespace

TGIFColor ColorToTriplet(TColor color) {
  return {static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
          static_cast<std::uint8_t>(color >> 16)};
}

TColor TripletToColor(TGIFColor triplet) {
  return TColor{triplet.Red} | (TColor{triplet.Green} << 8) | (TColor{triplet.Blue} << 16);
}

void TGIFColorMap::Reset() {
  entries_.clear();
  entries_.shrink_to_fit();
  count_ = 0;
  capacity_ = 0;
  sorted_ = false;
}

void TGIFColorMap::EnsureCapacity(int n) {
  if (n < capacity_) return;
  capacity_ = n <= kFirstCapacity ? kFirstCapacity : (n + kCapacityStep - 1) / kCapacityStep * kCapacityStep;
  capacity_ = std::min(capacity_, gif::kMaxColors);
  entries_.resize(static_cast<std::size_t>(capacity_));
}

int TGIFColorMap::IndexOfColor(TColor color) const {
  const TGIFColor wanted = ColorToTriplet(color);
  if (sorted_) {
    // Most used first: searching upwards finds frequent colours soonest.
    for (int i = 0; i < count_; ++i)
      if (Entry(i) == wanted) return i;
  } else {
    for (int i = count_ - 1; i >= 0; --i)
      if (Entry(i) == wanted) return i;
  }
  return -1;
}

int TGIFColorMap::AppendColor(TColor color) {
  if (count_ >= gif::kMaxColors) throw GIFException("Color table overflow");
  if (count_ >= capacity_) EnsureCapacity(count_ + 1);
  Entry(count_) = ColorToTriplet(color);
  ++count_;
  sorted_ = false;
  ColorsChanged();
  return count_ - 1;
}

int TGIFColorMap::AppendUnique(TColor color) {
  const int index = IndexOfColor(color);
  return index >= 0 ? index : AppendColor(color);
}

void TGIFColorMap::RemoveAt(int index) {
  if (index < 0 || index >= count_) throw GIFException("Invalid color index");
  --count_;
  std::copy(entries_.begin() + index + 1, entries_.begin() + count_ + 1, entries_.begin() + index);
  sorted_ = false;
  ColorsChanged();
}

TColor TGIFColorMap::ColorAt(int index) {
  if (index < 0 || index >= count_) {
    ReportWarning(1, "Invalid color index");
    if (count_ == 0) throw GIFException("Color table is empty");
    index = 0;
  }
  return TripletToColor(Entry(index));
}

void TGIFColorMap::ImportSystemPalette(const TPalette* palette) {
  Reset();
  if (!palette) return;
  const std::vector<TPaletteEntry> source = palette->Entries(0, gif::kMaxColors);
  if (source.empty()) return;
  const int n = static_cast<int>(source.size());
  EnsureCapacity(n);
  for (int k = 0; k < n; ++k) {
    const TPaletteEntry& e = source[static_cast<std::size_t>(k)];
    Entry(k) = {e.red, e.green, e.blue};
  }
  count_ = n;
  ColorsChanged();
}

void TGIFColorMap::ImportRGBQuads(std::span<const TRGBQuad> quads) {
  Reset();
  if (quads.empty()) return;
  const int n = static_cast<int>(std::min<std::size_t>(quads.size(), gif::kMaxColors));
  EnsureCapacity(n);
  for (int k = 0; k < n; ++k) {
    const TRGBQuad& q = quads[static_cast<std::size_t>(k)];
    Entry(k) = {q.red, q.green, q.blue};
  }
  count_ = n;
  ColorsChanged();
}

void TGIFColorMap::ImportFromDIB(const TBitmap& bitmap) {
  ImportRGBQuads(bitmap.ColorTable());
  ColorsChanged();
}

TPaletteHandle TGIFColorMap::ExportSystemPalette() const {
  if (count_ == 0) return nullptr;
  std::vector<TPaletteEntry> entries;
  entries.reserve(static_cast<std::size_t>(count_));
  for (int k = 0; k < count_; ++k) {
    const TGIFColor& c = Entry(k);
    entries.push_back({c.Red, c.Green, c.Blue, kPaletteNoCollapse});
  }
  return std::make_unique<TPalette>(std::move(entries));
}

int IndexBitsFor(int count) {
  if (count == 0) return 0;
  int bits = 1;
  while ((1 << bits) < count) ++bits;
  return bits;
}

int TGIFColorMap::IndexBits() const { return IndexBitsFor(count_); }

void TGIFColorMap::AssignFrom(TPersistent* source) {
  if (const auto* map = dynamic_cast<TGIFColorMap*>(source)) {
    CopyFrom(*map);
    return;
  }
  TPersistent::AssignFrom(source);
}

void TGIFColorMap::CopyFrom(const TGIFColorMap& source) {
  // Resetting first would lose the entries of a map copied onto itself.
  if (&source == this) return;
  Reset();
  capacity_ = source.capacity_;
  count_ = source.count_;
  sorted_ = source.sorted_;
  entries_.assign(static_cast<std::size_t>(capacity_), TGIFColor{});
  std::copy_n(source.entries_.begin(), count_, entries_.begin());
  ColorsChanged();
}

bool TGIFColorMap::OptimizeByUse() {
  if (count_ <= 1) return false;

  TUseTable use;
  for (int k = 0; k < gif::kMaxColors; ++k) use[static_cast<std::size_t>(k)] = {0, k};
  CountUse(use);
  // A pixel beyond the table cannot be renumbered: refuse before anything changes.
  for (int k = count_; k < gif::kMaxColors; ++k)
    if (use[static_cast<std::size_t>(k)].Count != 0) throw GIFException("Color not in color table");
  sorted_ = true;
  const std::span<TColorUse> pairs(use.data(), static_cast<std::size_t>(count_));
  SortByUse(pairs, 0, count_ - 1);

  bool inOrder = true;
  for (int k = 0; k < count_; ++k) inOrder = inOrder && pairs[static_cast<std::size_t>(k)].Index == k;
  if (inOrder) return true;

  TRemapTable table{};
  for (int k = 0; k < count_; ++k)
    table[static_cast<std::size_t>(pairs[static_cast<std::size_t>(k)].Index)] = static_cast<std::uint8_t>(k);
  RemapPixels(table);

  const std::vector<TGIFColor> old(entries_.begin(), entries_.begin() + count_);
  for (int k = 0; k < count_; ++k)
    Entry(table[static_cast<std::size_t>(k)]) = old[static_cast<std::size_t>(k)];

  // Entries never used sort to the end and are dropped.
  const auto firstUnused =
      std::find_if(pairs.begin(), pairs.end(), [](const TColorUse& p) { return p.Count == 0; });
  count_ = static_cast<int>(firstUnused - pairs.begin());
  ColorsChanged();
  return true;
}

void TGIFColorMap::SaveToStream(TStream& stream) const {
  if (count_ == 0) return;
  std::vector<std::uint8_t> table(static_cast<std::size_t>(3 << IndexBits()), 0);
  for (int k = 0; k < count_; ++k) {
    const TGIFColor& c = Entry(k);
    table[static_cast<std::size_t>(3 * k)] = c.Red;
    table[static_cast<std::size_t>(3 * k + 1)] = c.Green;
    table[static_cast<std::size_t>(3 * k + 2)] = c.Blue;
  }
  stream.WriteBuffer(table.data(), table.size());
}
