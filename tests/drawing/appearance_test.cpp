// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/appearance.h"

#include <gtest/gtest.h>

namespace {

TEST(AppearanceTest, ColourSetsChangeOnlyColours) {
  TTextBox box;
  TPageFont font;
  font.face = "Arial";
  box.SetFont(font);
  const TColorSet expected[] = {{clWhite, clBlack},
                                {clBlack, clWhite},
                                {MakeColor(0, 128, 0), clBlack},
                                {MakeColor(0, 255, 0), clBlack}};
  for (int set = 1; set <= 4; ++set) {
    ApplyColorSet(box, set);
    EXPECT_EQ(box.Font().color, expected[set - 1].text);
    EXPECT_EQ(box.Color(), expected[set - 1].background);
    EXPECT_EQ(box.Font().face, "Arial");
  }
  EXPECT_THROW(ApplyColorSet(box, 0), EUnknownColorSet);
  try {
    ApplyColorSet(box, 5);
    ADD_FAILURE() << "set 5 was taken";
  } catch (const EUnknownColorSet& e) {
    EXPECT_STREQ(e.what(), "There is no colour set 5; the sets are 1 to 4");
  }
  EXPECT_EQ(box.Color(), expected[3].background);  // a refused set changes nothing
}

TEST(AppearanceTest, TheDialogsScriptAndColourAreTakenOnlyWhenChangedThere) {
  TTextBox box;
  ApplyColorSet(box, 3);
  TFontChoice shown = FontDialogStart(box.Font());
  EXPECT_EQ(shown.color, MakeColor(0, 128, 0));
  EXPECT_EQ(shown.weight, kNormalWeight);
  // Same face and script, other size and weight: the script shown stays out.
  shown.script = TFontScript::Greek;
  TFontChoice chosen = shown;
  chosen.height = -19;
  chosen.weight = 600;
  TakeFontChoice(box, shown, chosen);
  EXPECT_EQ(box.Font().height, -19);
  EXPECT_TRUE(box.Font().bold);
  EXPECT_EQ(box.Font().script, TFontScript::CentralEuropean);
  EXPECT_EQ(box.Font().color, MakeColor(0, 128, 0));
  // A new face brings its script; a new colour is taken.
  chosen.face = "Arial";
  chosen.color = MakeColor(1, 2, 3);
  TakeFontChoice(box, shown, chosen);
  EXPECT_EQ(box.Font().face, "Arial");
  EXPECT_EQ(box.Font().script, TFontScript::Greek);
  EXPECT_EQ(box.Font().color, MakeColor(1, 2, 3));
}

}  // namespace
