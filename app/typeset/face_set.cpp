// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/face_set.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "app/layout/font_metrics.h"

namespace {

// A face's pixel height as a share of the body's, never below a legible minimum.
int Scaled(int bodyPixels, double factor, int minimum) {
  return std::max(minimum, static_cast<int>(std::lround(bodyPixels * factor)));
}

TPageFont FaceOf(TPageFont font, TFace face) {
  const int body = std::max(1, -font.height);
  switch (face) {
    case TFace::Regular:
      break;
    case TFace::Italic:
      font.italic = true;
      break;
    case TFace::Bold:
      font.bold = true;
      break;
    case TFace::BoldItalic:
      font.bold = font.italic = true;
      break;
    case TFace::Mono:
      font.face = "DejaVu Sans Mono";
      font.bold = font.italic = false;
      font.height = -Scaled(body, 0.8, 6);
      break;
    case TFace::Heading:
      font.bold = true;
      font.height = -Scaled(body, 1.2, 6);
      break;
    case TFace::Title:
      font.bold = true;
      font.height = -Scaled(body, 1.5, 6);
      break;
    case TFace::Small:
      font.bold = font.italic = false;
      font.height = -Scaled(body, 0.7, 9);
      break;
    case TFace::Superscript:
      font.bold = font.italic = false;
      font.height = -Scaled(body, 0.65, 7);
      break;
  }
  // Underline and strike-out are for the whole classic page, not for a book's structure.
  font.underline = font.strikeOut = false;
  return font;
}

}  // namespace

TFaceSet::TFaceSet(const TPageFont& body) {
  for (int i = 0; i < kFaceCount; ++i) {
    TFaceData& data = faces_[static_cast<std::size_t>(i)];
    data.font = MakeQFont(FaceOf(body, static_cast<TFace>(i)));
    // A book is read as a book is printed: kerned, with the face's ligatures (Qt's default);
    // the classic pages keep kerning off for their own lines.
    data.font.setKerning(true);
    const TTextCell cell = CellOf(data.font);
    data.ascent = cell.ascent;
    data.height = cell.height;
    data.space = static_cast<float>(QFontMetricsF(data.font).horizontalAdvance(QChar(u' ')));
  }
  em_ = static_cast<float>(std::max(1, -body.height));
}

float TFaceSet::Width(TFace face, QStringView text) {
  TFaceData& data = faces_[Index(face)];
  // Words are remembered; a long run of text (a line of code, a cut of a huge word) is not,
  // so that the cache stays the size of the book's vocabulary.
  constexpr int kLongestRemembered = 48;
  const auto measure = [&] {
    return static_cast<float>(QFontMetricsF(data.font).horizontalAdvance(text.toString()));
  };
  if (text.size() > kLongestRemembered) return measure();
  if (const auto known = data.widths.find(text); known != data.widths.end()) return known->second;
  return data.widths.emplace(text.toString(), measure()).first->second;
}

float TFaceSet::Overhang(TFace face, QChar c) const {
  return std::max(0.0f, -static_cast<float>(QFontMetricsF(Font(face)).rightBearing(c)));
}

float TFaceSet::Underhang(TFace face, QChar c) const {
  return std::max(0.0f, -static_cast<float>(QFontMetricsF(Font(face)).leftBearing(c)));
}
