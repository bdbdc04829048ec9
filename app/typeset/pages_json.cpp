// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/pages_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>

namespace {

QString FaceName(TFace face) {
  switch (face) {
    case TFace::Regular:
      return QStringLiteral("regular");
    case TFace::Italic:
      return QStringLiteral("italic");
    case TFace::Bold:
      return QStringLiteral("bold");
    case TFace::BoldItalic:
      return QStringLiteral("bold-italic");
    case TFace::Mono:
      return QStringLiteral("mono");
    case TFace::Heading:
    case TFace::Title:
      return QStringLiteral("heading");
    case TFace::Small:
      return QStringLiteral("small");
    case TFace::Superscript:
      return QStringLiteral("superscript");
  }
  return {};
}

QString KindName(TPageKind kind) {
  switch (kind) {
    case TPageKind::Title:
      return QStringLiteral("title");
    case TPageKind::Contents:
      return QStringLiteral("contents");
    case TPageKind::Text:
      return QStringLiteral("text");
    case TPageKind::Image:
      return QStringLiteral("image");
  }
  return {};
}

// The rules drawn along a run: "underline", "line-through" or both, as CSS names them.
QString Decoration(std::uint8_t marks) {
  QStringList names;
  if (marks & kUnderlined) names.append(QStringLiteral("underline"));
  if (marks & kStruckOut) names.append(QStringLiteral("line-through"));
  return names.join(u' ');
}

// Whole pixels: the left edge rounded down, a width rounded up, so that the box holds the text.
int Floor(float x) { return static_cast<int>(std::floor(x + 1e-3f)); }
int Ceil(float x) { return static_cast<int>(std::ceil(x - 1e-3f)); }

QJsonObject LineJson(const TTypesetLine& line) {
  QJsonArray runs;
  for (const TTypesetRun& run : line.runs) {
    QJsonObject json{{"text", QString::fromStdString(run.text)},
                     {"x", Floor(run.x)},
                     {"width", Ceil(run.x + run.width) - Floor(run.x)},
                     {"face", (run.marks & kLowered) ? QStringLiteral("subscript") : FaceName(run.face)}};
    // Only a run with rules names them: an undecorated book's list stays as it was.
    if (const QString decoration = Decoration(run.marks); !decoration.isEmpty())
      json.insert(QStringLiteral("decoration"), decoration);
    runs.append(json);
  }
  const int x = Floor(line.Left());
  QJsonObject json{{"text", QString::fromStdString(line.Text())},
                   {"x", x},
                   {"y", line.y},
                   {"width", Ceil(line.Right()) - x},
                   {"height", line.height},
                   {"face", FaceName(line.face)},
                   {"hyphen", line.hyphen},
                   {"justified", line.justified},
                   {"runs", runs}};
  // How much each space of a justified line was widened (negative: narrowed), in pixels.
  if (line.justified && !line.runs.empty())
    json.insert("wordSpacing", std::round(line.runs.front().wordSpacing * 100) / 100);
  return json;
}

}  // namespace

std::string PagesJson(const TTypesetBook& book) {
  QJsonArray pages;
  for (const TTypesetPage& page : book.pages) {
    QJsonArray lines;
    for (const TTypesetLine& line : page.lines) lines.append(LineJson(line));
    QJsonObject json{{"number", page.number},
                     {"kind", KindName(page.kind)},
                     {"footer", QString::fromStdString(page.footer)},
                     {"chapter", QString::fromStdString(page.chapter)},
                     {"lines", lines}};
    // Only pages with pictures name them: a text book's list stays as it was.
    if (!page.pictures.empty()) {
      QJsonArray pictures;
      for (const TPagePicture& picture : page.pictures) {
        pictures.append(QJsonObject{{"x", picture.rect.x()},
                                    {"y", picture.rect.y()},
                                    {"width", picture.rect.width()},
                                    {"height", picture.rect.height()}});
      }
      json.insert(QStringLiteral("pictures"), pictures);
    }
    pages.append(json);
  }
  const QJsonObject root{{"width", book.width}, {"height", book.height}, {"pages", pages}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString() + "\n";
}
