// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/char_glyphs.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <cmath>

namespace {

// One item of one left-to-right script: Qt shapes such a line as a whole, in one piece.
bool OfSimpleKind(QChar c) {
  if (c.isSurrogate() || c.unicode() == 0x2044) return false;  // a fraction slash joins the digits about it
  if (c.unicode() != ' ' && c.unicode() != 0xa0) {
    switch (c.category()) {
      case QChar::Letter_Uppercase:
      case QChar::Letter_Lowercase:
      case QChar::Letter_Titlecase:
      case QChar::Letter_Modifier:
      case QChar::Letter_Other:
      case QChar::Number_DecimalDigit:
      case QChar::Number_Letter:
      case QChar::Number_Other:
      case QChar::Punctuation_Connector:
      case QChar::Punctuation_Dash:
      case QChar::Punctuation_Open:
      case QChar::Punctuation_Close:
      case QChar::Punctuation_InitialQuote:
      case QChar::Punctuation_FinalQuote:
      case QChar::Punctuation_Other:
      case QChar::Symbol_Math:
      case QChar::Symbol_Currency:
      case QChar::Symbol_Modifier:
      case QChar::Symbol_Other:
        break;
      default:
        return false;
    }
  }
  switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
      break;
    default:
      return false;
  }
  switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirON:
    case QChar::DirWS:
      return true;
    default:
      return false;
  }
}

}  // namespace

TCharGlyphs::TCharGlyphs(const QFont& font, const QRawFont& raw) : font_(font), raw_(raw), reach_(raw) {}

const TCharGlyphs::TEntry& TCharGlyphs::Learn(char16_t c) {
  auto& page = pages_[c >> 8];
  if (!page) page = std::make_unique<std::array<TEntry, 256>>();
  TEntry& entry = (*page)[c & 0xff];
  entry.known = true;
  entry.script = static_cast<std::uint8_t>(QChar(c).script());
  entry.alone = OfSimpleKind(QChar(c)) && ShapesAlone(c, entry) && !reach_.MayChange(entry.glyph);
  return entry;
}

// Shapes the character on its own, as Qt shapes any text: one glyph of the font itself (not
// of a fallback font) at the pen.
bool TCharGlyphs::ShapesAlone(char16_t c, TEntry& entry) const {
  QTextLayout layout(QString(QChar(c)), font_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.size() != 1 || runs[0].rawFont() != raw_ || runs[0].glyphIndexes().size() != 1 ||
      runs[0].positions()[0].x() != 0)
    return false;
  entry.glyph = runs[0].glyphIndexes()[0];
  entry.advance = static_cast<int>(std::lround(line.horizontalAdvance() * 64));
  return entry.glyph != 0;
}
