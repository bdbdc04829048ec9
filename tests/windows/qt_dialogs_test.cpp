// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <filesystem>
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
  // The user's settings go to a folder of the test's own.
  QtDialogsTest() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings.File("")));
  }

  TempDir settings;
  TempDir dir;
  TQtDialogs dialogs;
  TFontChoice start = FontDialogStart(TPageFont{});
};

TEST_F(QtDialogsTest, TheOpenDialogOffersBooksStartsWhereTheLastBookWasAndReturnsTheFullPath) {
  std::filesystem::create_directory(dir.Path() / "Książki");
  const std::string path = (dir.Path() / "Książki" / "pan tadeusz.epub").string();
  std::ofstream(path) << "tekst";
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{"Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm)", "Wszystkie pliki (*)"}));
    dialog.selectFile(QString::fromStdString(path));
    static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept is protected
  });
  EXPECT_EQ(dialogs.OpenTextFile(), path);

  // Also for a dialog made anew, as in the program's next run.
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), (dir.Path() / "Książki").string());
    dialog.reject();
  });
  EXPECT_EQ(TQtDialogs().OpenTextFile(), std::nullopt);
}

TEST_F(QtDialogsTest, TheFolderChooserOpensOnTheTargetAndReturnsTheChosenFolder) {
  std::filesystem::create_directory(dir.Path() / "strony");
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.fileMode(), QFileDialog::Directory);
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), dir.Path().string());
    dialog.selectFile(QString::fromStdString((dir.Path() / "strony").string()));
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(dialogs.ChooseFolder(dir.Path().string() + "/"), (dir.Path() / "strony").string());

  WhenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(dialogs.ChooseFolder(dir.Path().string()), std::nullopt);
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

TEST_F(QtDialogsTest, AnErrorIsACriticalMessageWithTheSystemsReasonBelowIt) {
  WhenOpen<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Stronix - by morvik 2006");
    EXPECT_EQ(box.text(), "Cannot create file /nie/ma/0000.gif");
    EXPECT_EQ(box.informativeText(), "No such file or directory");
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
    box.accept();
  });
  dialogs.ShowError("Cannot create file /nie/ma/0000.gif", "No such file or directory");
}

TEST_F(QtDialogsTest, ANoticeIsAnInformationUnderTheApplicationTitle) {
  WhenOpen<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Stronix - by morvik 2006");
    EXPECT_EQ(box.text(), "Przerwano: poprzednie strony zostały bez zmian.");
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    box.accept();
  });
  dialogs.ShowNotice("Przerwano: poprzednie strony zostały bez zmian.");
}

}  // namespace
