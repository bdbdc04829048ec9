// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of an HTML page, taken while the tolerant parser reads it: each part of the tree
// goes once its text is taken, so that no tree of the whole page is ever kept.
#include <libxml/tree.h>

#include <functional>
#include <string_view>

#include "app/books/markup_text.h"
#include "app/books/text_builder.h"

namespace books {

// Hands the page's body (the whole page when it has none) to the sink, as a walk of the
// page's whole tree would. `onHead`, when given, is called with the page's first head,
// whole; `onRoot` with its root element as it starts, its attributes read. Any tag soup
// reads; EBookError when the parser stops early.
using THeadReader = std::function<void(const xmlNode* head)>;
using TRootReader = std::function<void(const xmlNode* root)>;
void AppendHtmlText(std::string_view bytes, TMarkupSink& sink, const THeadReader& onHead = {},
                    const TRootReader& onRoot = {});
// The same with the page parsed whole first, its tree handed to the sink before the walk:
// for a page whose styles need all of it at once.
void AppendWholeHtmlText(std::string_view bytes, TMarkupSink& sink, const THeadReader& onHead = {},
                         const TRootReader& onRoot = {});
// The same into the classic text.
void AppendHtmlText(std::string_view bytes, TTextBuilder& builder, const THeadReader& onHead = {});

}  // namespace books
