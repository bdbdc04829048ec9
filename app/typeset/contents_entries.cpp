// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/contents_entries.h"

#include <algorithm>

#include "app/typeset/page_words.h"

namespace {

// Whether the chapter's lines, up to the next chapter's first, are all its heading.
bool OnlyHeading(const TBookFlow& flow, std::size_t chapter) {
  const std::size_t begin = flow.chapters[chapter].firstLine;
  const std::size_t end =
      chapter + 1 < flow.chapters.size() ? flow.chapters[chapter + 1].firstLine : flow.lines.size();
  return std::all_of(flow.lines.begin() + static_cast<std::ptrdiff_t>(begin),
                     flow.lines.begin() + static_cast<std::ptrdiff_t>(end), [](const TFlowLine& line) {
                       return !line.picture.image &&
                              (line.line.face == TFace::Title || line.line.face == TFace::Heading);
                     });
}

}  // namespace

std::vector<TContentsEntry> ContentsEntries(const TBookFlow& flow) {
  std::vector<TContentsEntry> entries;
  bool labelOnly = false;  // the last entry is a chapter of nothing but its label
  for (std::size_t i = 0; i < flow.chapters.size(); ++i) {
    const TFlowChapter& chapter = flow.chapters[i];
    if (chapter.title.empty() || chapter.firstLine >= flow.lines.size()) continue;
    const QString title = QString::fromStdString(chapter.title).simplified();
    if (!entries.empty() && entries.back().title == title) continue;
    if (labelOnly) {
      QString& label = entries.back().title;
      while (label.endsWith(u'.') || label.endsWith(u':')) label.chop(1);
      label += ". " + title;
      labelOnly = false;
      continue;
    }
    labelOnly = IsChapterLabel(title) && OnlyHeading(flow, i);
    entries.push_back({title, chapter.firstLine});
  }
  return entries;
}
