// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A logical palette: an ordered list of at most 256 entries red, green, blue, flags.
// A "palette handle" is a pointer to one; none is nullptr.
#include <cstdint>
#include <memory>
#include <vector>

struct TPaletteEntry {
  std::uint8_t red = 0, green = 0, blue = 0, flags = 0;
  friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

// An entry flag: the colour takes a place of its own, never matched to an existing one.
inline constexpr std::uint8_t kPaletteNoCollapse = 4;
inline constexpr int kMaxPaletteEntries = 256;

class TPalette {
public:
  TPalette() = default;
  explicit TPalette(std::vector<TPaletteEntry> entries);

  int Count() const { return static_cast<int>(entries_.size()); }
  // Up to 256 entries from entry 0: what the platform returns when asked for them.
  std::vector<TPaletteEntry> Entries(int first = 0, int count = kMaxPaletteEntries) const;
  const TPaletteEntry& operator[](int i) const { return entries_[static_cast<std::size_t>(i)]; }
  std::uint16_t Version() const { return 0x300; }

private:
  std::vector<TPaletteEntry> entries_;
};

using TPaletteHandle = std::unique_ptr<TPalette>;
