// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/font_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <tuple>

#include "app/layout/font_size.h"
#include "app/layout/text_box.h"
#include "window_test_support.h"

namespace {

TEST(FontDialogSizes, PointsBecomeNegativePixelHeightsAt96Ppi) {
  EXPECT_EQ(PixelHeightOfPoints(12), -16);
  EXPECT_EQ(PixelHeightOfPoints(10), -13);
  EXPECT_EQ(PixelHeightOfPoints(8), -11);
  EXPECT_EQ(PixelHeightOfPoints(1), -1);
  EXPECT_EQ(PointsOfPixelHeight(-16), 12);
  EXPECT_EQ(PointsOfPixelHeight(-13), 10);
  EXPECT_EQ(PointsOfPixelHeight(-11), 8);
}

class FontDialogTest : public ::testing::Test {
protected:
  template <class T>
  T& child(const char* name) {
    return *dialog.findChild<T*>(name);
  }

  TTextBox box;
  TFontChoice start = FontDialogStart(box.Font());
  TFontDialog dialog{start};
};

TEST_F(FontDialogTest, OpensOnTheTextBoxFontAndGivesItBackUntouched) {
  EXPECT_EQ(child<QComboBox>("face").currentText(), "Times New Roman");
  EXPECT_EQ(child<QSpinBox>("size").value(), 12);
  EXPECT_EQ(child<QComboBox>("script").currentText(), QString::fromUtf8("Środkowoeuropejski"));
  EXPECT_EQ(child<QComboBox>("color").currentText(), "Czarny");
  const TFontChoice chosen = dialog.Chosen();
  EXPECT_EQ(std::tie(chosen.face, chosen.height, chosen.weight, chosen.italic, chosen.underline,
                     chosen.strikeOut, chosen.script, chosen.color),
            std::tie(start.face, start.height, start.weight, start.italic, start.underline, start.strikeOut,
                     start.script, start.color));
}

TEST_F(FontDialogTest, GivesBackWhatTheUserSet) {
  child<QComboBox>("face").setCurrentText("Liberation Sans");
  child<QSpinBox>("size").setValue(10);
  child<QComboBox>("style").setCurrentIndex(3);  // bold italic
  child<QCheckBox>("underline").setChecked(true);
  child<QCheckBox>("strikeOut").setChecked(true);
  child<QComboBox>("color").setCurrentText("Limonkowy");
  child<QComboBox>("script").setCurrentText("Cyrylica");
  const TFontChoice chosen = dialog.Chosen();
  EXPECT_EQ(chosen.face, "Liberation Sans");
  EXPECT_EQ(chosen.height, -13);
  EXPECT_GT(chosen.weight, kNormalWeight);
  EXPECT_TRUE(chosen.italic);
  EXPECT_TRUE(chosen.underline);
  EXPECT_TRUE(chosen.strikeOut);
  EXPECT_EQ(chosen.color, MakeColor(0, 255, 0));
  EXPECT_EQ(chosen.script, TFontScript::Cyrillic);
}

TEST_F(FontDialogTest, ConfirmedWithANewFaceKeepsTheColourAndTakesTheScript) {
  // Colour set 3, then a new face: the green stays as it was not changed in the dialog.
  box.SetFont({.color = MakeColor(0, 128, 0)});
  start = FontDialogStart(box.Font());
  TFontDialog green(start);
  green.findChild<QComboBox*>("face")->setCurrentText("Liberation Sans");
  TakeFontChoice(box, start, green.Chosen());
  EXPECT_EQ(box.Font().face, "Liberation Sans");
  EXPECT_EQ(box.Font().color, MakeColor(0, 128, 0));
  EXPECT_EQ(box.Font().script, TFontScript::CentralEuropean);
}

TEST_F(FontDialogTest, AColourAndAFaceItsListsLackAreOfferedAndKept) {
  start.color = MakeColor(1, 2, 3);
  start.face = "Brak Takiej Czcionki";
  TFontDialog custom(start);
  EXPECT_EQ(custom.findChild<QComboBox*>("color")->currentText(), "Niestandardowy");
  EXPECT_EQ(custom.Chosen().color, MakeColor(1, 2, 3));
  EXPECT_EQ(custom.Chosen().face, "Brak Takiej Czcionki");
}

}  // namespace
