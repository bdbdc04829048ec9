// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long book's chapters set on several cores. Each chapter starts a page of its own, so a
// share of whole chapters can be set alone, with fonts and a hyphenator of its own; the
// shares join in order into the column one core would have set.
#include <span>
#include <string>

#include "app/document/document.h"
#include "app/layout/page_font.h"
#include "app/typeset/book_flow.h"

// As SetBlocks with `settings` and `faces` (on this thread), the other shares' hyphenators
// made for `language` (empty: none) and their faces from `font`. One share alone for a short
// book or where fonts cannot be used off the main thread (no application object). A stop
// request on this thread reaches every share.
TBookFlow SetChapterShares(std::span<const document::TBlock> blocks, const TFlowSettings& settings,
                           TFaceSet& faces, const TPageFont& font, const std::string& language);
