// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window `Form1` as data: kind, parent, place and size in the
// parent's client area, caption, tab order and font. The window is built from this table
// with absolute positions, so nothing moves or stretches when the window is resized.
#include <QRect>
#include <QString>
#include <functional>
#include <span>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;
class TMemoView;

enum class TControlKind {
  Panel,
  Label,
  Button,
  Memo,
  GroupBox,
  Edit,
  CheckBox,
  SpinBox,
  ProgressBar,
  ComboBox
};

// The controls the window works with, each a typed member named for what it does; the
// comment gives its name in the table, which is also its object name.
struct TForm1Controls {
  QPushButton* loadButton = nullptr;        // Button1 "Załaduj TXT"
  QPushButton* generateButton = nullptr;    // Button2 "Generuj"
  TMemoView* memo = nullptr;                // Memo1, the book
  QGroupBox* fontBox = nullptr;             // GroupBox2 "czcionka"
  QLineEdit* preview = nullptr;             // Edit1
  QPushButton* fontButton = nullptr;        // Button3 "Font"
  QPushButton* backgroundButton = nullptr;  // Button4 "Tło"
  QPushButton* colorSet1Button = nullptr;   // Button6 "1"
  QPushButton* colorSet2Button = nullptr;   // Button7 "2"
  QPushButton* colorSet3Button = nullptr;   // Button8 "3"
  QPushButton* colorSet4Button = nullptr;   // Button9 "4"
  QCheckBox* squeezeBlankLines = nullptr;   // CheckBox1 "usuwaj puste linie"
  QLabel* squeezeCaption = nullptr;         // Label2 "przy generowaniu", its second line
  QLineEdit* targetFolder = nullptr;        // katalog_docelowy
  QPushButton* exitButton = nullptr;        // Button5 "Wyjdź"
  QPushButton* helpButton = nullptr;        // Button10 "Help"
  QProgressBar* progressBar = nullptr;      // ProgressBar1
  QLabel* progressText = nullptr;           // Label4
  QPushButton* cancelButton = nullptr;      // Button11 "Przerwij"
  QPushButton* folderButton = nullptr;      // Button12 "…"
  QPushButton* cardButton = nullptr;        // Button13 "Na kartę"
  QCheckBox* chapterPages = nullptr;        // CheckBox2 "rozdział od nowej strony"
  QCheckBox* pageTimes = nullptr;           // CheckBox3 "czas plików w kolejności stron"
  QCheckBox* splitFolders = nullptr;        // CheckBox4 "dziel na foldery po"
  QSpinBox* pagesPerFolder = nullptr;       // SpinEdit1
  QLabel* pagesCaption = nullptr;           // Label5 "stron"
  QCheckBox* compactPages = nullptr;        // CheckBox5 "małe pliki"
  QCheckBox* bookLayout = nullptr;          // CheckBox6 "skład książkowy"
  QComboBox* screenSize = nullptr;          // ComboBox1: the book layout's screen
  QLabel* scriptLabel = nullptr;            // Label6: the code page the book is read in
  QLabel* screenCaption = nullptr;          // Label7 "ekran konsoli", the screen box's label
  QPushButton* recentButton = nullptr;      // Button15 "Ostatnie ▾": the books loaded last
  QPushButton* previewButton = nullptr;     // Button14 "Podgląd": the preview window
  QPushButton* openFolderButton = nullptr;  // Button16 "Otwórz folder": after a run, its folder
};

struct TControlDef {
  const char* name;
  TControlKind kind;
  const char* parent;  // nullptr: the window itself
  QRect geometry;
  const char* caption;  // UTF-8, Polish; nullptr for the text box, whose text is the book
  int tabOrder;         // among the parent's controls; -1 for labels, which take no focus
  int fontHeight;       // pixel height of an own "MS Sans Serif"; 0 keeps the window's font
  bool bold;
  // Sets the control's member of TForm1Controls; nullptr for the controls the window leaves alone.
  void (*bind)(TForm1Controls& controls, QWidget* control);
};

// Every control of `Form1`, parents before their children.
std::span<const TControlDef> Form1Controls();

// The caption of `entry` in the language in use (context "Form1" of the catalogues).
QString Caption(const TControlDef& entry);

// Creates the table's controls on `form`, each named after its row, and returns the ones the
// window works with. The text box is made by `makeMemo` (it shows a model the table knows
// nothing of). Labels lie beneath the controls that follow them and widen to their caption
// when it needs more room; Tab moves through the controls as the tab orders say, container
// by container.
TForm1Controls CreateControls(QWidget* form, const std::function<TMemoView*(QWidget* parent)>& makeMemo);
