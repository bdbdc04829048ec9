// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QUrl>
#include <exception>
#include <utility>

#include "app/delivery/book_name.h"
#include "app/delivery/card_finder.h"
#include "app/delivery/part_folders.h"
#include "app/drawing/appearance.h"
#include "app/drawing/qt_color.h"
#include "app/l10n/translation.h"
#include "app/layout/font_metrics.h"
#include "app/run/conversion_run.h"
#include "app/run/run_monitor.h"
#include "app/text/text_file.h"
#include "app/windows/background_run.h"
#include "app/windows/capital_first.h"
#include "app/windows/control_table.h"
#include "app/windows/dialogs.h"
#include "app/windows/help_window.h"
#include "app/windows/memo_view.h"
#include "app/windows/preview_window.h"
#include "app/windows/run_report_text.h"
#include "app/windows/window_settings.h"
#include "app/windows/window_style.h"

namespace {

// The window's height leaves room for the row of run options, the status line and the row of
// "skład książkowy" below the other controls.
constexpr QRect kOuterGeometry(193, 107, 626, 448);
// The status line: what the last run wrote where.
constexpr QRect kStatusGeometry(8, 374, 482, 16);
// How often the mount table is looked at for a card put in or taken out.
constexpr int kMountPollMs = 3000;

// Pages per folder when splitting: 500 to begin with.
constexpr int kInitialPagesPerFolder = 500;

// The local file a drop brings, if it brings one.
std::optional<std::string> DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().front().isLocalFile())
    return std::nullopt;
  return data->urls().front().toLocalFile().toStdString();
}

}  // namespace

TForm1::TForm1(TDialogs& dialogs, QWidget* parent, TCardPhotoFolders cardFolders)
    : QWidget(parent), dialogs_(dialogs), cardFolders_(std::move(cardFolders)) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setFont(SansSerifFont(11));
  SetOuterGeometry(this, kOuterGeometry);
  FitOnScreen(this);

  createControls();
  restoreChoices();
  connectHandlers();
  createHelpWindow();
  showState();
  setAcceptDrops(true);
  watchMounts();
  // Activation refreshes it again; this covers a desktop that shows the window without
  // activating it, so the preview never starts in the interface font.
  RefreshPreview();
}

// The run, if any, is cancelled and joined before the report it writes goes.
TForm1::~TForm1() = default;

void TForm1::createControls() {
  controls_ = CreateControls(this, [this](QWidget* parent) { return new TMemoView(state_.Memo(), parent); });
  // Not a row of the control table: it shows a run's outcome, never a caption.
  statusLine_ = new QLabel(this);
  statusLine_->setObjectName("StatusLine");
  statusLine_->setGeometry(kStatusGeometry);

  controls_.targetFolder->setReadOnly(true);
  const TRunSettings& settings = state_.Settings();
  controls_.squeezeBlankLines->setChecked(settings.squeezeBlankLines);
  controls_.pageTimes->setChecked(settings.pageTimes);
  controls_.compactPages->setChecked(settings.compactPages);
  controls_.pagesPerFolder->setRange(kMinPagesPerFolder, kMaxPagesPerFolder);
  controls_.pagesPerFolder->setValue(kInitialPagesPerFolder);
  controls_.splitFolders->setChecked(false);
  // Only the window takes a dropped book; the sample box would take its name as text.
  controls_.preview->setAcceptDrops(false);
  controls_.screenCaption->setBuddy(controls_.screenSize);
  controls_.scriptLabel->setToolTip(tr("Kodowanie, w którym czytana jest książka"));
  controls_.openFolderButton->hide();
  recentMenu_ = new QMenu(this);
  recentMenu_->setObjectName("RecentBooks");
  controls_.recentButton->setMenu(recentMenu_);
  // The caption's "▾" says it already; a second arrow from the style would repeat it.
  controls_.recentButton->setStyleSheet(
      QStringLiteral("QPushButton::menu-indicator { image: none; width: 0; }"));
  showRunning(false);
}

void TForm1::restoreChoices() {
  const std::optional<TWindowChoices> kept = LoadWindowChoices();
  if (!kept) return;  // the very first start: the start state as it always was
  state_.Memo().SetFont(kept->font);
  state_.Memo().SetColor(kept->background);
  state_.SetEightBitScript(kept->font.script);
  colorSet_ = kept->colorSet;
  TRunSettings& settings = state_.Settings();
  settings.squeezeBlankLines = kept->squeezeBlankLines;
  settings.chapterPages = kept->chapterPages;
  settings.pageTimes = kept->pageTimes;
  settings.compactPages = kept->compactPages;
  settings.layout = kept->bookLayout ? TLayoutKind::Book : TLayoutKind::Classic;
  controls_.squeezeBlankLines->setChecked(kept->squeezeBlankLines);
  controls_.pageTimes->setChecked(kept->pageTimes);
  controls_.compactPages->setChecked(kept->compactPages);
  controls_.splitFolders->setChecked(kept->splitFolders);
  controls_.pagesPerFolder->setValue(kept->pagesPerFolder);
  if (kept->screen >= 0 && kept->screen < controls_.screenSize->count())
    controls_.screenSize->setCurrentIndex(kept->screen);
  takeRunOptions();
  showPagesPerFolderEnabled();
}

void TForm1::keepChoices() {
  const TForm1Controls& c = controls_;
  TWindowChoices choices;
  choices.font = state_.Memo().Font();
  choices.background = state_.Memo().Color();
  choices.colorSet = colorSet_;
  choices.squeezeBlankLines = c.squeezeBlankLines->isChecked();
  choices.chapterPages = c.chapterPages->isChecked();
  choices.pageTimes = c.pageTimes->isChecked();
  choices.compactPages = c.compactPages->isChecked();
  choices.splitFolders = c.splitFolders->isChecked();
  choices.pagesPerFolder = c.pagesPerFolder->value();
  choices.bookLayout = c.bookLayout->isChecked();
  choices.screen = c.screenSize->currentIndex();
  SaveWindowChoices(choices);
}

void TForm1::optionsChanged() {
  if (run_) return;
  takeRunOptions();
  keepChoices();
  showScreenEnabled();
  if (preview_ && preview_->isVisible()) preview_->ShowJob(state_.Job());
}

void TForm1::showScript() {
  controls_.scriptLabel->setText(QString::fromUtf8(CodePageName(state_.Memo().Font().script)));
}

void TForm1::showScreenEnabled() {
  const bool enabled = !run_ && controls_.bookLayout->isChecked();
  controls_.screenSize->setEnabled(enabled);
  controls_.screenCaption->setEnabled(enabled);
}

void TForm1::fillRecentMenu() {
  recentMenu_->clear();
  const std::vector<std::string> books = LoadRecentBooks();
  for (const std::string& book : books)
    recentMenu_->addAction(QString::fromStdString(book), this, [this, book] { LoadBook(book); });
  if (books.empty()) recentMenu_->addAction(tr("(brak)"))->setEnabled(false);
}

void TForm1::watchMounts() {
  mountTable_ = MountTable();
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] {
    std::string table = MountTable();
    if (table == mountTable_) return;
    mountTable_ = std::move(table);
    RefreshCardButton();
  });
  timer->start(kMountPollMs);
}

void TForm1::connectHandlers() {
  const TForm1Controls& c = controls_;
  const std::pair<QAbstractButton*, void (TForm1::*)()> handlers[] = {
      {c.loadButton, &TForm1::Button1Click},        {c.generateButton, &TForm1::Button2Click},
      {c.fontButton, &TForm1::Button3Click},        {c.backgroundButton, &TForm1::Button4Click},
      {c.exitButton, &TForm1::Button5Click},        {c.colorSet1Button, &TForm1::Button6Click},
      {c.colorSet2Button, &TForm1::Button7Click},   {c.colorSet3Button, &TForm1::Button8Click},
      {c.colorSet4Button, &TForm1::Button9Click},   {c.helpButton, &TForm1::Button10Click},
      {c.cancelButton, &TForm1::Button11Click},     {c.folderButton, &TForm1::Button12Click},
      {c.cardButton, &TForm1::Button13Click},       {c.chapterPages, &TForm1::CheckBox2Click},
      {c.splitFolders, &TForm1::CheckBox4Click},    {c.previewButton, &TForm1::Button14Click},
      {c.openFolderButton, &TForm1::Button16Click},
  };
  // `clicked` comes from the user only, so showing the state in a check box calls nothing.
  for (const auto& [button, handler] : handlers) connect(button, &QAbstractButton::clicked, this, handler);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &TForm1::Button11Click);
  // Every option is kept and shown in the preview as it changes.
  for (QAbstractButton* box :
       {c.squeezeBlankLines, c.chapterPages, c.pageTimes, c.splitFolders, c.compactPages, c.bookLayout})
    connect(box, &QAbstractButton::clicked, this, &TForm1::optionsChanged);
  connect(c.pagesPerFolder, &QSpinBox::valueChanged, this, &TForm1::optionsChanged);
  connect(c.screenSize, &QComboBox::currentIndexChanged, this, &TForm1::optionsChanged);
  connect(recentMenu_, &QMenu::aboutToShow, this, &TForm1::fillRecentMenu);
  // "Załaduj TXT"'s context menu offers the same books.
  c.loadButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(c.loadButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { recentMenu_->popup(controls_.loadButton->mapToGlobal(at)); });
}

void TForm1::createHelpWindow() { pomoc_ = new Tpomoc(this); }

void TForm1::showState() {
  controls_.memo->Refresh();
  controls_.chapterPages->setChecked(state_.Settings().chapterPages);
  // A load sets the layout as it does chapter pages: a book for EPUB, FB2 and HTML.
  controls_.bookLayout->setChecked(state_.Settings().layout == TLayoutKind::Book);
  showTargetFolder();
  showScript();
  showScreenEnabled();
}

void TForm1::showTargetFolder() {
  controls_.targetFolder->setText(QString::fromStdString(state_.Settings().targetFolder));
}

template <class Action>
void TForm1::guarded(Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const ERunCancelled& cancelled) {
    dialogs_.ShowNotice(LocalizedMessage(cancelled));
  } catch (const Exception& error) {
    dialogs_.ShowError(WithCapitalFirst(LocalizedMessage(error)), LocalizedReason(error.Reason()));
  } catch (const std::exception& error) {
    dialogs_.ShowError(WithCapitalFirst(LocalizedMessage(error)),
                       {});  // "Out of memory" for a failed allocation
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
  if (preview_) preview_->close();
  QWidget::closeEvent(event);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!run_ && DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = DroppedFile(event->mimeData());
  if (run_ || !path) return;
  event->acceptProposedAction();
  LoadBook(*path);
}

void TForm1::Button1Click() {
  if (const auto path = dialogs_.OpenTextFile()) LoadBook(*path);
}

void TForm1::LoadBook(const std::string& path) {
  guarded([&] {
    state_.LoadTextFile(path);
    // The book's own folder exists: nothing to create; a folder the user chose stays.
    state_.Settings().createFolder = false;
    if (chosenFolder_) state_.Settings().targetFolder = *chosenFolder_;
    statusLine_->clear();
    controls_.openFolderButton->hide();
    RememberRecentBook(path);
    showState();
    showGenerateEnabled();
    controls_.memo->ScrollToTop();
    RefreshPreview();
    optionsChanged();
  });
}

void TForm1::Button2Click() {
  // The about text is no book: a run waits for one.
  if (run_ || !state_.Book()) return;
  takeRunOptions();
  if (!confirmTarget()) return;
  statusLine_->clear();
  controls_.openFolderButton->hide();
  report_ = {};
  // The worker converts its own snapshot and reads nothing of the window's state.
  run_ = std::make_unique<TBackgroundRun>(
      [this, job = state_.Job()](TRunMonitor& monitor) { report_ = RunConversion(job, &monitor); });
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

bool TForm1::confirmTarget() {
  TRunSettings& settings = state_.Settings();
  const std::optional<std::string> other = OtherBookInTarget(settings);
  if (!other) return true;
  switch (dialogs_.AskReplaceBook(*other, settings.targetFolder)) {
    case TDialogs::TReplaceAnswer::Replace:
      return true;
    case TDialogs::TReplaceAnswer::SeparateFolder:
      // A folder of the book's own name beside the other book's pages, made by the run.
      settings.targetFolder =
          FolderPrefix(settings.targetFolder) + FatSafeBookName(settings.chosenFileName) + "/";
      settings.createFolder = true;
      showTargetFolder();
      return true;
    case TDialogs::TReplaceAnswer::Cancel:
      break;
  }
  return false;
}

void TForm1::takeRunOptions() {
  TRunSettings& settings = state_.Settings();
  settings.squeezeBlankLines = controls_.squeezeBlankLines->isChecked();
  settings.pageTimes = controls_.pageTimes->isChecked();
  settings.pagesPerFolder = controls_.splitFolders->isChecked() ? controls_.pagesPerFolder->value() : 0;
  settings.compactPages = controls_.compactPages->isChecked();
  settings.layout = controls_.bookLayout->isChecked() ? TLayoutKind::Book : TLayoutKind::Classic;
  settings.screen =
      kScreenPresets[static_cast<std::size_t>(std::max(0, controls_.screenSize->currentIndex()))];
}

void TForm1::showRunning(bool running) {
  // The hidden "Przerwij" would pass the focus on to whatever follows it.
  const bool cancelHadFocus = controls_.cancelButton->hasFocus();
  // The controls whose change would alter a run under way: disabled while it runs.
  // "przy generowaniu" is the check box's second line and greys with it.
  const TForm1Controls& c = controls_;
  QWidget* const inputs[] = {c.loadButton,     c.generateButton, c.fontBox,        c.squeezeBlankLines,
                             c.squeezeCaption, c.folderButton,   c.cardButton,     c.chapterPages,
                             c.pageTimes,      c.splitFolders,   c.pagesPerFolder, c.compactPages,
                             c.bookLayout,     c.screenSize};
  for (QWidget* input : inputs) input->setEnabled(!running);
  showGenerateEnabled();
  showPagesPerFolderEnabled();
  showScreenEnabled();
  controls_.recentButton->setEnabled(!running);
  // The text box hides, so that "TRWA PRZETWARZANIE..." and the progress show in its place.
  controls_.memo->setVisible(!running);
  controls_.progressBar->setVisible(running);
  controls_.progressText->setVisible(running);
  controls_.cancelButton->setVisible(running);
  controls_.cancelButton->setEnabled(running);
  if (running) {
    controls_.progressBar->setRange(0, 0);  // busy until the first page is done
    controls_.progressText->clear();
    controls_.cancelButton->setFocus();
  } else {
    if (cancelHadFocus) controls_.generateButton->setFocus();
    RefreshCardButton();
  }
}

void TForm1::showGenerateEnabled() { controls_.generateButton->setEnabled(!run_ && state_.Book()); }

void TForm1::showPagesPerFolderEnabled() {
  const bool enabled = !run_ && controls_.splitFolders->isChecked();
  controls_.pagesPerFolder->setEnabled(enabled);
  controls_.pagesCaption->setEnabled(enabled);
}

void TForm1::showProgress(int done, int total) {
  if (!run_) return;
  controls_.progressBar->setRange(0, total);
  controls_.progressBar->setValue(done);
  controls_.progressText->setText(tr("strona %1 z %2").arg(done).arg(total));
}

void TForm1::endRun(bool report) {
  run_->Wait();
  const std::exception_ptr error = run_->Error();
  run_.reset();
  showRunning(false);
  if (!error) state_.ShowRunEnd(report_);
  controls_.memo->Refresh();
  if (!error) {
    statusLine_->setText(RunReportText(report_, state_.Settings().targetFolder));
    controls_.openFolderButton->setVisible(report_.filesWritten > 0);
  }
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
  // A script chosen here holds for the next book instead of the one the book's bytes suggest.
  if (chosen->script != start.script) state_.ChooseScript(state_.Memo().Font().script);
  controls_.memo->Refresh();
  RefreshPreview();
  showScript();
  optionsChanged();
}

void TForm1::Button4Click() {
  const auto color = dialogs_.ChooseColor(state_.Memo().Color());
  if (!color) return;
  state_.Memo().SetColor(*color);
  controls_.memo->Refresh();
  RefreshPreview();
  optionsChanged();
}

void TForm1::Button5Click() { close(); }

void TForm1::Button6Click() { applyColorSet(1); }
void TForm1::Button7Click() { applyColorSet(2); }
void TForm1::Button8Click() { applyColorSet(3); }
void TForm1::Button9Click() { applyColorSet(4); }

void TForm1::applyColorSet(int number) {
  ApplyColorSet(state_.Memo(), number);
  colorSet_ = number;
  controls_.memo->Refresh();
  RefreshPreview();
  optionsChanged();
}

void TForm1::Button10Click() { pomoc_->show(); }

void TForm1::Button11Click() {
  if (!run_) return;
  run_->Cancel();
  controls_.cancelButton->setEnabled(false);
  controls_.progressText->setText(tr("przerywanie..."));
}

void TForm1::Button12Click() {
  const auto folder = dialogs_.ChooseFolder(state_.Settings().targetFolder);
  if (!folder) return;
  TRunSettings& settings = state_.Settings();
  settings.targetFolder = FolderPrefix(*folder);
  // A chosen folder exists; only a card's book folder may be missing.
  settings.createFolder = false;
  chosenFolder_ = settings.targetFolder;
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
    chosenFolder_.reset();
    showTargetFolder();
  });
}

void TForm1::Button14Click() {
  if (!preview_) preview_ = new TPreviewWindow(this);
  preview_->show();
  preview_->raise();
  if (!run_) preview_->ShowJob(state_.Job());
}

void TForm1::Button16Click() {
  const std::string& folder =
      report_.folders.empty() ? state_.Settings().targetFolder : report_.folders.front();
  dialogs_.OpenFolder(folder);
}

void TForm1::CheckBox2Click() {
  state_.SetChapterPages(controls_.chapterPages->isChecked());
  controls_.memo->Refresh();
}

void TForm1::CheckBox4Click() { showPagesPerFolderEnabled(); }

void TForm1::FormActivate() {
  // While a run is under way the controls that change the look are locked: nothing to refresh.
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
  controls_.cardButton->setEnabled(oneCard);
}

void TForm1::RefreshPreview() {
  const TTextBox& box = state_.Memo();
  controls_.preview->setFont(MakeQFont(box.Font()));
  QPalette palette = controls_.preview->palette();
  palette.setColor(QPalette::Text, ToQColor(box.Font().color));
  palette.setColor(QPalette::Base, ToQColor(box.Color()));
  controls_.preview->setPalette(palette);
}
