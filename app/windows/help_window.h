#pragma once
// The help window `pomoc`: a fixed Polish how-to in a read-only text box. It is created
// hidden at start-up, shown without being modal, and only hidden when closed.
#include <QWidget>

class QPlainTextEdit;

class Tpomoc : public QWidget {
  Q_OBJECT

public:
  explicit Tpomoc(QWidget* parent = nullptr);

  // The read-only text box holding the 16 lines.
  QPlainTextEdit* Memo1() const { return memo_; }

private:
  QPlainTextEdit* memo_;
};
