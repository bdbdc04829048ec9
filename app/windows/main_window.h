// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Form1`, the main window: the text box with the book, the appearance controls, the
// target folder, the run's options and the buttons. It shows the main state and hands
// every action to it; it reads no files and converts nothing itself. A failed action ends
// where it failed and its text, in the language in use, is reported through the dialogs.
// The window speaks the language UseLanguage chose when it was made; the status line at its
// foot says what the last run wrote where.
//
// "Generuj" waits for a book and converts a snapshot of it on a worker thread: meanwhile the
// window repaints and shows the progress, the controls that would change the run are
// disabled, and "Przerwij", Esc or closing the window stops the run after the page being
// written. The text box shows "gotowe..." once the run has succeeded.
//
// The look and the run's options are kept between starts (window_settings.h); a book file
// dropped on the window loads; "Ostatnie ▾" offers the books loaded last; "Podgląd" shows the
// pages as the run makes them and follows every change of the options; before a run replaces
// another book's pages the user is asked.
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "app/main_state.h"
#include "app/windows/card_target.h"
#include "app/windows/control_table.h"

class QLabel;
class QMenu;
class QTimer;
class TBackgroundRun;
class TPreviewWindow;
class TDialogs;
class Tpomoc;

class TForm1 : public QWidget {
  Q_OBJECT

public:
  // `dialogs` answers the window's questions and must outlive it; `cardFolders` finds the
  // mounted memory cards for "Na kartę".
  explicit TForm1(TDialogs& dialogs, QWidget* parent = nullptr,
                  TCardPhotoFolders cardFolders = MountedCardPhotoFolders);
  ~TForm1() override;

  // The state; a run under way converts a snapshot of it.
  const TMainState& State() const { return state_; }
  // Whether a conversion run is under way.
  bool Running() const { return run_ != nullptr; }
  // The help window, owned by this one and closed with it.
  Tpomoc* pomoc() const { return pomoc_; }
  // The preview window once "Podgląd" made it, owned by this one.
  TPreviewWindow* Preview() const { return preview_; }
  // The books "Ostatnie ▾" offers.
  QMenu* RecentMenu() const { return recentMenu_; }

  void Button1Click();  // "Załaduj TXT": load a book
  // Loads the book at `path` as "Załaduj TXT" does once it is chosen (a book given on
  // the command line or opened from a file manager).
  void LoadBook(const std::string& path);
  void Button2Click();    // "Generuj": start the conversion run
  void Button3Click();    // "Font": the font dialog
  void Button4Click();    // "Tło": the background colour dialog
  void Button5Click();    // "Wyjdź": close, which ends the program
  void Button6Click();    // colour set "1"
  void Button7Click();    // colour set "2"
  void Button8Click();    // colour set "3"
  void Button9Click();    // colour set "4"
  void Button10Click();   // "Help": show the help window
  void Button11Click();   // "Przerwij": stop the run after the current page
  void Button12Click();   // "…": choose the target folder
  void Button13Click();   // "Na kartę": the book's folder on the memory card
  void Button14Click();   // "Podgląd": the preview window
  void Button16Click();   // "Otwórz folder": the last run's folder in the file manager
  void CheckBox2Click();  // "rozdział od nowej strony"
  void CheckBox4Click();  // "dziel na foldery po": the page count is asked only when on
  void FormActivate();
  // Gives the preview box `Edit1` the text box's font, text colour and background.
  void RefreshPreview();
  // Enables "Na kartę" when exactly one memory card is mounted and no run is under way.
  // Asked at start, on every activation (mounting a card takes the user elsewhere) and
  // after each run; not polled, since a stalled mount would stall the window.
  void RefreshCardButton();

protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void createControls();
  void connectHandlers();
  void createHelpWindow();
  // The choices kept from the last start, if any, into the state and the controls.
  void restoreChoices();
  // An option changed: it goes into the settings, is kept, and the preview follows it.
  void optionsChanged();
  void keepChoices();
  void showScript();
  // The screen box and its label are enabled only while "skład książkowy" is ticked.
  void showScreenEnabled();
  void fillRecentMenu();
  // Asks before a run replaces another book's pages; false when the user cancels.
  bool confirmTarget();
  // Looks at the mount table now and then; a change asks for the cards again.
  void watchMounts();
  void showState();
  void showTargetFolder();
  void applyColorSet(int number);
  void takeRunOptions();
  void showRunning(bool running);
  void showProgress(int done, int total);
  // The page count and its "stron" are enabled only while the split is ticked and no run is under way.
  void showPagesPerFolderEnabled();
  // "Generuj" is enabled once a book is loaded and while no run is under way.
  void showGenerateEnabled();
  // The worker has returned: the controls come back, the text box shows "gotowe..." after
  // a success, and a failure or a cancellation is reported unless the window is closing.
  void endRun(bool report);
  // Runs an action; a failure's text goes to the user and the action simply ends.
  template <class Action>
  void guarded(Action&& action);

  TDialogs& dialogs_;
  TCardPhotoFolders cardFolders_;
  TMainState state_;
  std::unique_ptr<TBackgroundRun> run_;
  TForm1Controls controls_;
  QLabel* statusLine_ = nullptr;
  TRunReport report_;  // the last run's: written by its worker, read once the worker is joined
  Tpomoc* pomoc_ = nullptr;
  TPreviewWindow* preview_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  int colorSet_ = 0;  // the colour set applied last, kept with the colours
  // The folder chosen with "…", kept for later books while the program runs.
  std::optional<std::string> chosenFolder_;
  std::string mountTable_;
};
