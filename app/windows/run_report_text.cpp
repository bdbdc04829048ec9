// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/run_report_text.h"

#include <QCoreApplication>

namespace {

QString Folder(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

QString RunReportText(const TRunReport& report, const std::string& targetFolder) {
  if (report.filesWritten == 0 || report.folders.empty())
    return QCoreApplication::translate("RunReport", "Książka nie ma ani jednej linii: nic nie zapisano w %1")
        .arg(Folder(targetFolder));
  const int folders = static_cast<int>(report.folders.size());
  QString where = Folder(report.folders.front());
  if (folders > 1)
    where = QCoreApplication::translate("RunReport", "%1 … %2 (%n folderów)", nullptr, folders)
                .arg(where, Folder(report.folders.back()));
  QString text =
      QCoreApplication::translate("RunReport", "Zapisano %n plików GIF w: %1", nullptr, report.filesWritten)
          .arg(where);
  if (report.oldPagesRemoved > 0)
    text += QCoreApplication::translate("RunReport", "; usunięto %n stron poprzedniej książki", nullptr,
                                        report.oldPagesRemoved);
  if (report.unreadablePictures > 0)
    text += QCoreApplication::translate("RunReport", "; nie udało się odczytać %n ilustracji", nullptr,
                                        report.unreadablePictures);
  return text;
}
