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

#include <cmath>
#include <iterator>

#include "app/page_layout.h"
#include "app/windows/qt_color.h"

namespace {

// The styles in the order offered; index = bold × 2 + italic.
constexpr const char* kStyleNames[] = {"Normalny", "Kursywa", "Pogrubiony", "Pogrubiona kursywa"};

struct TNamedColor {
  const char* name;
  TColor color;
};

// The sixteen basic colours a font dialog offers for text.
constexpr TNamedColor kTextColors[] = {
    {"Czarny", MakeColor(0, 0, 0)},           {"Bordowy", MakeColor(128, 0, 0)},
    {"Zielony", MakeColor(0, 128, 0)},        {"Oliwkowy", MakeColor(128, 128, 0)},
    {"Granatowy", MakeColor(0, 0, 128)},      {"Purpurowy", MakeColor(128, 0, 128)},
    {"Zielonomodry", MakeColor(0, 128, 128)}, {"Szary", MakeColor(128, 128, 128)},
    {"Srebrny", MakeColor(192, 192, 192)},    {"Czerwony", MakeColor(255, 0, 0)},
    {"Limonkowy", MakeColor(0, 255, 0)},      {"Żółty", MakeColor(255, 255, 0)},
    {"Niebieski", MakeColor(0, 0, 255)},      {"Fuksja", MakeColor(255, 0, 255)},
    {"Akwamaryna", MakeColor(0, 255, 255)},   {"Biały", MakeColor(255, 255, 255)},
};

struct TScriptLabel {
  TFontScript script;
  const char* name;
  const char* sample;  // letters of the script, to show how the face draws them
};

constexpr TScriptLabel kScriptLabels[] = {
    {TFontScript::Western, "Zachodnioeuropejski", "AaBbYyZz"},
    {TFontScript::CentralEuropean, "Środkowoeuropejski", "AaBbĄąŻż"},
    {TFontScript::Cyrillic, "Cyrylica", "AaBbБбФф"},
    {TFontScript::Greek, "Grecki", "AaBbΑαΒβ"},
    {TFontScript::Turkish, "Turecki", "AaBbĞğŞş"},
    {TFontScript::Hebrew, "Hebrajski", "AaBb אבגד"},
    {TFontScript::Arabic, "Arabski", "AaBb ابجد"},
    {TFontScript::Baltic, "Bałtycki", "AaBbĀāŪū"},
    {TFontScript::Vietnamese, "Wietnamski", "AaBbƯưƠơ"},
    {TFontScript::Thai, "Tajski", "AaBb กขคง"},
    {TFontScript::Utf8, "UTF-8", "AaBbĄąБбΑα"},
};
static_assert(std::size(kScriptLabels) == std::size(kAllScripts));

// The size box needs some range; this one is far beyond any page (from 164 pt on not one
// line fits), so no size a user could want is refused.
constexpr int kMaxPoints = 1638;

QVariant ColorData(TColor color) { return QVariant::fromValue(static_cast<uint>(color)); }

}  // namespace

int PixelHeightOfPoints(int points) {
  return -static_cast<int>(std::lround(points * double{kScreenPpi} / 72));
}

int PointsOfPixelHeight(int height) {
  return static_cast<int>(std::lround(-height * 72.0 / kScreenPpi));
}

TFontDialog::TFontDialog(const TFontChoice& start, QWidget* parent) : QDialog(parent) {
  setObjectName("FontDialog1");
  setWindowTitle("Czcionka");
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
  for (const char* name : kStyleNames) style_->addItem(QString::fromUtf8(name));

  size_ = new QSpinBox(this);
  size_->setObjectName("size");
  size_->setRange(1, kMaxPoints);

  strikeOut_ = new QCheckBox(QString::fromUtf8("Przekreślenie"), this);
  strikeOut_->setObjectName("strikeOut");
  underline_ = new QCheckBox(QString::fromUtf8("Podkreślenie"), this);
  underline_->setObjectName("underline");

  color_ = new QComboBox(this);
  color_->setObjectName("color");
  for (const auto& [name, color] : kTextColors) color_->addItem(QString::fromUtf8(name), ColorData(color));

  script_ = new QComboBox(this);
  script_->setObjectName("script");
  for (const auto& label : kScriptLabels)
    script_->addItem(QString::fromUtf8(label.name), QVariant::fromValue(static_cast<int>(label.script)));

  sample_ = new QLabel(this);
  sample_->setObjectName("sample");
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setFixedSize(220, 64);

  for (QComboBox* box : {face_, style_, color_, script_})
    connect(box, &QComboBox::currentIndexChanged, this, &TFontDialog::refreshSample);
  connect(size_, &QSpinBox::valueChanged, this, &TFontDialog::refreshSample);
  for (QCheckBox* box : {strikeOut_, underline_}) connect(box, &QCheckBox::toggled, this, &TFontDialog::refreshSample);
}

void TFontDialog::arrangeControls() {
  auto* fontForm = new QFormLayout;
  fontForm->addRow(QString::fromUtf8("Czcionka:"), face_);
  fontForm->addRow(QString::fromUtf8("Styl czcionki:"), style_);
  fontForm->addRow(QString::fromUtf8("Rozmiar:"), size_);

  auto* effects = new QGroupBox(QString::fromUtf8("Efekty"), this);
  auto* effectsForm = new QFormLayout(effects);
  effectsForm->addRow(strikeOut_);
  effectsForm->addRow(underline_);
  effectsForm->addRow(QString::fromUtf8("Kolor:"), color_);

  auto* sample = new QGroupBox(QString::fromUtf8("Przykład"), this);
  auto* sampleForm = new QFormLayout(sample);
  sampleForm->addRow(sample_);
  sampleForm->addRow(QString::fromUtf8("Skrypt:"), script_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Anuluj"));
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
    color_->addItem(QString::fromUtf8("Niestandardowy"), ColorData(choice.color));
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
