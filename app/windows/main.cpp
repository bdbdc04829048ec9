// Stronix: the windowed program. No arguments; everything starts from the window's
// initial values and nothing is kept after it closes.
#include <QApplication>

#include "app/windows/main_window.h"
#include "app/windows/qt_dialogs.h"
#include "app/windows/window_style.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  SetUpClassicLook();

  TQtDialogs dialogs;
  TForm1 Form1(dialogs);
  Form1.show();
  return QApplication::exec();
}
