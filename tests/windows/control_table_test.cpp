// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/control_table.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <map>
#include <set>
#include <string>

#include "app/l10n/translation.h"
#include "app/windows/main_window.h"
#include "support/man_page.h"
#include "window_test_support.h"

namespace {

struct TExpectedControl {
  const char* name;
  const char* className;
  const char* parent;
  QRect geometry;
  const char* caption;
  int fontPixels;
  bool bold;
};

// The layout as designed, written out independently of the table it checks.
const TExpectedControl kExpected[] = {
    {"Panel1", "QFrame", "Form1", {3, 3, 606, 288}, "", 11, false},
    {"Label1", "QLabel", "Panel1", {40, 112, 427, 37}, "TRWA PRZETWARZANIE...", 32, true},
    {"Label2", "QLabel", "Panel1", {510, 48, 83, 13}, "przy generowaniu", 11, false},
    {"Button1", "QPushButton", "Panel1", {490, 6, 112, 22}, "Załaduj TXT", 11, false},
    {"Button2", "QPushButton", "Panel1", {491, 228, 111, 51}, "Generuj", 11, false},
    {"Memo1", "TMemoView", "Panel1", {8, 7, 480, 272}, "", 11, false},
    {"GroupBox2", "QGroupBox", "Panel1", {490, 64, 113, 129}, "czcionka", 11, false},
    {"Edit1", "QLineEdit", "GroupBox2", {4, 15, 104, 21}, "abcDEF", 11, false},
    {"Button3", "QPushButton", "GroupBox2", {42, 60, 65, 25}, "Font", 11, false},
    {"Button4", "QPushButton", "GroupBox2", {4, 60, 34, 25}, "Tło", 11, false},
    {"Label3", "QLabel", "GroupBox2", {4, 88, 43, 13}, "Zestawy:", 11, false},
    {"Button6", "QPushButton", "GroupBox2", {3, 105, 23, 19}, "1", 11, false},
    {"Button7", "QPushButton", "GroupBox2", {29, 105, 23, 19}, "2", 11, false},
    {"Button8", "QPushButton", "GroupBox2", {56, 105, 23, 19}, "3", 11, false},
    {"Button9", "QPushButton", "GroupBox2", {82, 105, 23, 19}, "4", 11, false},
    {"CheckBox1", "QCheckBox", "Panel1", {493, 32, 108, 17}, "usuwaj puste linie", 11, false},
    {"GroupBox1",
     "QGroupBox",
     "Form1",
     {3, 293, 398, 52},
     "Katalog docelowy do składowania plików GIF",
     11,
     false},
    {"katalog_docelowy", "QLineEdit", "GroupBox1", {5, 18, 380, 24}, nullptr, 13, false},
    {"Button5", "QPushButton", "Form1", {494, 295, 115, 50}, "Wyjdź", 11, false},
    {"Button10", "QPushButton", "Form1", {410, 320, 75, 25}, "Help", 11, false},
    {"ProgressBar1", "QProgressBar", "Panel1", {40, 160, 427, 20}, nullptr, 11, false},
    {"Label4", "QLabel", "Panel1", {40, 186, 427, 16}, "", 13, false},
    {"Button11", "QPushButton", "Panel1", {203, 212, 100, 25}, "Przerwij", 11, false},
    {"Button12", "QPushButton", "Form1", {404, 298, 25, 21}, "…", 11, false},
    {"Button13", "QPushButton", "Form1", {432, 298, 58, 21}, "Na kartę", 11, false},
    {"CheckBox2", "QCheckBox", "Form1", {8, 352, 150, 17}, "rozdział od nowej strony", 11, false},
    {"CheckBox3", "QCheckBox", "Form1", {165, 352, 180, 17}, "czas plików w kolejności stron", 11, false},
    {"CheckBox4", "QCheckBox", "Form1", {352, 352, 120, 17}, "dziel na foldery po", 11, false},
    {"SpinEdit1", "QSpinBox", "Form1", {474, 350, 56, 21}, nullptr, 11, false},
    {"Label5", "QLabel", "Form1", {534, 354, 40, 13}, "stron", 11, false},
    {"CheckBox5", "QCheckBox", "Panel1", {493, 204, 108, 17}, "małe pliki", 11, false},
    {"CheckBox6", "QCheckBox", "Form1", {8, 394, 150, 17}, "skład książkowy", 11, false},
    {"ComboBox1", "QComboBox", "Form1", {165, 392, 90, 21}, nullptr, 11, false},
    {"Label6", "QLabel", "GroupBox2", {6, 40, 102, 15}, nullptr, 11, false},
    {"Label7", "QLabel", "Form1", {262, 396, 60, 13}, "ekran konsoli", 11, false},
    {"Button15", "QPushButton", "Form1", {352, 390, 110, 24}, "Ostatnie ▾", 11, false},
    {"Button14", "QPushButton", "Form1", {494, 390, 115, 24}, "Podgląd", 11, false},
    {"Button16", "QPushButton", "Form1", {494, 372, 115, 18}, "Otwórz folder", 11, false},
};

// The controls of the first layout come first; the rest were added around them.
constexpr std::size_t kFirstLayoutControls = 20;

// Controls that share their place with the text box: they show only while a run hides it.
const std::set<std::string> kUnderTheTextBox = {"Label1", "ProgressBar1", "Label4", "Button11"};

QString CaptionOf(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QGroupBox*>(control)) return box->title();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  return {};
}

class ControlTableTest : public ::testing::Test {
protected:
  ControlTableTest() { form.show(); }

  QWidget* control(const char* name) { return form.findChild<QWidget*>(name); }

  ::testing::NiceMock<TMockDialogs> dialogs;
  bool fresh = (ForgetKeptSettings(), true);  // the start state, whatever other tests kept
  TForm1 form{dialogs};
};

TEST_F(ControlTableTest, EveryControlHasItsKindParentPlaceCaptionAndFont) {
  ASSERT_EQ(Form1Controls().size(), std::size(kExpected));
  for (const auto& expected : kExpected) {
    SCOPED_TRACE(expected.name);
    QWidget* widget = control(expected.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(expected.className));
    EXPECT_EQ(widget->parentWidget()->objectName(), expected.parent);
    EXPECT_EQ(widget->pos(), expected.geometry.topLeft());
    EXPECT_EQ(widget->height(), expected.geometry.height());
    // Labels may widen to their caption; everything else keeps its designed width.
    if (qobject_cast<QLabel*>(widget)) {
      EXPECT_GE(widget->width(), expected.geometry.width());
    } else {
      EXPECT_EQ(widget->width(), expected.geometry.width());
    }
    if (expected.caption) {
      EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(expected.caption));
    }
    // The preview box shows the page font from the start; the text box paints its lines
    // in the page font whatever its own font is.
    const std::string_view name = expected.name;
    if (name == "Edit1") continue;
    EXPECT_EQ(widget->font().pixelSize(), expected.fontPixels);
    EXPECT_EQ(widget->font().bold(), expected.bold);
    if (name != "Memo1") {
      EXPECT_EQ(widget->font().family(), "MS Sans Serif");
    }
  }
}

TEST_F(ControlTableTest, CaptionsAreWholeInTheirControlsInBothLanguages) {
  for (const TLanguage language : {TLanguage::Polish, TLanguage::English}) {
    SCOPED_TRACE(language == TLanguage::Polish ? "Polish" : "English");
    UseLanguage(language);
    TForm1 shown{dialogs};
    shown.show();
    for (auto* button : shown.findChildren<QPushButton*>()) {
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 4, button->width())
          << button->objectName().toStdString();
    }
    for (auto* box : shown.findChildren<QGroupBox*>()) {
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()) + 16, box->width())
          << box->objectName().toStdString();
    }
    // Each check box's caption fits beside its box, and "przy generowaniu" reads as the
    // first one's second line: it starts where the caption's text does.
    for (auto* checkBox : shown.findChildren<QCheckBox*>()) {
      QStyleOptionButton option;
      option.initFrom(checkBox);
      const QRect text = checkBox->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, checkBox);
      EXPECT_LE(text.left() + checkBox->fontMetrics().horizontalAdvance(checkBox->text()), checkBox->width())
          << checkBox->objectName().toStdString();
      if (checkBox->objectName() == "CheckBox1") {
        EXPECT_NEAR(checkBox->mapTo(&shown, text.topLeft()).x(),
                    shown.findChild<QWidget*>("Label2")->mapTo(&shown, QPoint(0, 0)).x(), 2);
      }
    }
  }
  UseLanguage(TLanguage::Polish);
}

TEST_F(ControlTableTest, AddedControlsLieInsideTheirParentAndCoverNoSibling) {
  for (const auto& entry : Form1Controls().subspan(kFirstLayoutControls)) {
    QWidget* widget = control(entry.name);
    EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << entry.name;
    // The status line is no row of the table, but a sibling all the same.
    if (widget->parentWidget() == &form)
      EXPECT_FALSE(widget->geometry().intersects(control("StatusLine")->geometry())) << entry.name;
    for (const auto& other : Form1Controls()) {
      const std::string a = entry.name, b = other.name;
      if (a == b || std::string_view(entry.parent ? entry.parent : "") != (other.parent ? other.parent : ""))
        continue;
      if ((a == "Memo1" && kUnderTheTextBox.contains(b)) || (b == "Memo1" && kUnderTheTextBox.contains(a)))
        continue;
      EXPECT_FALSE(widget->geometry().intersects(control(other.name)->geometry())) << a << " and " << b;
    }
  }
}

TEST_F(ControlTableTest, TabMovesThroughTheControlsContainerByContainer) {
  const std::vector<std::string> order = {
      "Button1",          "Button2",   "Memo1",     "Edit1",    "Button3",   "Button4",
      "Button6",          "Button7",   "Button8",   "Button9",  "CheckBox1", "CheckBox5",
      "katalog_docelowy", "Button5",   "Button10",  "Button12", "Button13",  "CheckBox2",
      "CheckBox3",        "CheckBox4", "CheckBox6", "ComboBox1"};
  std::vector<std::string> chain;
  QWidget* widget = control("Button1");
  do {
    const std::string name = widget->objectName().toStdString();
    if (std::ranges::find(order, name) != order.end()) chain.push_back(name);
    widget = widget->nextInFocusChain();
  } while (widget != control("Button1"));
  EXPECT_EQ(chain, order);
}

TEST_F(ControlTableTest, ResizingTheWindowMovesAndStretchesNothing) {
  form.resize(900, 700);
  QApplication::processEvents();
  for (const auto& expected : kExpected)
    EXPECT_EQ(control(expected.name)->pos(), expected.geometry.topLeft()) << expected.name;
  EXPECT_EQ(control("Memo1")->size(), QSize(480, 272));
  form.resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(control("Button5")->geometry(), QRect(494, 295, 115, 50));
}

TEST_F(ControlTableTest, TheTextBoxIsASunkenBoxWithoutScrollBarsOverTheProcessingLabel) {
  auto* memo = qobject_cast<QAbstractScrollArea*>(control("Memo1"));
  EXPECT_EQ(memo->frameWidth(), 2);
  EXPECT_EQ(memo->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(memo->viewport()->size(), QSize(476, 268));
  // The text box lies above the label: it is the later sibling.
  const QObjectList& siblings = control("Panel1")->children();
  EXPECT_GT(siblings.indexOf(memo), siblings.indexOf(control("Label1")));
}

// Every caption of the table, which is every text the window shows besides the book.
TEST(ControlCaptionTest, EveryCaptionIsInBothCatalogues) {
  for (const TControlDef& entry : Form1Controls()) {
    if (!entry.caption || !*entry.caption) continue;
    for (const TLanguage language : {TLanguage::Polish, TLanguage::English})
      EXPECT_TRUE(HasTranslation(language, "Form1", entry.caption))
          << entry.name << " \"" << entry.caption << "\" lacks a translation in translations/stronix_"
          << (language == TLanguage::Polish ? "pl" : "en") << ".ts";
  }
}

TEST(ControlCaptionTest, TheEnglishWindowHasEnglishCaptionsAtTheSamePlaces) {
  ::testing::NiceMock<TMockDialogs> dialogs;
  UseLanguage(TLanguage::English);
  TForm1 english{dialogs};
  UseLanguage(TLanguage::Polish);
  TForm1 polish{dialogs};
  std::map<std::string, QString> captions;
  for (const TControlDef& entry : Form1Controls()) {
    SCOPED_TRACE(entry.name);
    QWidget* shown = english.findChild<QWidget*>(entry.name);
    QWidget* original = polish.findChild<QWidget*>(entry.name);
    EXPECT_EQ(shown->geometry().topLeft(), original->geometry().topLeft());
    // A label may widen to its caption, but stays inside its parent.
    if (!qobject_cast<QLabel*>(shown)) EXPECT_EQ(shown->size(), original->size());
    EXPECT_LE(shown->geometry().right(), shown->parentWidget()->rect().right());
    captions[entry.name] = CaptionOf(shown);
  }
  EXPECT_EQ(captions["Button1"], "Load book");
  EXPECT_EQ(captions["Button2"], "Generate");
  EXPECT_EQ(captions["CheckBox1"], "drop blank lines");
  EXPECT_EQ(captions["Button5"], "Exit");
  EXPECT_EQ(captions["GroupBox1"], "Target folder for the GIF files");
  EXPECT_EQ(captions["Button10"], "Help");
  EXPECT_EQ(captions["CheckBox6"], "book layout");
}

}  // namespace

namespace {

// `man stronix` describes every control: each caption of the table appears in the page, in
// Polish and in English.
TEST(ControlCaptionTest, TheManualPageDescribesEveryControlInBothLanguages) {
  const QString page = QString::fromStdString(RenderedManPage("stronix"));
  ASSERT_FALSE(page.isEmpty());
  for (const TLanguage language : {TLanguage::Polish, TLanguage::English}) {
    UseLanguage(language);
    for (const TControlDef& entry : Form1Controls())
      if (entry.caption && *entry.caption)
        EXPECT_TRUE(page.contains(Caption(entry))) << entry.name << " " << Caption(entry).toStdString();
  }
  UseLanguage(TLanguage::Polish);
}

}  // namespace
