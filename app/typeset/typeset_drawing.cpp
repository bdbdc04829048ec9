// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/typeset_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/drawing/qt_color.h"

namespace {

// Halfway between two colours: the rule's unread part.
QColor Between(TColor a, TColor b) {
  return QColor((RedOf(a) + RedOf(b)) / 2, (GreenOf(a) + GreenOf(b)) / 2, (BlueOf(a) + BlueOf(b)) / 2);
}

// The rules along a run, as thick as the face's own and where it puts them, whole pixels.
void DrawRules(QPainter& painter, const TTypesetRun& run, const QFont& font, int baseline,
               const QColor& ink) {
  const QFontMetricsF metrics(font);
  const int thickness = std::max(1, static_cast<int>(std::lround(metrics.lineWidth())));
  const int left = static_cast<int>(std::lround(run.x));
  const int width = static_cast<int>(std::lround(run.x + run.width)) - left;
  if (run.marks & kUnderlined)
    painter.fillRect(left, baseline + std::max(1, static_cast<int>(std::lround(metrics.underlinePos()))),
                     width, thickness, ink);
  if (run.marks & kStruckOut)
    painter.fillRect(left, baseline - static_cast<int>(std::lround(metrics.strikeOutPos())), width, thickness,
                     ink);
}

}  // namespace

TTypesetDrawing::TTypesetDrawing(const TTextBox& box, const TPageFont& font) : box_(box), faces_(font) {}

void TTypesetDrawing::Draw(TPageRaster& raster, const TTypesetPage& page) {
  QImage image = raster.PaintTarget();
  QPainter painter(&image);
  // Pictures come already scaled to their place: smoothing only matters for a pixel's rounding.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const TPagePicture& picture : page.pictures) painter.drawImage(picture.rect, *picture.image);
  painter.setPen(ToQColor(box_.Font().color));
  // A superscript rides up by a third of the body's ascent; a subscript goes down by a quarter.
  const int raise = faces_.Ascent(TFace::Regular) / 3;
  const int lower = faces_.Ascent(TFace::Regular) / 4;
  const QColor ink = ToQColor(box_.Font().color);
  const auto draw = [&](const TTypesetLine& line) {
    for (const TTypesetRun& run : line.runs) {
      QFont font = faces_.Font(run.face);
      if (run.wordSpacing != 0) font.setWordSpacing(run.wordSpacing);
      painter.setFont(font);
      const int baseline = line.y + line.ascent - (run.face == TFace::Superscript ? raise : 0) +
                           ((run.marks & kLowered) ? lower : 0);
      painter.drawText(QPointF(run.x, baseline), QString::fromStdString(run.text));
      if (run.marks & (kUnderlined | kStruckOut)) DrawRules(painter, run, font, baseline, ink);
    }
  };
  for (const TTypesetLine& line : page.lines) draw(line);
  for (const TTypesetLine& line : page.footerLines) draw(line);
  if (page.rule.y >= 0) {
    const int left = static_cast<int>(std::lround(page.rule.left));
    const int right = static_cast<int>(std::lround(page.rule.right));
    const int reached = static_cast<int>(std::lround(page.rule.reached));
    painter.fillRect(left, page.rule.y, right - left, 1, Between(box_.Font().color, box_.Color()));
    painter.fillRect(left, page.rule.y, reached - left, 1, ToQColor(box_.Font().color));
  }
}
