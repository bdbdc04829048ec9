// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include "app/drawing/qt_color.h"
#include "app/windows/font_dialog.h"
#include "app/windows/window_style.h"

namespace {

constexpr char kBookFilters[] = QT_TRANSLATE_NOOP(
    "TQtDialogs", "Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;Wszystkie pliki (*)");
constexpr char kLastBookFolder[] = "lastBookFolder";

QSettings UserSettings() { return QSettings("stronix", "stronix"); }

}  // namespace

std::optional<std::string> TQtDialogs::OpenTextFile() {
  const QString start = UserSettings().value(kLastBookFolder).toString();
  const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), start,
                                                    QCoreApplication::translate("TQtDialogs", kBookFilters));
  if (path.isEmpty()) return std::nullopt;
  UserSettings().setValue(kLastBookFolder, QFileInfo(path).absolutePath());
  return path.toStdString();
}

std::optional<std::string> TQtDialogs::ChooseFolder(const std::string& current) {
  const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(),
                                                           QString::fromStdString(current));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
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

void TQtDialogs::ShowError(const std::string& text, const std::string& reason) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setInformativeText(QString::fromStdString(reason));
  box.exec();
}

void TQtDialogs::ShowNotice(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), QString::fromUtf8(kApplicationTitle),
                           QString::fromStdString(text));
}
