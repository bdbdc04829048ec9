// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/help_window.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "app/l10n/translation.h"
#include "app/windows/control_table.h"
#include "window_test_support.h"

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
  Tpomoc pomoc;
};

TEST_F(HelpWindowTest, HoldsTheHowToReadOnly) {
  EXPECT_EQ(pomoc.windowTitle(), "Pomoc");
  const QStringList lines = pomoc.Memo1()->toPlainText().split(u'\n');
  ASSERT_GT(lines.size(), 16);
  // The opening stays; the steps tell what the window does today.
  EXPECT_EQ(lines[0], QString::fromUtf8("Aby użyć programu należy przygotować książkę w postaci"));
  EXPECT_EQ(lines[2], QString::fromUtf8("Oczywiście należy pamiętać aby nie naruszyć praw autorskich"));
  EXPECT_EQ(lines[4], "");
  EXPECT_TRUE(pomoc.Memo1()->toPlainText().contains("psp\\photo\\nazwa_katalogu"));
  EXPECT_TRUE(pomoc.Memo1()->isReadOnly());
  EXPECT_EQ(pomoc.Memo1()->geometry(), QRect(4, 2, 397, 279));
  EXPECT_EQ(pomoc.Memo1()->font().pixelSize(), 13);
}

TEST_F(HelpWindowTest, EveryLineFitsTheBoxInBothLanguages) {
  pomoc.show();
  QPlainTextEdit* memo = pomoc.Memo1();
  // The box scrolls: its width less the scroll bar and the document's margins.
  const int room = memo->viewport()->width() - 2 * static_cast<int>(memo->document()->documentMargin());
  for (const TLanguage language : {TLanguage::Polish, TLanguage::English}) {
    UseLanguage(language);
    for (const QString& line : HelpText().split(u'\n'))
      EXPECT_LE(QFontMetrics(memo->font()).horizontalAdvance(line), room) << line.toStdString();
  }
  UseLanguage(TLanguage::Polish);
}

// What each control does is in the help: every button and check box is named by its caption.
TEST_F(HelpWindowTest, NamesEveryButtonAndCheckBoxInBothLanguages) {
  for (const TLanguage language : {TLanguage::Polish, TLanguage::English}) {
    UseLanguage(language);
    const QString help = HelpText();
    EXPECT_EQ(help.startsWith("Aby"), language == TLanguage::Polish);
    for (const TControlDef& entry : Form1Controls())
      if (entry.kind == TControlKind::Button || entry.kind == TControlKind::CheckBox)
        EXPECT_TRUE(help.contains(u'"' + Caption(entry)))
            << entry.name << " " << Caption(entry).toStdString();
  }
  UseLanguage(TLanguage::Polish);
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
