// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/line_printer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStringList>

namespace {

constexpr int kWidth = 480, kHeight = 160;

struct TLook {
  const char* family;
  int pixels;
  bool bold = false, italic = false;
  QFont::HintingPreference hinting = QFont::PreferFullHinting;
  QRgb pen = 0xff000000, background = 0xffffffff;
};

QFont FontOf(const TLook& look) {
  QFont font(look.family);
  font.setPixelSize(look.pixels);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setKerning(false);
  font.setStyleStrategy(QFont::NoSubpixelAntialias);
  font.setHintingPreference(look.hinting);
  return font;
}

// Lines of one script each, which the printer draws itself in a font whose layout tables leave
// their letters alone.
const QStringList kPrintable = {
    QString::fromUtf8("Zażółć gęślą jaźń. ZAŻÓŁĆ GĘŚLĄ JAŹŃ – „cytat”… "),
    QString::fromUtf8("Ge1:1 In the beginning God created the heaven and the earth.  "),
    QString::fromUtf8("   Äpfel, Öl & Übermaß: 42 € (ß) [ÿ] {æ} œ; fi fl ffi #%*+=<>|~^`@$"),
    QString::fromUtf8("Съешь же ещё этих мягких французских булок, да выпей чаю."),
    QString::fromUtf8("Ξεσκεπάζω την ψυχοφθόρα βδελυγμία: 3,14."),
    QString(120, u'W'),  // past the right edge
};

// Lines Qt shapes otherwise than glyph by glyph, or draws more on.
const QStringList kLeftToQt = {
    QString::fromUtf8("Latin and Кириллица in one line"),
    QString::fromUtf8("soft\u00adhyphen"),
    QString::fromUtf8("tab\there"),
    QString::fromUtf8("combining e\u0301 mark"),
    QString::fromUtf8("שלום עולם"),
};

// A page of overlapping lines, the first cut at the top: `printer` draws what it can and Qt
// the rest, or Qt all of it without a printer. Counts the lines the printer drew.
QImage DrawPage(const TLook& look, const QStringList& lines, TLinePrinter* printer, int* printed = nullptr) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(0xff808080);
  const TPixelRows rows{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, kWidth,
                        kHeight};
  QPainter painter(&image);
  painter.setFont(FontOf(look));
  painter.setPen(QColor(look.pen));
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(QColor(look.background));
  const int step = look.pixels * 3 / 4;
  for (int i = 0; i < lines.size(); ++i) {
    const int baseline = 2 + i * step;
    if (printer && printer->Draw(rows, 1, baseline, lines[i])) {
      if (printed) ++*printed;
    } else {
      painter.drawText(1, baseline, lines[i]);
    }
  }
  return image;
}

TEST(LinePrinterTest, DrawsEveryLineToThePixelQtDraws) {
  const TLook looks[] = {
      {"Times New Roman", 16},
      {"Arial", 11, true, false, QFont::PreferFullHinting, 0xff00ff00, 0xff000000},
      {"Courier New", 13, false, true, QFont::PreferFullHinting, 0xff3060a0, 0xfff0e0d0},
      {"Times New Roman", 23, true, true, QFont::PreferFullHinting, 0xffffffff, 0xff102030},
      {"Times New Roman", 15, false, false, QFont::PreferVerticalHinting},  // pens between pixels
      {"DejaVu Sans", 14},  // its ligatures and composition reach letters: left to Qt
  };
  for (const TLook& look : looks) {
    SCOPED_TRACE(testing::Message() << look.family << " " << look.pixels << "px");
    QStringList lines = kPrintable + kLeftToQt;
    TLinePrinter printer(FontOf(look), look.pen, look.background);
    int printed = 0;
    const QImage ours = DrawPage(look, lines, &printer, &printed);
    EXPECT_EQ(ours, DrawPage(look, lines, nullptr));
    // The Latin lines at least (a bold italic's Cyrillic has local forms: left to Qt).
    if (QString(look.family) != "DejaVu Sans") EXPECT_GE(printed, 4);
  }
}

TEST(LinePrinterTest, LeavesALineItCannotVouchForUntouched) {
  const TLook plain{"Times New Roman", 16};
  TLinePrinter printer(FontOf(plain), plain.pen, plain.background);
  QImage image(kWidth, 40, QImage::Format_RGB32);
  image.fill(0xff808080);
  const QImage blank = image;
  const TPixelRows rows{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, kWidth, 40};
  for (const QString& line : kLeftToQt) EXPECT_FALSE(printer.Draw(rows, 1, 20, line)) << line.toStdString();
  EXPECT_EQ(image, blank);

  // Qt draws the rule over underlined and struck-out text.
  QFont underlined = FontOf(plain);
  underlined.setUnderline(true);
  TLinePrinter decorated(underlined, plain.pen, plain.background);
  EXPECT_FALSE(decorated.Draw(rows, 1, 20, QStringLiteral("plain words")));
  EXPECT_EQ(image, blank);
}

}  // namespace
