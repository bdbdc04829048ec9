// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the book layout, each face derived from the page font (the user's face and
// size for the body; a monospace face for code; larger bold headings; a small face for the
// footer and note references), with their metrics and a cache of word widths.
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <unordered_map>

#include "app/layout/page_font.h"
#include "app/typeset/typeset_page.h"

class TFaceSet {
public:
  explicit TFaceSet(const TPageFont& body);

  const QFont& Font(TFace face) const { return faces_[Index(face)].font; }
  int Ascent(TFace face) const { return faces_[Index(face)].ascent; }
  int Height(TFace face) const { return faces_[Index(face)].height; }
  float SpaceWidth(TFace face) const { return faces_[Index(face)].space; }
  // The advance of `text` in `face`, kerned and shaped as it is drawn; remembered.
  float Width(TFace face, QStringView text);
  // How far right of its advance the ink of `c` reaches in `face` (0 for most letters).
  float Overhang(TFace face, QChar c) const;
  // How far left of the pen the ink of `c` reaches in `face` (a "j" in some faces).
  float Underhang(TFace face, QChar c) const;
  // The body's em: indents and gaps are measured in it.
  float Em() const { return em_; }

private:
  static std::size_t Index(TFace face) { return static_cast<std::size_t>(face); }

  // Looks words up by a view of the paragraph's text, without copying them.
  struct TViewHash {
    using is_transparent = void;
    std::size_t operator()(QStringView text) const { return qHash(text); }
  };

  struct TFaceData {
    QFont font;
    int ascent = 0, height = 0;
    float space = 0;
    std::unordered_map<QString, float, TViewHash, std::equal_to<>> widths;
  };
  std::array<TFaceData, kFaceCount> faces_;
  float em_ = 0;
};
