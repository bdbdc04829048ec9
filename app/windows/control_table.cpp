// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/control_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <map>
#include <string_view>
#include <type_traits>
#include <vector>

#include "app/drawing/screen_size.h"
#include "app/windows/memo_view.h"
#include "app/windows/window_style.h"

namespace {

using enum TControlKind;

// Sets the member `member` of TForm1Controls to `control`, as the member's own type; a row
// whose kind makes another type leaves it null, which the window's first use shows.
template <auto member>
void Bind(TForm1Controls& controls, QWidget* control) {
  using TMember = std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
  controls.*member = qobject_cast<TMember*>(control);
}

// A later sibling covers an earlier one, so "TRWA PRZETWARZANIE..." comes before the text box.
constexpr TControlDef kControls[] = {
    {"Panel1", Panel, nullptr, QRect(3, 3, 606, 288), "", 0, 0, false, nullptr},
    {"Label1", Label, "Panel1", QRect(40, 112, 427, 37), QT_TRANSLATE_NOOP("Form1", "TRWA PRZETWARZANIE..."),
     -1, 32, true, nullptr},
    {"Label2", Label, "Panel1", QRect(510, 48, 83, 13), QT_TRANSLATE_NOOP("Form1", "przy generowaniu"), -1, 0,
     false, Bind<&TForm1Controls::squeezeCaption>},
    {"Button1", Button, "Panel1", QRect(490, 6, 112, 22), QT_TRANSLATE_NOOP("Form1", "Załaduj TXT"), 0, 0,
     false, Bind<&TForm1Controls::loadButton>},
    {"Button2", Button, "Panel1", QRect(491, 228, 111, 51), QT_TRANSLATE_NOOP("Form1", "Generuj"), 1, 0,
     false, Bind<&TForm1Controls::generateButton>},
    {"Memo1", Memo, "Panel1", QRect(8, 7, 480, 272), nullptr, 2, 0, false, Bind<&TForm1Controls::memo>},
    {"GroupBox2", GroupBox, "Panel1", QRect(490, 64, 113, 129), QT_TRANSLATE_NOOP("Form1", "czcionka"), 3, 0,
     false, Bind<&TForm1Controls::fontBox>},
    {"Edit1", Edit, "GroupBox2", QRect(4, 15, 104, 21), QT_TRANSLATE_NOOP("Form1", "abcDEF"), 0, 0, false,
     Bind<&TForm1Controls::preview>},
    {"Button3", Button, "GroupBox2", QRect(42, 60, 65, 25), QT_TRANSLATE_NOOP("Form1", "Font"), 1, 0, false,
     Bind<&TForm1Controls::fontButton>},
    {"Button4", Button, "GroupBox2", QRect(4, 60, 34, 25), QT_TRANSLATE_NOOP("Form1", "Tło"), 2, 0, false,
     Bind<&TForm1Controls::backgroundButton>},
    {"Label3", Label, "GroupBox2", QRect(4, 88, 43, 13), QT_TRANSLATE_NOOP("Form1", "Zestawy:"), -1, 0, false,
     nullptr},
    {"Button6", Button, "GroupBox2", QRect(3, 105, 23, 19), QT_TRANSLATE_NOOP("Form1", "1"), 3, 0, false,
     Bind<&TForm1Controls::colorSet1Button>},
    {"Button7", Button, "GroupBox2", QRect(29, 105, 23, 19), QT_TRANSLATE_NOOP("Form1", "2"), 4, 0, false,
     Bind<&TForm1Controls::colorSet2Button>},
    {"Button8", Button, "GroupBox2", QRect(56, 105, 23, 19), QT_TRANSLATE_NOOP("Form1", "3"), 5, 0, false,
     Bind<&TForm1Controls::colorSet3Button>},
    {"Button9", Button, "GroupBox2", QRect(82, 105, 23, 19), QT_TRANSLATE_NOOP("Form1", "4"), 6, 0, false,
     Bind<&TForm1Controls::colorSet4Button>},
    {"CheckBox1", CheckBox, "Panel1", QRect(493, 32, 108, 17),
     QT_TRANSLATE_NOOP("Form1", "usuwaj puste linie"), 4, 0, false, Bind<&TForm1Controls::squeezeBlankLines>},
    {"GroupBox1", GroupBox, nullptr, QRect(3, 293, 398, 52),
     QT_TRANSLATE_NOOP("Form1", "Katalog docelowy do składowania plików GIF"), 1, 0, false, nullptr},
    {"katalog_docelowy", Edit, "GroupBox1", QRect(5, 18, 380, 24), "", 0, 13, false,
     Bind<&TForm1Controls::targetFolder>},
    {"Button5", Button, nullptr, QRect(494, 295, 115, 50), QT_TRANSLATE_NOOP("Form1", "Wyjdź"), 2, 0, false,
     Bind<&TForm1Controls::exitButton>},
    {"Button10", Button, nullptr, QRect(410, 320, 75, 25), QT_TRANSLATE_NOOP("Form1", "Help"), 3, 0, false,
     Bind<&TForm1Controls::helpButton>},
    // Added later, where they move none of the above: the run's progress over the hidden
    // text box, the folder buttons beside the target folder, the run's options in a row of
    // their own below.
    {"ProgressBar1", ProgressBar, "Panel1", QRect(40, 160, 427, 20), nullptr, -1, 0, false,
     Bind<&TForm1Controls::progressBar>},
    {"Label4", Label, "Panel1", QRect(40, 186, 427, 16), "", -1, 13, false,
     Bind<&TForm1Controls::progressText>},
    {"Button11", Button, "Panel1", QRect(203, 212, 100, 25), QT_TRANSLATE_NOOP("Form1", "Przerwij"), 5, 0,
     false, Bind<&TForm1Controls::cancelButton>},
    {"Button12", Button, nullptr, QRect(404, 298, 25, 21), QT_TRANSLATE_NOOP("Form1", "…"), 4, 0, false,
     Bind<&TForm1Controls::folderButton>},
    {"Button13", Button, nullptr, QRect(432, 298, 58, 21), QT_TRANSLATE_NOOP("Form1", "Na kartę"), 5, 0,
     false, Bind<&TForm1Controls::cardButton>},
    {"CheckBox2", CheckBox, nullptr, QRect(8, 352, 150, 17),
     QT_TRANSLATE_NOOP("Form1", "rozdział od nowej strony"), 6, 0, false,
     Bind<&TForm1Controls::chapterPages>},
    {"CheckBox3", CheckBox, nullptr, QRect(165, 352, 180, 17),
     QT_TRANSLATE_NOOP("Form1", "czas plików w kolejności stron"), 7, 0, false,
     Bind<&TForm1Controls::pageTimes>},
    {"CheckBox4", CheckBox, nullptr, QRect(352, 352, 120, 17),
     QT_TRANSLATE_NOOP("Form1", "dziel na foldery po"), 8, 0, false, Bind<&TForm1Controls::splitFolders>},
    {"SpinEdit1", SpinBox, nullptr, QRect(474, 350, 56, 21), nullptr, 9, 0, false,
     Bind<&TForm1Controls::pagesPerFolder>},
    {"Label5", Label, nullptr, QRect(534, 354, 40, 13), QT_TRANSLATE_NOOP("Form1", "stron"), -1, 0, false,
     Bind<&TForm1Controls::pagesCaption>},
    // In the free space between "czcionka" and "Generuj", under "usuwaj puste linie".
    {"CheckBox5", CheckBox, "Panel1", QRect(493, 204, 108, 17), QT_TRANSLATE_NOOP("Form1", "małe pliki"), 6,
     0, false, Bind<&TForm1Controls::compactPages>},
    // A row of its own below the status line, which the window grew to hold.
    {"CheckBox6", CheckBox, nullptr, QRect(8, 394, 150, 17), QT_TRANSLATE_NOOP("Form1", "skład książkowy"),
     10, 0, false, Bind<&TForm1Controls::bookLayout>},
    // Beside it, the screen the book layout's pages are made for.
    {"ComboBox1", ComboBox, nullptr, QRect(165, 392, 90, 21), nullptr, 11, 0, false,
     Bind<&TForm1Controls::screenSize>},
    // In the font box's free row under "abcDEF": the code page the book is read in.
    {"Label6", Label, "GroupBox2", QRect(6, 40, 102, 15), "", -1, 0, false,
     Bind<&TForm1Controls::scriptLabel>},
    // The rest of the bottom row: the screen box's label, the recent books, the preview
    // under "Wyjdź"; and the target folder's button at the status line's end.
    {"Label7", Label, nullptr, QRect(262, 396, 60, 13), QT_TRANSLATE_NOOP("Form1", "ekran konsoli"), -1, 0,
     false, Bind<&TForm1Controls::screenCaption>},
    {"Button15", Button, nullptr, QRect(352, 390, 110, 24), QT_TRANSLATE_NOOP("Form1", "Ostatnie ▾"), 12, 0,
     false, Bind<&TForm1Controls::recentButton>},
    {"Button14", Button, nullptr, QRect(494, 390, 115, 24), QT_TRANSLATE_NOOP("Form1", "Podgląd"), 13, 0,
     false, Bind<&TForm1Controls::previewButton>},
    {"Button16", Button, nullptr, QRect(494, 372, 115, 18), QT_TRANSLATE_NOOP("Form1", "Otwórz folder"), 14,
     0, false, Bind<&TForm1Controls::openFolderButton>},
};

QWidget* MakeControl(const TControlDef& entry, QWidget* parent,
                     const std::function<TMemoView*(QWidget* parent)>& makeMemo) {
  const QString caption = Caption(entry);
  switch (entry.kind) {
    case Panel: {
      auto* panel = new QFrame(parent);
      panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
      return panel;
    }
    case Label: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Button:
      return new QPushButton(caption, parent);
    case Memo:
      return makeMemo(parent);
    case GroupBox:
      return new QGroupBox(caption, parent);
    case Edit:
      return new QLineEdit(caption, parent);
    case CheckBox:
      return new QCheckBox(caption, parent);
    case SpinBox:
      return new QSpinBox(parent);
    case ProgressBar:
      return new QProgressBar(parent);
    case ComboBox: {
      auto* box = new QComboBox(parent);
      for (const TScreenSize& screen : kScreenPresets)
        box->addItem(QString::fromStdString(ScreenSizeText(screen)));
      return box;
    }
  }
  return nullptr;
}

// Appends to `chain` the focusable controls of `parent` in tab order, entering containers.
void CollectTabChain(std::string_view parent, const std::map<std::string_view, QWidget*>& widgets,
                     std::vector<QWidget*>& chain) {
  std::vector<const TControlDef*> children;
  for (const TControlDef& entry : kControls)
    if (std::string_view(entry.parent ? entry.parent : "") == parent && entry.tabOrder >= 0)
      children.push_back(&entry);
  std::ranges::sort(children, {}, &TControlDef::tabOrder);
  for (const TControlDef* child : children) {
    if (child->kind == Panel || child->kind == GroupBox)
      CollectTabChain(child->name, widgets, chain);
    else
      chain.push_back(widgets.at(child->name));
  }
}

}  // namespace

std::span<const TControlDef> Form1Controls() { return kControls; }

QString Caption(const TControlDef& entry) {
  if (!entry.caption || !*entry.caption) return {};
  return QCoreApplication::translate("Form1", entry.caption);
}

TForm1Controls CreateControls(QWidget* form, const std::function<TMemoView*(QWidget* parent)>& makeMemo) {
  TForm1Controls controls;
  std::map<std::string_view, QWidget*> widgets;
  for (const TControlDef& entry : kControls) {
    QWidget* parent = entry.parent ? widgets.at(entry.parent) : form;
    QWidget* control = MakeControl(entry, parent, makeMemo);
    control->setObjectName(entry.name);
    control->setGeometry(entry.geometry);
    if (entry.fontHeight != 0) control->setFont(SansSerifFont(entry.fontHeight, entry.bold));
    // Labels widen to their caption, so that a face a little wider than the one the table
    // was laid out in does not cut it.
    if (entry.kind == Label)
      control->resize(std::max(entry.geometry.width(), control->sizeHint().width()), entry.geometry.height());
    widgets.emplace(entry.name, control);
    if (entry.bind) entry.bind(controls, control);
  }
  std::vector<QWidget*> chain;
  CollectTabChain("", widgets, chain);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  return controls;
}
