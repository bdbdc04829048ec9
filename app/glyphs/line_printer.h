// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws lines of text in one font and two colours straight onto 32-bit pixels, the very
// pixels QPainter::drawText draws on an opaque background, from glyphs, advances and
// coverage learnt from Qt once. A page of text then costs a fraction of Qt's shaping and
// blending. The lines it cannot vouch for it leaves to Qt: other scripts, marks, a font whose
// layout tables may change a glyph by its neighbours, underlined or struck-out text, and
// every line when its own drawing of a test line differs from Qt's.
#include <QFont>
#include <QRgb>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <memory>

// Rows of 0xffRRGGBB pixels (QImage::Format_RGB32).
struct TPixelRows {
  std::uint32_t* first = nullptr;
  std::ptrdiff_t stride = 0;  // in pixels
  int width = 0, height = 0;
};

class TLinePrinter {
public:
  // Nothing is learnt before the first line: each thread that draws needs a printer of its own,
  // made anywhere, first used there.
  TLinePrinter(const QFont& font, QRgb pen, QRgb background);
  ~TLinePrinter();
  TLinePrinter(const TLinePrinter&) = delete;
  TLinePrinter& operator=(const TLinePrinter&) = delete;

  // Draws `text` with the pen starting at x on the baseline y, its background behind it; false,
  // having drawn nothing, for a line to leave to Qt.
  bool Draw(const TPixelRows& pixels, int x, int baseline, QStringView text);

private:
  class TFace;
  const QFont font_;
  const QRgb pen_, background_;
  std::unique_ptr<TFace> face_;
  bool tried_ = false;
};
