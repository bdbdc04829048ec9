// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/window_settings.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace {

constexpr char kChoicesGroup[] = "window";
constexpr char kRecentBooks[] = "recentBooks";

QSettings UserSettings() { return QSettings("stronix", "stronix"); }

}  // namespace

std::optional<TWindowChoices> LoadWindowChoices() {
  QSettings settings = UserSettings();
  settings.beginGroup(kChoicesGroup);
  if (!settings.contains("fontFace")) return std::nullopt;
  TWindowChoices c;  // what a setting missing or unreadable falls back to
  c.font.face = settings.value("fontFace").toString().toStdString();
  c.font.height = settings.value("fontHeight", c.font.height).toInt();
  c.font.bold = settings.value("bold", c.font.bold).toBool();
  c.font.italic = settings.value("italic", c.font.italic).toBool();
  c.font.underline = settings.value("underline", c.font.underline).toBool();
  c.font.strikeOut = settings.value("strikeOut", c.font.strikeOut).toBool();
  if (const auto script = ScriptFromName(settings.value("script").toString().toStdString()))
    c.font.script = *script;
  c.font.color = settings.value("textColor", c.font.color).toUInt();
  c.background = settings.value("background", c.background).toUInt();
  c.colorSet = settings.value("colorSet", c.colorSet).toInt();
  c.squeezeBlankLines = settings.value("squeezeBlankLines", c.squeezeBlankLines).toBool();
  c.chapterPages = settings.value("chapterPages", c.chapterPages).toBool();
  c.pageTimes = settings.value("pageTimes", c.pageTimes).toBool();
  c.compactPages = settings.value("compactPages", c.compactPages).toBool();
  c.splitFolders = settings.value("splitFolders", c.splitFolders).toBool();
  c.pagesPerFolder = settings.value("pagesPerFolder", c.pagesPerFolder).toInt();
  c.bookLayout = settings.value("bookLayout", c.bookLayout).toBool();
  c.screen = settings.value("screen", c.screen).toInt();
  return c;
}

void SaveWindowChoices(const TWindowChoices& c) {
  QSettings settings = UserSettings();
  settings.beginGroup(kChoicesGroup);
  settings.setValue("fontFace", QString::fromStdString(c.font.face));
  settings.setValue("fontHeight", c.font.height);
  settings.setValue("bold", c.font.bold);
  settings.setValue("italic", c.font.italic);
  settings.setValue("underline", c.font.underline);
  settings.setValue("strikeOut", c.font.strikeOut);
  settings.setValue("script", QString::fromUtf8(ScriptName(c.font.script)));
  settings.setValue("textColor", c.font.color);
  settings.setValue("background", c.background);
  settings.setValue("colorSet", c.colorSet);
  settings.setValue("squeezeBlankLines", c.squeezeBlankLines);
  settings.setValue("chapterPages", c.chapterPages);
  settings.setValue("pageTimes", c.pageTimes);
  settings.setValue("compactPages", c.compactPages);
  settings.setValue("splitFolders", c.splitFolders);
  settings.setValue("pagesPerFolder", c.pagesPerFolder);
  settings.setValue("bookLayout", c.bookLayout);
  settings.setValue("screen", c.screen);
}

std::vector<std::string> LoadRecentBooks() {
  std::vector<std::string> books;
  for (const QString& path : UserSettings().value(kRecentBooks).toStringList())
    if (static_cast<int>(books.size()) < kRecentBookCount) books.push_back(path.toStdString());
  return books;
}

std::vector<std::string> RememberRecentBook(const std::string& path) {
  std::vector<std::string> books = LoadRecentBooks();
  std::erase(books, path);
  books.insert(books.begin(), path);
  if (static_cast<int>(books.size()) > kRecentBookCount) books.resize(kRecentBookCount);
  QStringList list;
  for (const std::string& book : books) list << QString::fromStdString(book);
  UserSettings().setValue(kRecentBooks, list);
  return books;
}
