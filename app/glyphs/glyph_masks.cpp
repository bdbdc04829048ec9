// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/glyph_masks.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "app/glyphs/coverage_blend.h"

namespace {

std::uint64_t KeyOf(std::uint32_t glyph, int fraction) {
  return (std::uint64_t{glyph} << 6) | static_cast<std::uint64_t>(fraction);
}

}  // namespace

TGlyphMasks::TGlyphMasks(const QRawFont& font, std::uint32_t color, std::uint32_t background)
    : font_(font), color_(color), background_(background) {}

const TGlyphMasks::TMask* TGlyphMasks::Find(std::uint32_t glyph, int fraction) {
  if (fraction == 0 && glyph < onPixelEdge_.size() && onPixelEdge_[glyph]) return onPixelEdge_[glyph];
  const auto found = masks_.find(KeyOf(glyph, fraction));
  if (found != masks_.end()) return found->second.get();
  const TMask* mask = (masks_[KeyOf(glyph, fraction)] = Capture(glyph, fraction)).get();
  if (mask && fraction == 0 && glyph <= 0xffff) {
    if (glyph >= onPixelEdge_.size()) onPixelEdge_.resize(glyph + 1);
    onPixelEdge_[glyph] = mask;
  }
  return mask;
}

std::unique_ptr<TGlyphMasks::TMask> TGlyphMasks::Capture(std::uint32_t glyph, int fraction) const {
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
  if (left == 0 || top == 0 || right == side - 1 || bottom == side - 1) return nullptr;
  auto mask = std::make_unique<TMask>();
  if (right >= 0) {
    const int width = right - left + 1;
    *mask = {left - origin, top - origin, width, bottom - top + 1, (width + 3) / 4 * 4, {}, {}, {}};
    const std::size_t size = static_cast<std::size_t>(mask->stride) * static_cast<std::size_t>(mask->height);
    mask->coverage.assign(size, 0);
    mask->ink.assign(size, 0);
    mask->onBackground.assign(size, background_);
    for (int y = 0; y < mask->height; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(top + y));
      for (int x = 0; x < width; ++x) {
        const auto at = static_cast<std::size_t>(y * mask->stride + x);
        mask->coverage[at] = static_cast<std::uint8_t>(qBlue(row[left + x]));
        mask->ink[at] = InkOf(color_, mask->coverage[at]);
        mask->onBackground[at] = Blended(background_, mask->ink[at], mask->coverage[at]);
      }
    }
  }
  return mask;
}
