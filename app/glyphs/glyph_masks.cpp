// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/glyph_masks.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

std::uint64_t KeyOf(std::uint32_t glyph, int fraction) {
  return (std::uint64_t{glyph} << 6) | static_cast<std::uint64_t>(fraction);
}

}  // namespace

TGlyphMasks::TGlyphMasks(const QRawFont& font) : font_(font) {}

const TGlyphMasks::TMask* TGlyphMasks::Find(std::uint32_t glyph, int fraction) {
  const auto found = masks_.find(KeyOf(glyph, fraction));
  if (found != masks_.end()) return &found->second;
  if (std::find(tooLarge_.begin(), tooLarge_.end(), KeyOf(glyph, fraction)) != tooLarge_.end()) return nullptr;
  return Capture(glyph, fraction);
}

const TGlyphMasks::TMask* TGlyphMasks::Capture(std::uint32_t glyph, int fraction) {
  // White on black, Qt's blend leaves the coverage itself in every channel. The pen stands in
  // the middle of a square four ems wide; a glyph reaching its edge may reach beyond.
  const int side = 4 * static_cast<int>(font_.pixelSize()) + 64, origin = side / 2;
  QImage scratch(side, side, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  {
    QPainter painter(&scratch);
    painter.setPen(Qt::white);
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(fraction / 64.0, 0)});
    painter.drawGlyphRun(QPointF(origin, origin), run);
  }
  int left = side, top = side, right = -1, bottom = -1;
  for (int y = 0; y < side; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < side; ++x)
      if (qBlue(row[x]) != 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  }
  if (left == 0 || top == 0 || right == side - 1 || bottom == side - 1) {
    tooLarge_.push_back(KeyOf(glyph, fraction));
    return nullptr;
  }
  TMask mask;
  if (right >= 0) {
    mask = {left - origin, top - origin, right - left + 1, bottom - top + 1, {}};
    mask.coverage.reserve(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
    for (int y = top; y <= bottom; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
      for (int x = left; x <= right; ++x) mask.coverage.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
    }
  }
  return &masks_.emplace(KeyOf(glyph, fraction), std::move(mask)).first->second;
}
