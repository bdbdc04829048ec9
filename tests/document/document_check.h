// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape every structured book keeps, whatever the input: valid UTF-8 in every run, no
// empty run (but a picture without alt text), no block of text without text, no chapter
// start last.
#include <string>

#include "app/document/document.h"
#include "platform/utf8.h"

namespace document {

// Empty when the document keeps its shape; otherwise what is wrong with it.
inline std::string DocumentFault(const TDocument& document) {
  const auto runsFault = [](const TRuns& runs) -> std::string {
    for (const TRun& run : runs) {
      if (run.text.empty() && run.picture.empty()) return "an empty run";
      if (!IsValidUtf8(run.text)) return "invalid UTF-8";
    }
    return {};
  };
  for (const TBlock& block : document.blocks) {
    if (std::string fault = runsFault(block.runs); !fault.empty()) return fault;
    for (const auto& row : block.rows) {
      if (row.empty()) return "an empty table row";
      for (const TTableCell& cell : row)
        if (std::string fault = runsFault(cell.runs); !fault.empty()) return fault;
    }
    const bool textless = block.kind == TBlockKind::ChapterStart || block.kind == TBlockKind::Break ||
                          block.kind == TBlockKind::Image || block.kind == TBlockKind::Table;
    if (!textless && block.runs.empty()) return "a block without text";
    if (block.kind == TBlockKind::Table && block.rows.empty()) return "a table without rows";
  }
  if (!document.blocks.empty() && document.blocks.back().kind == TBlockKind::ChapterStart)
    return "a chapter start last";
  return {};
}

}  // namespace document
