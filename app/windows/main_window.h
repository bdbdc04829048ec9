#pragma once
// `Form1`, the main window: the text box with the book, the appearance controls, the
// target folder and the buttons. It shows the main state and hands every action to it;
// it reads no files and converts nothing itself. A failed action ends where it failed and
// its text is reported through the dialogs.
#include <QWidget>

#include "app/main_state.h"

class QCheckBox;
class QLineEdit;
class TDialogs;
class TMemoView;
class Tpomoc;

class TForm1 : public QWidget {
  Q_OBJECT

public:
  // `dialogs` answers the window's questions and must outlive it.
  explicit TForm1(TDialogs& dialogs, QWidget* parent = nullptr);

  const TMainState& State() const { return state_; }
  // The help window, owned by this one and closed with it.
  Tpomoc* pomoc() const { return pomoc_; }

  void Button1Click();   // "Załaduj TXT": load a text file
  void Button2Click();   // "Generuj": the conversion run
  void Button3Click();   // "Font": the font dialog
  void Button4Click();   // "Tło": the background colour dialog
  void Button5Click();   // "Wyjdź": close, which ends the program
  void Button6Click();   // colour set "1"
  void Button7Click();   // colour set "2"
  void Button8Click();   // colour set "3"
  void Button9Click();   // colour set "4"
  void Button10Click();  // "Help": show the help window
  void FormActivate();
  // Gives the preview box `Edit1` the text box's font, text colour and background.
  void RefreshPreview();

protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void createControls();
  void connectHandlers();
  void createHelpWindow();
  void showState();
  void applyColorSet(int number);
  // Runs an action; a failure's text goes to the user and the action simply ends.
  template <class Action>
  void guarded(Action&& action);

  TDialogs& dialogs_;
  TMainState state_;
  TMemoView* memo_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  QLineEdit* targetFolder_ = nullptr;
  Tpomoc* pomoc_ = nullptr;
};
