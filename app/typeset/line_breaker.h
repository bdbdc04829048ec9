// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Breaking a paragraph of styled text into lines: at the break opportunities of the
// Unicode line-breaking rules (Qt's), first fit, hyphenating the word that does not fit
// where the book's soft hyphens or the language's patterns allow, justified or not.
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "app/typeset/face_set.h"
#include "app/typeset/typeset_page.h"

class THyphenator;

// Text with the face of each of its UTF-16 units, their marks (TRunMark) when any has one
// (`marks` is empty or as long as `text`), and the pictures that stand in its lines.
struct TStyledText {
  QString text;
  std::vector<TFace> faces;
  std::vector<std::uint8_t> marks;
  std::map<int, std::shared_ptr<const QImage>> pictures;  // each at its U+FFFC in the text

  void Append(const QString& more, TFace face, std::uint8_t mark = kNoMark);
  void AppendPicture(std::shared_ptr<const QImage> picture, TFace face);
  bool Empty() const { return text.isEmpty(); }
  std::uint8_t MarkAt(int at) const {
    return marks.empty() ? std::uint8_t{kNoMark} : marks[static_cast<std::size_t>(at)];
  }
  // The `count` units from `from`, with their faces and marks.
  TStyledText Mid(int from, int count) const;
};

enum class TAlign { Justify, Left, Centre, Right };

struct TLineFrame {
  float firstLeft = 0;  // where the first line starts
  float left = 0;       // where the other lines start
  float right = 0;      // where every line ends at most
};

struct TBreakRules {
  TAlign align = TAlign::Justify;  // the last line is left-aligned whatever this says
  const THyphenator* hyphenator = nullptr;
  bool singleLetterWordsStay = false;  // Polish: "a i o u w z" never end a line
};

// The paragraph's lines, in order, with x set and y left 0; a right-to-left paragraph is
// right-aligned. No line is wider than the frame unless one character alone is.
std::vector<TTypesetLine> BreakLines(const TStyledText& paragraph, const TLineFrame& frame,
                                     const TBreakRules& rules, TFaceSet& faces);
