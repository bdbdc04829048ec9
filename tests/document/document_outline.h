// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blocks written out short, for tests to compare and print: "Heading1:Title",
// "ListItem2[1.]:one <i>two</i>", "Table:<th>A|B/1|2", a captioned one "Table:Caption//<th>A|B/1|2",
// "Image(pic.png|alt):Caption", a picture in a line "{icon.png|alt}".
#include <ostream>
#include <string>
#include <vector>

#include "app/document/document.h"

namespace document {

inline std::string Outline(const TRuns& runs) {
  std::string text;
  for (const TRun& run : runs) {
    std::string open, close;
    for (const auto& [flag, tag] : {std::pair{kItalic, "i"},
                                    {kBold, "b"},
                                    {kMono, "tt"},
                                    {kNoteReference, "sup"},
                                    {kUnderline, "u"},
                                    {kStrikeOut, "s"},
                                    {kSmallCaps, "sc"},
                                    {kSmall, "small"},
                                    {kSuperscript, "^"},
                                    {kSubscript, "_"}}) {
      if (!(run.style & flag)) continue;
      open += std::string("<") + tag + ">";
      close = std::string("</") + tag + ">" + close;
    }
    text += open + (run.picture.empty() ? run.text : "{" + run.picture + "|" + run.text + "}") + close;
  }
  return text;
}

inline std::string Outline(const TBlock& block) {
  static const char* const kKinds[] = {"Chapter", "Heading", "Paragraph", "ListItem", "Quote",
                                       "Pre",     "Table",   "Note",      "Break",    "Image"};
  std::string outline = kKinds[static_cast<int>(block.kind)];
  if (block.level != 0) outline += std::to_string(block.level);
  if (!block.marker.empty()) outline.append("[").append(block.marker).append("]");
  if (!block.source.empty() || !block.alt.empty())
    outline.append("(").append(block.source).append(block.alt.empty() ? "" : "|" + block.alt).append(")");
  outline.append(":").append(Outline(block.runs));
  if (!block.runs.empty() && !block.rows.empty()) outline += "//";
  for (std::size_t row = 0; row < block.rows.size(); ++row) {
    if (row > 0) outline += "/";
    for (std::size_t cell = 0; cell < block.rows[row].size(); ++cell) {
      if (cell > 0) outline += "|";
      if (block.rows[row][cell].header) outline += "<th>";
      outline += Outline(block.rows[row][cell].runs);
    }
  }
  return outline;
}

inline std::vector<std::string> Outline(const std::vector<TBlock>& blocks) {
  std::vector<std::string> outline;
  for (const TBlock& block : blocks) outline.push_back(Outline(block));
  return outline;
}

inline void PrintTo(const TBlock& block, std::ostream* out) { *out << Outline(block); }

}  // namespace document
