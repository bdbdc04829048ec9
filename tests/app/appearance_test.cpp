#include "app/appearance.h"

#include <gtest/gtest.h>

namespace {

TEST(AppearanceTest, ColourSetsChangeOnlyColours) {
  TTextBox box;
  TPageFont font = box.Font();
  font.face = "Arial";
  font.italic = true;
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
    EXPECT_TRUE(box.Font().italic);
  }
}

TEST(AppearanceTest, FontDialogStartsFromTheBox) {
  TTextBox box;
  ApplyColorSet(box, 3);
  const TFontChoice start = FontDialogStart(box.Font());
  EXPECT_EQ(start.face, "Times New Roman");
  EXPECT_EQ(start.height, -16);
  EXPECT_EQ(start.weight, kNormalWeight);
  EXPECT_EQ(start.script, TFontScript::CentralEuropean);
  EXPECT_EQ(start.color, MakeColor(0, 128, 0));
}

TEST(AppearanceTest, ANewFaceKeepsTheColourAndTakesTheScript) {
  TTextBox box;
  ApplyColorSet(box, 3);
  const TFontChoice shown = FontDialogStart(box.Font());
  TFontChoice chosen = shown;
  chosen.face = "Arial";
  chosen.height = -19;
  chosen.weight = 600;
  chosen.underline = true;
  chosen.script = TFontScript::Cyrillic;
  TakeFontChoice(box, shown, chosen);
  EXPECT_EQ(box.Font().face, "Arial");
  EXPECT_EQ(box.Font().height, -19);
  EXPECT_TRUE(box.Font().bold);
  EXPECT_TRUE(box.Font().underline);
  EXPECT_EQ(box.Font().script, TFontScript::Cyrillic);
  EXPECT_EQ(box.Font().color, MakeColor(0, 128, 0));
}

TEST(AppearanceTest, TheScriptAndColourStayUnlessChangedInTheDialog) {
  TTextBox box;
  TPageFont font = box.Font();
  font.script = TFontScript::Greek;
  box.SetFont(font);
  // The dialog was shown a Central European face and confirmed as it was but for the size.
  TFontChoice shown = FontDialogStart(box.Font());
  shown.script = TFontScript::CentralEuropean;
  TFontChoice chosen = shown;
  chosen.height = -13;
  TakeFontChoice(box, shown, chosen);
  EXPECT_EQ(box.Font().script, TFontScript::Greek);
  EXPECT_EQ(box.Font().height, -13);
  EXPECT_FALSE(box.Font().bold);
  chosen.color = MakeColor(1, 2, 3);
  TakeFontChoice(box, shown, chosen);
  EXPECT_EQ(box.Font().color, MakeColor(1, 2, 3));
}

}  // namespace
