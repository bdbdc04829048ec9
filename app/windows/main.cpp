// SPDX-License-Identifier: GPL-3.0-or-later
// Stronix: the windowed program, optionally given a book to load. Everything starts from
// the window's initial values, except that the open dialog remembers the last book's folder.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "app/l10n/translation.h"
#include "app/windows/main_window.h"
#include "app/windows/qt_dialogs.h"
#include "app/windows/window_style.h"

namespace {

// The installed icon theme's "stronix", or else the copy built into the program: a program
// run from its build folder finds no installed icon.
QIcon ApplicationIcon() {
  QIcon builtIn;
  for (const int size : {16, 32, 48, 64, 128, 256})
    builtIn.addFile(QStringLiteral(":/icons/stronix-%1.png").arg(size), QSize(size, size));
  return QIcon::fromTheme(QStringLiteral("stronix"), builtIn);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The window class (X11) and application id (Wayland) are "stronix", the name of the menu
  // entry, so that the desktop pairs the windows with the entry and its icon. The title the
  // user sees is the main window's caption.
  QApplication::setApplicationName(QStringLiteral("stronix"));
  QApplication::setDesktopFileName(QStringLiteral("stronix"));
  QApplication::setWindowIcon(ApplicationIcon());
  SetUpClassicLook();
  // Polish for Polish readers and for a bare C or POSIX locale, English for everyone else.
  UseLanguage(UserLanguage(TLanguage::Polish));

  TQtDialogs dialogs;
  TForm1 Form1(dialogs);
  Form1.show();
  if (argc > 1) Form1.LoadBook(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString());
  return QApplication::exec();
}
