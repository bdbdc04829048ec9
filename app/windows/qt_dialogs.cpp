#include "app/windows/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "app/windows/font_dialog.h"
#include "app/windows/qt_color.h"
#include "app/windows/window_style.h"

std::optional<std::string> TQtDialogs::OpenTextFile() {
  const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(), "text file (*.txt)");
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<TFontChoice> TQtDialogs::ChooseFont(const TFontChoice& start) {
  TFontDialog dialog(start, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

std::optional<TColor> TQtDialogs::ChooseColor(TColor current) {
  const QColor color = QColorDialog::getColor(ToQColor(current), QApplication::activeWindow());
  if (!color.isValid()) return std::nullopt;
  return FromQColor(color);
}

void TQtDialogs::ShowError(const std::string& text) {
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(kApplicationTitle), QString::fromStdString(text));
}
