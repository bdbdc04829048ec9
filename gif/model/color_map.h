// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A GIF colour table held in memory: at most 256 entries red, green, blue, addressed
// by the one-byte colour indices of a frame's pixels.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/object.h"
#include "platform/palette.h"

class TStream;

// A colour as the model's interfaces pass it: 0x00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

struct TGIFColor {
  std::uint8_t Red = 0, Green = 0, Blue = 0;
  friend bool operator==(const TGIFColor&, const TGIFColor&) = default;
};

// Red from bits 0-7, green from 8-15, blue from 16-23; the top byte is ignored.
TGIFColor ColorToTriplet(TColor color);
TColor TripletToColor(TGIFColor triplet);

// Bits per pixel for a colour table of `count` entries: 0 for none, else the smallest
// n >= 1 with 2^n >= count.
int IndexBitsFor(int count);

class TGIFColorMap : public TPersistent {
public:
  // How often each pixel value is used, with the entry it was counted for.
  struct TColorUse {
    std::uint32_t Count = 0;
    int Index = 0;
  };
  using TUseTable = std::array<TColorUse, 256>;
  using TRemapTable = std::array<std::uint8_t, 256>;

  TGIFColorMap() = default;
  TGIFColorMap(const TGIFColorMap&) = delete;
  TGIFColorMap& operator=(const TGIFColorMap&) = delete;

  int Count() const { return count_; }
  int Capacity() const { return capacity_; }
  // True when the entries are ordered by decreasing use (the GIF sort flag).
  bool Sorted() const { return sorted_; }

  // Frees the storage; Count and Capacity 0, not sorted. Does not report a change.
  void Reset();
  // Grows the storage for at least n entries: 16, then multiples of 32, at most 256.
  void EnsureCapacity(int n);

  // The index of an entry equal to `color`, or -1. A sorted map answers with the
  // lowest such index, an unsorted one with the highest.
  int IndexOfColor(TColor color) const;
  // Adds an entry at the end and returns its index. GIFException "Color table
  // overflow" on a full map.
  int AppendColor(TColor color);
  // IndexOfColor, or AppendColor when the colour is not there yet.
  int AppendUnique(TColor color);
  // Deletes one entry; GIFException "Invalid color index" outside 0 .. Count - 1.
  void RemoveAt(int index);
  // Entry `index` as 0x00BBGGRR. Outside the map: the warning "Invalid color index"
  // and entry 0 instead, or GIFException "Color table is empty".
  TColor ColorAt(int index);

  // Replace the entries with the palette's (none: the map stays empty).
  void ImportSystemPalette(const TPalette* palette);
  // Replace the entries with a bitmap colour table (blue, green, red, reserved).
  void ImportRGBQuads(std::span<const TRGBQuad> quads);
  // Replace the entries with the bitmap's colour table, in table order.
  void ImportFromDIB(const TBitmap& bitmap);
  // A new palette of the entries (flags: no-collapse), or none for an empty map.
  TPaletteHandle ExportSystemPalette() const;

  // Bits per pixel needed for Count entries: 0 for an empty map, else 1 .. 8.
  int IndexBits() const;

  // Copies another colour map (entries, capacity and sort flag); any other source
  // raises the conversion error.
  void AssignFrom(TPersistent* source) override;
  void CopyFrom(const TGIFColorMap& source);

  // Orders the entries by decreasing use, drops unused ones from the end and
  // renumbers the pixels. False when there was nothing to order.
  virtual bool OptimizeByUse();

  // The on-disk colour table: the entries padded with black to 2^IndexBits entries;
  // nothing for an empty map. EWriteError when the stream does not take it whole.
  void SaveToStream(TStream& stream) const;

protected:
  virtual void ReportWarning(int severity, std::string_view message) = 0;
  // Adds each pixel value of the pixels this map colours to its count.
  virtual void CountUse(TUseTable& use) = 0;
  // Every pixel p of the pixels this map colours becomes table[p].
  virtual void RemapPixels(const TRemapTable& table) = 0;
  // Drops the owner's palette built from the old entries.
  virtual void ColorsChanged() = 0;

private:
  TGIFColor& Entry(int index) { return entries_[static_cast<std::size_t>(index)]; }
  const TGIFColor& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

  std::vector<TGIFColor> entries_;  // Capacity entries
  int count_ = 0;
  int capacity_ = 0;
  bool sorted_ = false;
};
