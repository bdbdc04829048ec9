// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glyphs of a font that its OpenType layout may change when Qt shapes a line: those some
// substitution or positioning lookup may look at, and the marks. Any other glyph is shaped
// alike alone and amid a line, so a line of them is just their glyphs side by side.
#include <cstdint>
#include <memory>

class QRawFont;

class TLayoutReach {
public:
  explicit TLayoutReach(const QRawFont& font);
  ~TLayoutReach();
  TLayoutReach(const TLayoutReach&) = delete;
  TLayoutReach& operator=(const TLayoutReach&) = delete;

  bool MayChange(std::uint32_t glyph) const;

private:
  struct TGlyphSet;
  std::unique_ptr<TGlyphSet> glyphs_;
};
