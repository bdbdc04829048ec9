// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/font_metrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "app/text/code_page.h"

QFont MakeQFont(const TPageFont& font) {
  QFont qfont(QString::fromStdString(font.face));
  qfont.setPixelSize(std::max(1, -font.height));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strikeOut);
  qfont.setKerning(false);
  qfont.setStyleStrategy(QFont::NoSubpixelAntialias);
  qfont.setHintingPreference(QFont::PreferFullHinting);
  return qfont;
}

TTextCell CellOf(const QFont& font) {
  const QFontMetricsF metrics(font);
  const int ascent = static_cast<int>(std::ceil(metrics.ascent()));
  return {ascent, ascent + static_cast<int>(std::ceil(metrics.descent()))};
}

TGlyphWidths::TGlyphWidths(const TPageFont& font) : font_(MakeQFont(font)) {
  const TCodePage& codePage = CodePageOf(font.script);
  singleByte_ = codePage.SingleByte();
  // In UTF-8 only the ASCII bytes stand for characters of their own.
  const int count = singleByte_ ? 256 : 128;
  for (int byte = 0; byte < count; ++byte)
    byteWidths_[static_cast<std::size_t>(byte)] = Measure(codePage.CharOf(static_cast<unsigned char>(byte)));
}

TGlyphWidths::TWidth TGlyphWidths::Measure(char32_t c) const {
  const QFontMetricsF metrics(font_);
  const QString text = QString::fromUcs4(&c, 1);
  const auto advance = static_cast<float>(metrics.horizontalAdvance(text));
  const QRectF ink = metrics.tightBoundingRect(text);
  if (ink.isEmpty()) return {advance, advance};  // a space or a control: no ink
  return {advance, std::max(advance, static_cast<float>(ink.right()))};
}

TGlyphWidths::TWidth TGlyphWidths::NextMultiByte(std::string_view bytes, int& length) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  // A malformed sequence counts as one replacement character per byte.
  char32_t c = 0xFFFD;
  const int wanted = Utf8SequenceLength(lead);
  if (wanted > 1 && static_cast<int>(bytes.size()) >= wanted &&
      std::all_of(bytes.begin() + 1, bytes.begin() + wanted, [](char b) { return (b & 0xC0) == 0x80; })) {
    c = lead & (0x7F >> wanted);
    for (int i = 1; i < wanted; ++i) c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    length = wanted;
  }
  auto [it, added] = utf8Widths_.try_emplace(c);
  if (added) it->second = Measure(c);
  return it->second;
}
