// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the appearance dialogs and the colour-set buttons do to the text box, without
// the dialogs themselves.
#include <string>

#include "app/layout/color.h"
#include "app/layout/page_font.h"
#include "app/layout/text_box.h"
#include "app/text/font_script.h"
#include "platform/exceptions.h"

struct TColorSet {
  TColor text;
  TColor background;
};

// Sets "1" to "4": white on black, black on white, green on black, bright green on black.
inline constexpr TColorSet kColorSets[4] = {
    {clWhite, clBlack},
    {clBlack, clWhite},
    {MakeColor(0, 128, 0), clBlack},
    {MakeColor(0, 255, 0), clBlack},
};

// Gives the text box the text and background colours of set `number` (1 to 4); face,
// height and style stay.
// EUnknownColorSet for any other number.
void ApplyColorSet(TTextBox& box, int number);

// "There is no colour set %s; the sets are 1 to 4".
class EUnknownColorSet : public Exception {
public:
  explicit EUnknownColorSet(int number);
};

// What a font dialog shows and returns.
struct TFontChoice {
  std::string face;
  int height = 0;  // negative: the character height in pixels
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  TFontScript script = TFontScript::CentralEuropean;
  TColor color = clBlack;
};

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

// The font dialog's starting values: the text box's font.
TFontChoice FontDialogStart(const TPageFont& font);

// Takes a confirmed font dialog into the text box: face, height, style (bold above normal
// weight), the script only when the face or the script was changed in the dialog, and the
// colour only when it was changed there. `shown` is what the dialog started with.
void TakeFontChoice(TTextBox& box, const TFontChoice& shown, const TFontChoice& chosen);
