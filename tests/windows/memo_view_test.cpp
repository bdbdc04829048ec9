// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/memo_view.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/layout/text_box.h"
#include "window_test_support.h"

namespace {

class MemoViewTest : public ::testing::Test {
protected:
  MemoViewTest() {
    view.resize(480, 272);
    view.show();
  }

  // A text of `count` lines "linia 0", "linia 1", ...
  void SetLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "linia " + std::to_string(i) + "\r\n";
    box.SetText(text);
    view.Refresh();
  }

  // Whether anything but background lies in the row band of display row `row` from the top.
  bool RowHasInk(const QImage& image, int row) {
    const int pitch = QFontMetrics(view.viewport()->font()).height();
    for (int y = row * pitch; y < (row + 1) * pitch && y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != Rgb(box.Color())) return true;
    return false;
  }

  TTextBox box;
  TMemoView view{box, nullptr};
};

TEST_F(MemoViewTest, PaintsOneModelLinePerRowInThePageColours) {
  box.SetText("a\r\n\r\nb\r\n");
  view.Refresh();
  const QImage image = view.viewport()->grab().toImage();
  EXPECT_TRUE(RowHasInk(image, 0));
  EXPECT_FALSE(RowHasInk(image, 1));
  EXPECT_TRUE(RowHasInk(image, 2));
  EXPECT_FALSE(RowHasInk(image, 3));
  EXPECT_EQ(image.pixel(470, 260) & 0xFFFFFF, Rgb(clWhite));
}

TEST_F(MemoViewTest, AChapterMarkShowsAsAnEmptyRow) {
  box.SetText("a\r\n" + std::string(kChapterMark) + "\r\nb\r\n");
  view.Refresh();
  ASSERT_EQ(box.Lines().at(1), kChapterMark);
  const QImage image = view.viewport()->grab().toImage();
  EXPECT_TRUE(RowHasInk(image, 0));
  EXPECT_FALSE(RowHasInk(image, 1));
  EXPECT_TRUE(RowHasInk(image, 2));
}

TEST_F(MemoViewTest, ShowsTheModelsWrapWithoutWrappingAgain) {
  // One text line wider than the box: the model breaks it, the view shows its rows.
  box.SetText(std::string(60, 'W') + "\r\n");
  view.Refresh();
  ASSERT_GT(box.LineCount(), 1);
  const QImage image = view.viewport()->grab().toImage();
  for (int row = 0; row < box.LineCount(); ++row) EXPECT_TRUE(RowHasInk(image, row)) << row;
  EXPECT_FALSE(RowHasInk(image, box.LineCount()));
}

TEST_F(MemoViewTest, ScrollsWithTheKeysAndTheWheelWithinTheBook) {
  SetLines(100);
  const int rows = view.VisibleRows();
  ASSERT_EQ(rows, 268 / QFontMetrics(view.viewport()->font()).height());

  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_EQ(view.TopLine(), 1);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.TopLine(), 1 + rows);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_EQ(view.TopLine(), rows);
  QTest::keyClick(&view, Qt::Key_End);
  EXPECT_EQ(view.TopLine(), 100 - rows);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.TopLine(), 100 - rows);
  QTest::keyClick(&view, Qt::Key_Home);
  EXPECT_EQ(view.TopLine(), 0);

  QWheelEvent wheel(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &wheel);
  EXPECT_GT(view.TopLine(), 0);

  // A shorter text scrolls back as far as it must.
  SetLines(3);
  EXPECT_EQ(view.TopLine(), 0);
}

}  // namespace
