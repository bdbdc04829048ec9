// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each character's glyph and advance as Qt shapes it, for the characters nothing around them
// can change: spacing letters, digits, punctuation and symbols of a left-to-right script whose
// glyphs the font's layout tables leave alone. Learnt from Qt one character at a time.
#include <QFont>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <memory>

#include "app/glyphs/layout_reach.h"

class TCharGlyphs {
public:
  struct TEntry {
    std::uint32_t glyph = 0;
    int advance = 0;          // in 1/64 px
    std::uint8_t script = 0;  // QChar::Script
    bool known = false;
    bool alone = false;  // shaped in a line as on its own
  };

  TCharGlyphs(const QFont& font, const QRawFont& raw);

  const TEntry& Of(char16_t c) {
    auto& page = pages_[c >> 8];
    if (page && (*page)[c & 0xff].known) return (*page)[c & 0xff];
    return Learn(c);
  }

private:
  const TEntry& Learn(char16_t c);
  bool ShapesAlone(char16_t c, TEntry& entry) const;

  QFont font_;
  QRawFont raw_;
  TLayoutReach reach_;
  std::array<std::unique_ptr<std::array<TEntry, 256>>, 256> pages_;
};
