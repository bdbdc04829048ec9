// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/layout_reach.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QRawFont>

namespace {

bool Reaches(const char* family, const QString& letters) {
  QFont font(family);
  font.setPixelSize(16);
  const QRawFont raw = QRawFont::fromFont(font);
  const TLayoutReach reach(raw);
  bool any = false;
  for (const quint32 glyph : raw.glyphIndexesForString(letters)) any |= reach.MayChange(glyph);
  return any;
}

// Liberation Serif changes letters only by kerning, which the pages leave off, and by marks;
// DejaVu Sans joins f and i into a ligature and composes accents from letters.
TEST(LayoutReachTest, FindsTheLettersAFontsLayoutTablesMayChange) {
  EXPECT_FALSE(Reaches("Liberation Serif", "AVTo fi ffl 0123456789 .,;:"));
  EXPECT_TRUE(Reaches("DejaVu Sans", "f"));
  EXPECT_TRUE(Reaches("DejaVu Sans", "i"));
  EXPECT_FALSE(Reaches("DejaVu Sans", "0"));
}

}  // namespace
