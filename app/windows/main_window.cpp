// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include <exception>
#include <utility>

#include "app/drawing/appearance.h"
#include "app/run/conversion_run.h"
#include "app/delivery/part_folders.h"
#include "app/text/text_file.h"
#include "app/layout/font_metrics.h"
#include "app/l10n/translation.h"
#include "app/run/run_monitor.h"
#include "app/windows/background_run.h"
#include "app/windows/control_table.h"
#include "app/windows/dialogs.h"
#include "app/windows/help_window.h"
#include "app/windows/memo_view.h"
#include "app/drawing/qt_color.h"
#include "app/windows/run_report_text.h"
#include "app/windows/window_style.h"

namespace {

// The window has grown by the row of run options and the status line below the original
// controls.
constexpr QRect kOuterGeometry(193, 107, 626, 426);
// The status line: what the last run wrote where.
constexpr QRect kStatusGeometry(8, 374, 602, 16);

// Pages per folder when splitting: 500 to begin with.
constexpr int kInitialPagesPerFolder = 500;

// The controls whose change would alter a run under way: disabled while it runs.
// "przy generowaniu" is the check box's second line and greys with it.
constexpr const char* kRunInputs[] = {"Button1",  "Button2",   "GroupBox2", "CheckBox1", "Label2",   "Button12",
                                      "Button13", "CheckBox2", "CheckBox3", "CheckBox4", "SpinEdit1", "CheckBox5"};

}  // namespace

TForm1::TForm1(TDialogs& dialogs, QWidget* parent, TCardPhotoFolders cardFolders)
    : QWidget(parent), dialogs_(dialogs), cardFolders_(std::move(cardFolders)) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setFont(SansSerifFont(11));
  SetOuterGeometry(this, kOuterGeometry);
  FitOnScreen(this);

  createControls();
  connectHandlers();
  createHelpWindow();
  showState();
  // Activation refreshes it again; this covers a desktop that shows the window without
  // activating it, so the preview never starts in the interface font.
  RefreshPreview();
}

// The run, if any, is cancelled and joined before the state it writes goes.
TForm1::~TForm1() = default;

void TForm1::createControls() {
  CreateControls(this, [this](QWidget* parent) { return memo_ = new TMemoView(state_.Memo(), parent); });
  edit1_ = findChild<QLineEdit*>("Edit1");
  checkBox1_ = findChild<QCheckBox*>("CheckBox1");
  chapterPages_ = findChild<QCheckBox*>("CheckBox2");
  pageTimes_ = findChild<QCheckBox*>("CheckBox3");
  splitFolders_ = findChild<QCheckBox*>("CheckBox4");
  pagesPerFolder_ = findChild<QSpinBox*>("SpinEdit1");
  compactPages_ = findChild<QCheckBox*>("CheckBox5");
  targetFolder_ = findChild<QLineEdit*>("katalog_docelowy");
  progressBar_ = findChild<QProgressBar*>("ProgressBar1");
  progressText_ = findChild<QLabel*>("Label4");
  cancelButton_ = findChild<QPushButton*>("Button11");
  cardButton_ = findChild<QPushButton*>("Button13");
  // Not a row of the control table: it shows a run's outcome, never a caption.
  statusLine_ = new QLabel(this);
  statusLine_->setObjectName("StatusLine");
  statusLine_->setGeometry(kStatusGeometry);

  targetFolder_->setReadOnly(true);
  const TRunSettings& settings = state_.Settings();
  checkBox1_->setChecked(settings.squeezeBlankLines);
  pageTimes_->setChecked(settings.pageTimes);
  compactPages_->setChecked(settings.compactPages);
  pagesPerFolder_->setRange(kMinPagesPerFolder, kMaxPagesPerFolder);
  pagesPerFolder_->setValue(kInitialPagesPerFolder);
  splitFolders_->setChecked(false);
  showRunning(false);
}

void TForm1::connectHandlers() {
  const std::pair<const char*, void (TForm1::*)()> handlers[] = {
      {"Button1", &TForm1::Button1Click},     {"Button2", &TForm1::Button2Click},
      {"Button3", &TForm1::Button3Click},     {"Button4", &TForm1::Button4Click},
      {"Button5", &TForm1::Button5Click},     {"Button6", &TForm1::Button6Click},
      {"Button7", &TForm1::Button7Click},     {"Button8", &TForm1::Button8Click},
      {"Button9", &TForm1::Button9Click},     {"Button10", &TForm1::Button10Click},
      {"Button11", &TForm1::Button11Click},   {"Button12", &TForm1::Button12Click},
      {"Button13", &TForm1::Button13Click},   {"CheckBox2", &TForm1::CheckBox2Click},
      {"CheckBox4", &TForm1::CheckBox4Click},
  };
  // `clicked` comes from the user only, so showing the state in a check box calls nothing.
  for (const auto& [name, handler] : handlers)
    connect(findChild<QAbstractButton*>(name), &QAbstractButton::clicked, this, handler);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &TForm1::Button11Click);
}

void TForm1::createHelpWindow() { pomoc_ = new Tpomoc(this); }

void TForm1::showState() {
  memo_->Refresh();
  chapterPages_->setChecked(state_.Settings().chapterPages);
  showTargetFolder();
}

void TForm1::showTargetFolder() {
  targetFolder_->setText(QString::fromStdString(state_.Settings().targetFolder));
}

template <class Action>
void TForm1::guarded(Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const ERunCancelled& cancelled) {
    dialogs_.ShowNotice(LocalizedMessage(cancelled));
  } catch (const Exception& error) {
    dialogs_.ShowError(LocalizedMessage(error), LocalizedReason(error.Reason()));
  } catch (const std::exception& error) {
    dialogs_.ShowError(LocalizedMessage(error), {});  // "Out of memory" for a failed allocation
  }
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (run_) {
    // The worker stops after the page it is writing, a matter of milliseconds.
    run_->Cancel();
    endRun(false);
  }
  pomoc_->close();
  QWidget::closeEvent(event);
}

void TForm1::Button1Click() {
  if (const auto path = dialogs_.OpenTextFile()) LoadBook(*path);
}

void TForm1::LoadBook(const std::string& path) {
  guarded([&] {
    state_.LoadTextFile(path);
    // The book's own folder exists: nothing to create.
    state_.Settings().createFolder = false;
    showState();
    showGenerateEnabled();
    memo_->ScrollToTop();
    RefreshPreview();
  });
}

void TForm1::Button2Click() {
  // The about text is no book: a run waits for one.
  if (run_ || !state_.Book()) return;
  takeRunOptions();
  statusLine_->clear();
  report_ = {};
  run_ = std::make_unique<TBackgroundRun>(
      [this](TRunMonitor& monitor) { report_ = state_.Generate(&monitor); });
  connect(run_.get(), &TBackgroundRun::Progress, this, &TForm1::showProgress);
  // Queued, so that the run object is not destroyed inside its own signal; by then a
  // closing window may have ended the run already.
  connect(
      run_.get(), &TBackgroundRun::Ended, this,
      [this] {
        if (run_) endRun(true);
      },
      Qt::QueuedConnection);
  showRunning(true);
}

void TForm1::takeRunOptions() {
  TRunSettings& settings = state_.Settings();
  settings.squeezeBlankLines = checkBox1_->isChecked();
  settings.pageTimes = pageTimes_->isChecked();
  settings.pagesPerFolder = splitFolders_->isChecked() ? pagesPerFolder_->value() : 0;
  settings.compactPages = compactPages_->isChecked();
}

void TForm1::showRunning(bool running) {
  // The hidden "Przerwij" would pass the focus on to whatever follows it.
  const bool cancelHadFocus = cancelButton_->hasFocus();
  for (const char* name : kRunInputs) findChild<QWidget*>(name)->setEnabled(!running);
  showGenerateEnabled();
  showPagesPerFolderEnabled();
  // The text box hides, so that "TRWA PRZETWARZANIE..." and the progress show in its place.
  memo_->setVisible(!running);
  progressBar_->setVisible(running);
  progressText_->setVisible(running);
  cancelButton_->setVisible(running);
  cancelButton_->setEnabled(running);
  if (running) {
    progressBar_->setRange(0, 0);  // busy until the first page is done
    progressText_->clear();
    cancelButton_->setFocus();
  } else {
    if (cancelHadFocus) findChild<QWidget*>("Button2")->setFocus();
    RefreshCardButton();
  }
}

void TForm1::showGenerateEnabled() { findChild<QWidget*>("Button2")->setEnabled(!run_ && state_.Book()); }

void TForm1::showPagesPerFolderEnabled() {
  const bool enabled = !run_ && splitFolders_->isChecked();
  pagesPerFolder_->setEnabled(enabled);
  findChild<QWidget*>("Label5")->setEnabled(enabled);
}

void TForm1::showProgress(int done, int total) {
  if (!run_) return;
  progressBar_->setRange(0, total);
  progressBar_->setValue(done);
  progressText_->setText(tr("strona %1 z %2").arg(done).arg(total));
}

void TForm1::endRun(bool report) {
  run_->Wait();
  const std::exception_ptr error = run_->Error();
  run_.reset();
  showRunning(false);
  memo_->Refresh();
  if (!error) statusLine_->setText(RunReportText(report_, state_.Settings().targetFolder));
  if (report && error) guarded([&] { std::rethrow_exception(error); });
}

void TForm1::Button3Click() {
  const TFontChoice start = FontDialogStart(state_.Memo().Font());
  const auto chosen = dialogs_.ChooseFont(start);
  if (!chosen) return;
  // A font no page can use is refused now rather than when the pages are made.
  bool usable = false;
  guarded([&] { usable = UsableLinesPerPage(chosen->height) > 0; });
  if (!usable) return;
  TakeFontChoice(state_.Memo(), start, *chosen);
  memo_->Refresh();
  RefreshPreview();
}

void TForm1::Button4Click() {
  const auto color = dialogs_.ChooseColor(state_.Memo().Color());
  if (!color) return;
  state_.Memo().SetColor(*color);
  memo_->Refresh();
  RefreshPreview();
}

void TForm1::Button5Click() { close(); }

void TForm1::Button6Click() { applyColorSet(1); }
void TForm1::Button7Click() { applyColorSet(2); }
void TForm1::Button8Click() { applyColorSet(3); }
void TForm1::Button9Click() { applyColorSet(4); }

void TForm1::applyColorSet(int number) {
  ApplyColorSet(state_.Memo(), number);
  memo_->Refresh();
  RefreshPreview();
}

void TForm1::Button10Click() { pomoc_->show(); }

void TForm1::Button11Click() {
  if (!run_) return;
  run_->Cancel();
  cancelButton_->setEnabled(false);
  progressText_->setText(tr("przerywanie..."));
}

void TForm1::Button12Click() {
  const auto folder = dialogs_.ChooseFolder(state_.Settings().targetFolder);
  if (!folder) return;
  TRunSettings& settings = state_.Settings();
  settings.targetFolder = FolderPrefix(*folder);
  // A chosen folder exists; only a card's book folder may be missing.
  settings.createFolder = false;
  showTargetFolder();
}

void TForm1::Button13Click() {
  guarded([this] {
    const std::vector<std::string> cards = cardFolders_();
    if (cards.size() != 1) {  // taken out, or another put in, since the last look
      RefreshCardButton();
      return;
    }
    TRunSettings& settings = state_.Settings();
    settings.targetFolder = CardBookFolder(cards.front(), settings.chosenFileName);
    // The book's folder on the card is made by the run.
    settings.createFolder = true;
    showTargetFolder();
  });
}

void TForm1::CheckBox2Click() {
  state_.SetChapterPages(chapterPages_->isChecked());
  memo_->Refresh();
}

void TForm1::CheckBox4Click() { showPagesPerFolderEnabled(); }

void TForm1::FormActivate() {
  // While a run is under way the state is the worker's.
  if (run_) return;
  RefreshPreview();
  RefreshCardButton();
}

void TForm1::RefreshCardButton() {
  if (run_) return;
  bool oneCard = false;
  try {
    oneCard = cardFolders_().size() == 1;
  } catch (const std::exception&) {
    // Asked on every activation: a lookup that fails just offers no card, without a message.
  }
  cardButton_->setEnabled(oneCard);
}

void TForm1::RefreshPreview() {
  const TTextBox& box = state_.Memo();
  edit1_->setFont(MakeQFont(box.Font()));
  QPalette palette = edit1_->palette();
  palette.setColor(QPalette::Text, ToQColor(box.Font().color));
  palette.setColor(QPalette::Base, ToQColor(box.Color()));
  edit1_->setPalette(palette);
}
