// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/memo_view.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/drawing/qt_color.h"
#include "app/layout/blank_lines.h"
#include "app/layout/font_metrics.h"
#include "app/layout/line_list.h"
#include "app/layout/text_box.h"
#include "app/text/code_page.h"

namespace {

// Lines stand where they stand on a page: one pixel in from the left edge.
constexpr int kTextLeft = 1;

}  // namespace

TMemoView::TMemoView(const TTextBox& box, QWidget* parent) : QAbstractScrollArea(parent), box_(box) {
  // The sunken two-pixel edge of a classic text box.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(1);
  Refresh();
}

void TMemoView::Refresh() {
  viewport()->setFont(MakeQFont(box_.Font()));
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Base, ToQColor(box_.Color()));
  palette.setColor(QPalette::Window, ToQColor(box_.Color()));
  palette.setColor(QPalette::Text, ToQColor(box_.Font().color));
  viewport()->setPalette(palette);
  updateScrollRange();
  viewport()->update();
}

void TMemoView::ScrollToTop() { verticalScrollBar()->setValue(0); }

int TMemoView::linePitch() const { return std::max(1, QFontMetrics(viewport()->font()).height()); }

int TMemoView::VisibleRows() const { return viewport()->height() / linePitch(); }

int TMemoView::TopLine() const { return verticalScrollBar()->value(); }

void TMemoView::updateScrollRange() {
  const int rows = VisibleRows();
  verticalScrollBar()->setPageStep(std::max(1, rows));
  verticalScrollBar()->setRange(0, std::max(0, box_.LineCount() - rows));
}

void TMemoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
}

void TMemoView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setPen(ToQColor(box_.Font().color));
  const TLineList& lines = box_.Lines();
  const TCodePage& codePage = CodePageOf(box_.Font().script);
  const int pitch = linePitch();
  const int ascent = QFontMetrics(viewport()->font()).ascent();
  // One row more than fits whole, so a partly visible last row shows its top as a text box does.
  const int last = std::min(static_cast<int>(lines.size()), TopLine() + VisibleRows() + 1);
  TLineCursor cursor = lines.From(static_cast<std::size_t>(TopLine()));
  for (int line = TopLine(), y = 0; line < last; ++line, y += pitch) {
    const std::string_view text = cursor.Next();
    if (text != kChapterMark) painter.drawText(kTextLeft, y + ascent, codePage.Decode(DrawnPart(text)));
  }
}

void TMemoView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_Home:
      bar->triggerAction(QScrollBar::SliderToMinimum);
      break;
    case Qt::Key_End:
      bar->triggerAction(QScrollBar::SliderToMaximum);
      break;
    default:
      // Arrows and Page Up/Down scroll by a line and a page.
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}
