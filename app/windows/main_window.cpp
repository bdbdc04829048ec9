#include "app/windows/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include <exception>
#include <utility>

#include "app/appearance.h"
#include "app/font_metrics.h"
#include "app/windows/control_table.h"
#include "app/windows/dialogs.h"
#include "app/windows/help_window.h"
#include "app/windows/memo_view.h"
#include "app/windows/qt_color.h"
#include "app/windows/window_style.h"

TForm1::TForm1(TDialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setFont(SansSerifFont(11));
  SetOuterGeometry(this, QRect(193, 107, 626, 380));

  createControls();
  connectHandlers();
  createHelpWindow();
  showState();
  // Activation refreshes it again; this covers a desktop that shows the window without
  // activating it, so the preview never starts in the interface font.
  RefreshPreview();
}

void TForm1::createControls() {
  CreateControls(this, [this](QWidget* parent) { return memo_ = new TMemoView(state_.Memo(), parent); });
  edit1_ = findChild<QLineEdit*>("Edit1");
  checkBox1_ = findChild<QCheckBox*>("CheckBox1");
  targetFolder_ = findChild<QLineEdit*>("katalog_docelowy");
  targetFolder_->setReadOnly(true);
  checkBox1_->setChecked(state_.Settings().squeezeBlankLines);
}

void TForm1::connectHandlers() {
  const std::pair<const char*, void (TForm1::*)()> handlers[] = {
      {"Button1", &TForm1::Button1Click}, {"Button2", &TForm1::Button2Click},
      {"Button3", &TForm1::Button3Click}, {"Button4", &TForm1::Button4Click},
      {"Button5", &TForm1::Button5Click}, {"Button6", &TForm1::Button6Click},
      {"Button7", &TForm1::Button7Click}, {"Button8", &TForm1::Button8Click},
      {"Button9", &TForm1::Button9Click}, {"Button10", &TForm1::Button10Click},
  };
  for (const auto& [name, handler] : handlers)
    connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
}

void TForm1::createHelpWindow() { pomoc_ = new Tpomoc(this); }

void TForm1::showState() {
  memo_->Refresh();
  targetFolder_->setText(QString::fromStdString(state_.Settings().targetFolder));
}

template <class Action>
void TForm1::guarded(Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const std::exception& error) {
    dialogs_.ShowError(error.what());
  }
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  pomoc_->close();
  QWidget::closeEvent(event);
}

void TForm1::Button1Click() {
  guarded([this] {
    const auto path = dialogs_.OpenTextFile();
    if (!path) return;
    state_.LoadTextFile(*path);
    showState();
  });
}

void TForm1::Button2Click() {
  state_.Settings().squeezeBlankLines = checkBox1_->isChecked();
  memo_->hide();
  // Once, so that the processing label is painted; the run then holds the thread to its end.
  QCoreApplication::processEvents();
  guarded([this] {
    // Also when the run fails: its text is unchanged and the label must not stay over it.
    const auto showMemo = qScopeGuard([this] {
      memo_->Refresh();
      memo_->show();
    });
    state_.Generate();
  });
}

void TForm1::Button3Click() {
  const TFontChoice start = FontDialogStart(state_.Memo().Font());
  const auto chosen = dialogs_.ChooseFont(start);
  if (!chosen) return;
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

void TForm1::FormActivate() { RefreshPreview(); }

void TForm1::RefreshPreview() {
  const TTextBox& box = state_.Memo();
  edit1_->setFont(MakeQFont(box.Font()));
  QPalette palette = edit1_->palette();
  palette.setColor(QPalette::Text, ToQColor(box.Font().color));
  palette.setColor(QPalette::Base, ToQColor(box.Color()));
  edit1_->setPalette(palette);
}
