// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtGlobal>
#include <iterator>

#include "app/drawing/qt_color.h"
#include "app/layout/font_size.h"

namespace {

// The styles in the order offered; index = bold × 2 + italic.
constexpr const char* kStyleNames[] = {
    QT_TRANSLATE_NOOP("TFontDialog", "Normalny"), QT_TRANSLATE_NOOP("TFontDialog", "Kursywa"),
    QT_TRANSLATE_NOOP("TFontDialog", "Pogrubiony"), QT_TRANSLATE_NOOP("TFontDialog", "Pogrubiona kursywa")};

struct TNamedColor {
  const char* name;
  TColor color;
};

// The sixteen basic colours a font dialog offers for text.
constexpr TNamedColor kTextColors[] = {
    {QT_TRANSLATE_NOOP("TFontDialog", "Czarny"), MakeColor(0, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Bordowy"), MakeColor(128, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Zielony"), MakeColor(0, 128, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Oliwkowy"), MakeColor(128, 128, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Granatowy"), MakeColor(0, 0, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Purpurowy"), MakeColor(128, 0, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Zielonomodry"), MakeColor(0, 128, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Szary"), MakeColor(128, 128, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Srebrny"), MakeColor(192, 192, 192)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Czerwony"), MakeColor(255, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Limonkowy"), MakeColor(0, 255, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Żółty"), MakeColor(255, 255, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Niebieski"), MakeColor(0, 0, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Fuksja"), MakeColor(255, 0, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Akwamaryna"), MakeColor(0, 255, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Biały"), MakeColor(255, 255, 255)},
};

struct TScriptLabel {
  TFontScript script;
  const char* name;
  const char* sample;  // letters of the script, to show how the face draws them
};

constexpr TScriptLabel kScriptLabels[] = {
    {TFontScript::Western, QT_TRANSLATE_NOOP("TFontDialog", "Zachodnioeuropejski"), "AaBbYyZz"},
    {TFontScript::CentralEuropean, QT_TRANSLATE_NOOP("TFontDialog", "Środkowoeuropejski"), "AaBbĄąŻż"},
    {TFontScript::Cyrillic, QT_TRANSLATE_NOOP("TFontDialog", "Cyrylica"), "AaBbБбФф"},
    {TFontScript::Greek, QT_TRANSLATE_NOOP("TFontDialog", "Grecki"), "AaBbΑαΒβ"},
    {TFontScript::Turkish, QT_TRANSLATE_NOOP("TFontDialog", "Turecki"), "AaBbĞğŞş"},
    {TFontScript::Hebrew, QT_TRANSLATE_NOOP("TFontDialog", "Hebrajski"), "AaBb אבגד"},
    {TFontScript::Arabic, QT_TRANSLATE_NOOP("TFontDialog", "Arabski"), "AaBb ابجد"},
    {TFontScript::Baltic, QT_TRANSLATE_NOOP("TFontDialog", "Bałtycki"), "AaBbĀāŪū"},
    {TFontScript::Vietnamese, QT_TRANSLATE_NOOP("TFontDialog", "Wietnamski"), "AaBbƯưƠơ"},
    {TFontScript::Thai, QT_TRANSLATE_NOOP("TFontDialog", "Tajski"), "AaBb กขคง"},
    {TFontScript::Utf8, QT_TRANSLATE_NOOP("TFontDialog", "UTF-8"), "AaBbĄąБбΑα"},
};
static_assert(std::size(kScriptLabels) == std::size(kAllScripts));

// The size box needs some range; this one is far beyond any page (from 164 pt on not one
// line fits), so no size a user could want is refused.
constexpr int kMaxPoints = 1638;

QVariant ColorData(TColor color) { return QVariant::fromValue(static_cast<uint>(color)); }

}  // namespace

TFontDialog::TFontDialog(const TFontChoice& start, QWidget* parent) : QDialog(parent) {
  setObjectName("FontDialog1");
  setWindowTitle(tr("Czcionka"));
  createControls();
  arrangeControls();
  showChoice(start);
  refreshSample();
}

void TFontDialog::createControls() {
  face_ = new QComboBox(this);
  face_->setObjectName("face");
  face_->addItems(QFontDatabase::families());

  style_ = new QComboBox(this);
  style_->setObjectName("style");
  for (const char* name : kStyleNames) style_->addItem(tr(name));

  size_ = new QSpinBox(this);
  size_->setObjectName("size");
  size_->setRange(1, kMaxPoints);

  strikeOut_ = new QCheckBox(tr("Przekreślenie"), this);
  strikeOut_->setObjectName("strikeOut");
  underline_ = new QCheckBox(tr("Podkreślenie"), this);
  underline_->setObjectName("underline");

  color_ = new QComboBox(this);
  color_->setObjectName("color");
  for (const auto& [name, color] : kTextColors) color_->addItem(tr(name), ColorData(color));

  script_ = new QComboBox(this);
  script_->setObjectName("script");
  for (const auto& label : kScriptLabels)
    script_->addItem(tr(label.name), QVariant::fromValue(static_cast<int>(label.script)));

  sample_ = new QLabel(this);
  sample_->setObjectName("sample");
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setFixedSize(220, 64);

  for (QComboBox* box : {face_, style_, color_, script_})
    connect(box, &QComboBox::currentIndexChanged, this, &TFontDialog::refreshSample);
  connect(size_, &QSpinBox::valueChanged, this, &TFontDialog::refreshSample);
  for (QCheckBox* box : {strikeOut_, underline_})
    connect(box, &QCheckBox::toggled, this, &TFontDialog::refreshSample);
}

void TFontDialog::arrangeControls() {
  auto* fontForm = new QFormLayout;
  fontForm->addRow(tr("Czcionka:"), face_);
  fontForm->addRow(tr("Styl czcionki:"), style_);
  fontForm->addRow(tr("Rozmiar:"), size_);

  auto* effects = new QGroupBox(tr("Efekty"), this);
  auto* effectsForm = new QFormLayout(effects);
  effectsForm->addRow(strikeOut_);
  effectsForm->addRow(underline_);
  effectsForm->addRow(tr("Kolor:"), color_);

  auto* sample = new QGroupBox(tr("Przykład"), this);
  auto* sampleForm = new QFormLayout(sample);
  sampleForm->addRow(sample_);
  sampleForm->addRow(tr("Skrypt:"), script_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fontForm);
  layout->addWidget(effects);
  layout->addWidget(sample);
  layout->addWidget(buttons);
}

void TFontDialog::showChoice(const TFontChoice& choice) {
  const QString face = QString::fromStdString(choice.face);
  // A face the system lacks (it is then drawn in a substitute) is still the font's own name.
  if (face_->findText(face) < 0) face_->insertItem(0, face);
  face_->setCurrentText(face);
  style_->setCurrentIndex(int{choice.weight > kNormalWeight} * 2 + int{choice.italic});
  size_->setValue(PointsOfPixelHeight(choice.height));
  strikeOut_->setChecked(choice.strikeOut);
  underline_->setChecked(choice.underline);
  if (color_->findData(ColorData(choice.color)) < 0)
    color_->addItem(tr("Niestandardowy"), ColorData(choice.color));
  color_->setCurrentIndex(color_->findData(ColorData(choice.color)));
  script_->setCurrentIndex(script_->findData(QVariant::fromValue(static_cast<int>(choice.script))));
}

TFontChoice TFontDialog::Chosen() const {
  TFontChoice choice;
  choice.face = face_->currentText().toStdString();
  choice.height = PixelHeightOfPoints(size_->value());
  choice.weight = style_->currentIndex() >= 2 ? kBoldWeight : kNormalWeight;
  choice.italic = style_->currentIndex() % 2 == 1;
  choice.underline = underline_->isChecked();
  choice.strikeOut = strikeOut_->isChecked();
  choice.color = color_->currentData().toUInt();
  choice.script = static_cast<TFontScript>(script_->currentData().toInt());
  return choice;
}

void TFontDialog::refreshSample() {
  const TFontChoice choice = Chosen();
  QFont font(QString::fromStdString(choice.face));
  font.setPixelSize(-choice.height);
  font.setWeight(static_cast<QFont::Weight>(choice.weight));
  font.setItalic(choice.italic);
  font.setUnderline(choice.underline);
  font.setStrikeOut(choice.strikeOut);
  sample_->setFont(font);
  sample_->setText(QString::fromUtf8(kScriptLabels[script_->currentIndex()].sample));
  QPalette palette = sample_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(choice.color));
  sample_->setPalette(palette);
}
