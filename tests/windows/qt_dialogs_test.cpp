#include "app/windows/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <fstream>
#include <functional>

#include "app/windows/font_dialog.h"
#include "support/temp_dir.h"
#include "window_test_support.h"

namespace {

// Answers the next modal dialog as `answer` says, once it is open.
template <class Dialog>
void WhenOpen(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

class QtDialogsTest : public ::testing::Test {
protected:
  TQtDialogs dialogs;
  TFontChoice start = FontDialogStart(TPageFont{});
};

TEST_F(QtDialogsTest, TheOpenDialogOffersTextFilesAndReturnsTheFullPath) {
  TempDir dir;
  const std::string path = dir.File("ksiazka.txt");
  std::ofstream(path) << "tekst";
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.nameFilters(), QStringList{"text file (*.txt)"});
    dialog.selectFile(QString::fromStdString(path));
    static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept is protected
  });
  EXPECT_EQ(dialogs.OpenTextFile(), path);

  WhenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(dialogs.OpenTextFile(), std::nullopt);
}

TEST_F(QtDialogsTest, TheFontDialogReturnsTheConfirmedChoiceOrNothing) {
  WhenOpen<TFontDialog>([](TFontDialog& dialog) {
    dialog.findChild<QComboBox*>("color")->setCurrentText("Czerwony");
    dialog.accept();
  });
  const auto chosen = dialogs.ChooseFont(start);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->color, MakeColor(255, 0, 0));
  EXPECT_EQ(chosen->face, start.face);

  WhenOpen<TFontDialog>([](TFontDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(dialogs.ChooseFont(start));
}

TEST_F(QtDialogsTest, TheColourDialogOpensOnTheCurrentColour) {
  WhenOpen<QColorDialog>([](QColorDialog& dialog) {
    EXPECT_EQ(dialog.currentColor(), QColor(1, 2, 3));
    dialog.setCurrentColor(QColor(40, 50, 60));
    dialog.accept();
  });
  EXPECT_EQ(dialogs.ChooseColor(MakeColor(1, 2, 3)), MakeColor(40, 50, 60));

  WhenOpen<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(dialogs.ChooseColor(MakeColor(1, 2, 3)), std::nullopt);
}

TEST_F(QtDialogsTest, AnErrorIsACriticalMessageUnderTheApplicationTitle) {
  WhenOpen<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Stronix - by morvik 2006");
    EXPECT_EQ(box.text(), "Cannot create file /nie/ma/0000.gif");
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
    box.accept();
  });
  dialogs.ShowError("Cannot create file /nie/ma/0000.gif");
}

}  // namespace
