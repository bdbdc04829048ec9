// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window `pomoc`: a fixed how-to in a read-only text box, in the language in use.
// It is created hidden at start-up, shown without being modal, and only hidden when closed;
// its text follows its size.
#include <QString>
#include <QWidget>

class QPlainTextEdit;

class Tpomoc : public QWidget {
  Q_OBJECT

public:
  explicit Tpomoc(QWidget* parent = nullptr);

  // The read-only text box holding the how-to.
  QPlainTextEdit* Memo1() const { return memo_; }

protected:
  // The text box follows the window's size, and its lines its width.
  void resizeEvent(QResizeEvent* event) override;

private:
  QPlainTextEdit* memo_;
  QSize margins_;
};

// The how-to in the language in use: what each control of the main window does.
QString HelpText();
