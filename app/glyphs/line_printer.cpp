// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/line_printer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <vector>

#include "app/glyphs/char_glyphs.h"
#include "app/glyphs/coverage_blend.h"
#include "app/glyphs/glyph_masks.h"

namespace {

// Letters, digits and signs a font must draw alike to be drawn here; those it cannot shape
// alone are left out.
constexpr char16_t kTestLine[] =
    u"Hamburgefonstiv AVWAY To 0123456789 (x) [y] {z} \"q\" 'r'; a:b, c.d! e? f-g/h\\i "
    u"\u0105\u0119\u0142\u0144\u00f3\u015b\u017a\u017c \u0104\u0118\u0141\u015a\u017b "
    u"\u00e0\u00e9\u00ee\u00f5\u00fc\u00df \u00c0\u00c9\u00ce\u00d5\u00dc \u2013\u2014\u201e\u201d\u2026";

constexpr qsizetype kLongestLine = 4096;

}  // namespace

// What one font draws with, learnt in the thread that draws.
class TLinePrinter::TFace {
public:
  TFace(const QFont& font, QRgb pen, QRgb background)
      : raw_(QRawFont::fromFont(font)),
        chars_(font, raw_),
        masks_(raw_, pen, background),
        pen_(pen),
        background_(background) {
    const QFontMetricsF metrics(font);
    ascent_ = metrics.ascent();
    descent_ = metrics.descent();
  }

  bool Draw(const TPixelRows& pixels, int x, int baseline, QStringView text) {
    if (!Place(x, text)) return false;
    FillBackground(pixels, x, baseline);
    for (const TPlaced& placed : placed_) {
      const TGlyphMasks::TMask& mask = *placed.mask;
      Blit(pixels, mask, (placed.x >> 6) + mask.left, baseline + mask.top);
    }
    return true;
  }

  // Whether this face draws a test line of the font as Qt does, on this platform.
  bool DrawsAsQt(const QFont& font) {
    const QString line = TestLine();
    if (line.isEmpty()) return false;
    const QFontMetricsF metrics(font);
    const int width = static_cast<int>(metrics.horizontalAdvance(line)) + 8;
    const int height = static_cast<int>(metrics.height()) + 8, baseline = 4 + static_cast<int>(ascent_);
    QImage ours(width, height, QImage::Format_RGB32), theirs(width, height, QImage::Format_RGB32);
    ours.fill(background_ ^ 0x00ffffff);
    theirs.fill(background_ ^ 0x00ffffff);
    {
      QPainter painter(&theirs);
      painter.setFont(font);
      painter.setPen(QColor(pen_));
      painter.setBackgroundMode(Qt::OpaqueMode);
      painter.setBackground(QColor(background_));
      painter.drawText(1, baseline, line);
    }
    const TPixelRows rows{reinterpret_cast<std::uint32_t*>(ours.bits()), ours.bytesPerLine() / 4, width,
                          height};
    return Draw(rows, 1, baseline, line) && ours == theirs;
  }

private:
  struct TPlaced {
    const TGlyphMasks::TMask* mask;
    int x;  // the pen, in 1/64 px
  };

  // The characters of the test line this face can draw.
  QString TestLine() {
    QString line;
    for (const char16_t c : std::u16string_view(kTestLine))
      if (chars_.Of(c).alone) line += QChar(c);
    return line.trimmed();
  }

  // Every glyph's mask and pen, or false for a line Qt would shape otherwise than glyph by glyph.
  bool Place(int x, QStringView text) {
    placed_.clear();
    // Pens in 1/64 px stay far from overflow; no page is this wide.
    if (text.size() > kLongestLine) return false;
    int pen = x * 64;
    std::uint8_t script = QChar::Script_Common;
    for (const QChar c : text) {
      const TCharGlyphs::TEntry& entry = chars_.Of(c.unicode());
      if (!entry.alone) return false;
      // Qt shapes each script of a line apart and paints each piece's background in turn.
      if (entry.script != QChar::Script_Common) {
        if (script != QChar::Script_Common && script != entry.script) return false;
        script = entry.script;
      }
      const TGlyphMasks::TMask* mask = masks_.Find(entry.glyph, pen & 63);
      if (!mask) return false;
      placed_.push_back({mask, pen});
      pen += entry.advance;
    }
    width_ = pen - x * 64;
    return true;
  }

  // The rectangle Qt fills behind a run of text: the run's advance wide, from the ascent above
  // the baseline to the descent below, its edges rounded to whole pixels.
  void FillBackground(const TPixelRows& pixels, int x, int baseline) const {
    const double top = baseline - ascent_;
    const int left = std::max(0, x);
    const int right = std::min(pixels.width, qRound(x + width_ / 64.0));
    const int upper = std::max(0, qRound(top)),
              lower = std::min(pixels.height, qRound(top + (ascent_ + descent_)));
    for (int y = upper; y < lower && left < right; ++y)
      std::fill(pixels.first + y * pixels.stride + left, pixels.first + y * pixels.stride + right,
                background_);
  }

  // Blends a mask at (left, top), cut at the pixels' edges; whole, padding and all, where it fits.
  void Blit(const TPixelRows& pixels, const TGlyphMasks::TMask& mask, int left, int top) const {
    const int from = std::max(0, -left);
    const int to =
        left + mask.stride <= pixels.width ? mask.stride : std::min(mask.width, pixels.width - left);
    const int first = std::max(0, -top), end = std::min(mask.height, pixels.height - top);
    if (from >= to || first >= end) return;
    const std::ptrdiff_t at = first * mask.stride + from;
    const TInkedRows rows{mask.coverage.data() + at, mask.ink.data() + at, mask.onBackground.data() + at,
                          mask.stride};
    BlendCoverage(pixels.first + (top + first) * pixels.stride + left + from, pixels.stride, rows,
                  background_, to - from, end - first);
  }

  QRawFont raw_;
  TCharGlyphs chars_;
  TGlyphMasks masks_;
  const QRgb pen_, background_;
  double ascent_ = 0, descent_ = 0;
  std::vector<TPlaced> placed_;
  int width_ = 0;  // of the placed line, in 1/64 px
};

TLinePrinter::TLinePrinter(const QFont& font, QRgb pen, QRgb background)
    : font_(font), pen_(pen | 0xff000000), background_(background | 0xff000000) {}

TLinePrinter::~TLinePrinter() = default;

bool TLinePrinter::Draw(const TPixelRows& pixels, int x, int baseline, QStringView text) {
  if (!tried_) {
    tried_ = true;
    // Qt draws underlines and strike-outs over the text after it.
    if (!font_.underline() && !font_.strikeOut()) {
      auto face = std::make_unique<TFace>(font_, pen_, background_);
      if (face->DrawsAsQt(font_)) face_ = std::move(face);
    }
  }
  return face_ && face_->Draw(pixels, x, baseline, text);
}
