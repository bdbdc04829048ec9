// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Memo1` on screen: the text box's display lines, one per row, in its font and colours.
// The view paints the model's lines as they are and never wraps on its own, so what the
// user reads row by row is what the pages will hold line by line. It has no scroll bars
// but scrolls with the arrows, Page Up/Down, Home/End and the mouse wheel. A chapter mark
// (a line that starts a chapter on a new page) shows as an empty row.
#include <QAbstractScrollArea>

class TTextBox;

class TMemoView : public QAbstractScrollArea {
  Q_OBJECT

public:
  // `box` must outlive the view.
  TMemoView(const TTextBox& box, QWidget* parent);

  // Takes up the box's text, font and colours after a change; keeps the scroll position
  // where it still fits.
  void Refresh();
  // Shows the text from its first line, as after loading a book.
  void ScrollToTop();

  // The first display line shown at the top.
  int TopLine() const;
  // How many whole rows the box shows at once.
  int VisibleRows() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  int linePitch() const;
  void updateScrollRange();

  const TTextBox& box_;
};
