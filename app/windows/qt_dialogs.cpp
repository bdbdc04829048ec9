// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

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

TDialogs::TReplaceAnswer TQtDialogs::AskReplaceBook(const std::string& otherBook, const std::string& folder) {
  const auto text = [](const char* source) { return QCoreApplication::translate("TQtDialogs", source); };
  QMessageBox box(
      QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
      text(QT_TRANSLATE_NOOP("TQtDialogs", "W folderze %1 są strony innej książki: %2. Zastąpić je?"))
          .arg(QString::fromStdString(folder), QString::fromStdString(otherBook)),
      QMessageBox::NoButton, QApplication::activeWindow());
  QPushButton* replace =
      box.addButton(text(QT_TRANSLATE_NOOP("TQtDialogs", "Zastąp")), QMessageBox::AcceptRole);
  QPushButton* separate =
      box.addButton(text(QT_TRANSLATE_NOOP("TQtDialogs", "Osobny folder")), QMessageBox::ActionRole);
  QPushButton* cancel =
      box.addButton(text(QT_TRANSLATE_NOOP("TQtDialogs", "Anuluj")), QMessageBox::RejectRole);
  box.setDefaultButton(separate);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == replace) return TReplaceAnswer::Replace;
  if (box.clickedButton() == separate) return TReplaceAnswer::SeparateFolder;
  return TReplaceAnswer::Cancel;
}

void TQtDialogs::OpenFolder(const std::string& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}
