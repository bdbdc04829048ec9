#include "app/windows/help_window.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "window_test_support.h"

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
  Tpomoc pomoc;
};

TEST_F(HelpWindowTest, HoldsTheSixteenLinesReadOnly) {
  EXPECT_EQ(pomoc.windowTitle(), "Pomoc");
  const QStringList lines = pomoc.Memo1()->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[0], QString::fromUtf8("Aby użyć programu należy przygotować książkę w postaci"));
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[6], QString::fromUtf8("2. Wczytać go do programu przyciskiem \"załaduj txt\"."));
  EXPECT_EQ(lines[8], QString::fromUtf8("4. Wcisnąć przycisk \"Generuj\"."));
  EXPECT_EQ(lines[10], "   do folderu psp\\photo\\nazwa_katalogu");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[15], QString::fromUtf8("plików GIF, warto podzielić je na oddzielne foldery."));
  EXPECT_TRUE(pomoc.Memo1()->isReadOnly());
  EXPECT_EQ(pomoc.Memo1()->geometry(), QRect(4, 2, 397, 279));
  EXPECT_EQ(pomoc.Memo1()->font().pixelSize(), 13);
}

TEST_F(HelpWindowTest, EveryLineShowsWholeWithoutWrappingOrScrolling) {
  pomoc.show();
  QTextDocument* document = pomoc.Memo1()->document();
  for (int i = 0; i < document->blockCount(); ++i) EXPECT_EQ(document->findBlockByNumber(i).layout()->lineCount(), 1) << i;
  EXPECT_EQ(pomoc.Memo1()->verticalScrollBar()->maximum(), 0);
}

TEST_F(HelpWindowTest, ClosingOnlyHidesItAndItIsNotModal) {
  EXPECT_FALSE(pomoc.isVisible());
  pomoc.show();
  pomoc.Memo1()->moveCursor(QTextCursor::End);
  EXPECT_EQ(pomoc.windowModality(), Qt::NonModal);
  EXPECT_TRUE(pomoc.close());
  EXPECT_FALSE(pomoc.isVisible());
  pomoc.show();
  EXPECT_TRUE(pomoc.Memo1()->textCursor().atEnd());
}

}  // namespace
