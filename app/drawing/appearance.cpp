// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/appearance.h"

#include <iterator>
#include <string>

EUnknownColorSet::EUnknownColorSet(int number)
    : Exception(FormatMessage("There is no colour set %s; the sets are 1 to 4", {std::to_string(number)})) {}

void ApplyColorSet(TTextBox& box, int number) {
  if (number < 1 || number > static_cast<int>(std::size(kColorSets))) throw EUnknownColorSet(number);
  const TColorSet& set = kColorSets[number - 1];
  TPageFont font = box.Font();
  font.color = set.text;
  box.SetFont(font);
  box.SetColor(set.background);
}

TFontChoice FontDialogStart(const TPageFont& font) {
  return {font.face,   font.height,    font.bold ? kBoldWeight : kNormalWeight,
          font.italic, font.underline, font.strikeOut,
          font.script, font.color};
}

void TakeFontChoice(TTextBox& box, const TFontChoice& shown, const TFontChoice& chosen) {
  TPageFont font = box.Font();
  font.face = chosen.face;
  font.height = chosen.height;
  font.bold = chosen.weight > kNormalWeight;
  font.italic = chosen.italic;
  font.underline = chosen.underline;
  font.strikeOut = chosen.strikeOut;
  if (chosen.face != shown.face || chosen.script != shown.script) font.script = chosen.script;
  if (chosen.color != shown.color) font.color = chosen.color;
  box.SetFont(font);
}
