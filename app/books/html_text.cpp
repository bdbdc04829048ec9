// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/html_text.h"

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "app/books/book.h"
#include "app/books/markup_text.h"
#include "app/books/xml_document.h"
#include "platform/cancellation.h"
#include "platform/utf8.h"

namespace books {

namespace {

struct THtmlParserContextFree {
  void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};
using THtmlParserContext = std::unique_ptr<htmlParserCtxt, THtmlParserContextFree>;

void FreeNode(xmlNode* node) {
  xmlUnlinkNode(node);
  xmlFreeNode(node);
}

// Walks the tree the parser is building, up to where the parser is, and frees what it has
// walked. The parser only ever appends to its open elements (its stack of nodes), and
// lengthens the text that is an open element's last child; anything else is finished.
class TGrowingTreeWalk {
public:
  TGrowingTreeWalk(const htmlParserCtxt& parser, TMarkupSink& sink, const THeadReader& onHead,
                   const TRootReader& onRoot)
      : parser_(parser), walker_(HtmlRole, sink), onHead_(onHead), onRoot_(onRoot) {}

  // Takes the text of what the parser has built so far, all of it when `finished`.
  void Advance(const xmlDoc* doc, bool finished) {
    finished_ = finished;
    xmlNode* root = doc ? xmlDocGetRootElement(doc) : nullptr;
    if (!root) return;
    if (levels_.empty()) {
      levels_.push_back({root});
      if (onRoot_) onRoot_(root);
    }
    while (Step()) {
    }
    // A page without a body: all of it, as it stayed whole.
    if (finished_ && !bodyFound_) walker_.Walk(root);
  }

private:
  // An entered element, and the last child kept after it was passed (the root's children
  // before a body).
  struct TLevel {
    xmlNode* node;
    xmlNode* walked = nullptr;
  };

  // The parser's open element at `depth` below the root (the root is 0).
  bool IsOpen(const xmlNode* node, std::size_t depth) const {
    if (finished_) return false;
    const auto open = static_cast<std::size_t>(std::max(parser_.nodeNr, 0));
    // Content after </html> makes the parser open a second html inside the first: its open
    // elements no longer stand at our depths, so all is taken as open until they close.
    if (open > 0 && parser_.nodeTab[0] != levels_.front().node) return true;
    return depth < open && parser_.nodeTab[depth] == node;
  }

  // Nothing more is added to it: not open, nor text the parser may still lengthen.
  bool IsFinished(const xmlNode* child, const xmlNode* parent, std::size_t depth) const {
    if (finished_) return true;
    if (IsOpen(child, depth)) return false;
    return child->type == XML_ELEMENT_NODE || child != parent->last || !IsOpen(parent, depth - 1);
  }

  void Free(xmlNode* node) {
    if (node == body_) body_ = nullptr;
    FreeNode(node);
  }

  void FreeBefore(TLevel& level, const xmlNode* child) {
    while (level.node->children != child) Free(level.node->children);
    level.walked = nullptr;
  }

  // One move of the walk; false when it must wait for the parser.
  bool Step() {
    TLevel& level = levels_.back();
    const std::size_t depth = levels_.size();
    xmlNode* child = level.walked ? level.walked->next : level.node->children;
    if (!child) {
      if (depth == 1 || IsOpen(level.node, depth - 1)) return false;
      walker_.Leave(level.node);
      xmlNode* done = level.node;
      levels_.pop_back();
      Free(done);
      return true;
    }
    const bool finished = IsFinished(child, level.node, depth);
    if (depth == 1) return RootChild(level, child, finished);
    return Begin(child, finished);
  }

  // The root's children: the first head for its metadata, the first body for its text;
  // what comes before a body is kept in case none comes.
  bool RootChild(TLevel& root, xmlNode* child, bool finished) {
    if (!headSeen_ && IsElement(child, "head")) {
      if (!finished) return false;
      headSeen_ = true;
      if (onHead_) onHead_(child);
    }
    if (!bodyFound_ && IsElement(child, "body")) {
      bodyFound_ = true;
      body_ = child;
      FreeBefore(root, child);
    }
    if (child == body_) return Begin(child, finished);
    if (!finished) return false;
    if (bodyFound_)
      Free(child);
    else
      root.walked = child;
    return true;
  }

  // Takes a child's text, or enters it to take its children's as they come.
  bool Begin(xmlNode* child, bool finished) {
    if (child == skipped_) {  // entered already: none of it is text
      if (!finished) return false;
      skipped_ = nullptr;
      Free(child);
      return true;
    }
    if (!finished && (child->type != XML_ELEMENT_NODE || HtmlRoleAwaitsChildren(child))) return false;
    if (walker_.Enter(child)) {
      levels_.push_back({child});
    } else if (finished) {
      Free(child);
    } else {
      skipped_ = child;
    }
    return true;
  }

  const htmlParserCtxt& parser_;
  TMarkupWalker walker_;
  const THeadReader& onHead_;
  const TRootReader& onRoot_;
  std::vector<TLevel> levels_;  // from the root down to the element being walked
  bool finished_ = false;
  bool headSeen_ = false;
  bool bodyFound_ = false;
  const xmlNode* body_ = nullptr;  // the first body, until it goes
  const xmlNode* skipped_ = nullptr;
};

THtmlParserContext NewPageParser() {
  CheckCancelled();
  InitialiseLibxml();
  THtmlParserContext context(htmlNewParserCtxt());
  if (!context) throw std::bad_alloc();
  return context;
}

// Reads the page, calling `beforePiece` before each piece of it; the parsed document.
TXmlDocument ParsePage(htmlParserCtxt& context, std::string_view bytes, std::function<void()> beforePiece) {
  // A page that declares no character set is most likely UTF-8 today, yet the parser would
  // take it as Latin-1: valid UTF-8 is read as UTF-8, anything else as the page declares.
  const char* encoding = IsValidUtf8(bytes) ? "UTF-8" : nullptr;
  // XML_PARSE_HUGE lifts the depth limit of 256, past which the parser would stop and drop
  // the rest of a tag soup of unclosed elements; HTML declares no entities to multiply.
  constexpr int kOptions =
      HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | XML_PARSE_HUGE;
  const TByteSource source = SourceOfBytes(bytes);
  TParserInput input(source, std::move(beforePiece));
  TXmlDocument doc(
      htmlCtxtReadIO(&context, TParserInput::Read, nullptr, &input, nullptr, encoding, kOptions));
  input.RethrowFailure();
  // A parser that stopped early (out of memory, a limit) has dropped the rest of the text.
  if (context.disableSAX) {
    throw EBookError(
        FormatMessage("the page cannot be read to its end: %s",
                      {context.lastError.message ? context.lastError.message : "parser stopped"}));
  }
  return doc;
}

}  // namespace

void AppendHtmlText(std::string_view bytes, TMarkupSink& sink, const THeadReader& onHead,
                    const TRootReader& onRoot) {
  const THtmlParserContext context = NewPageParser();
  TGrowingTreeWalk walk(*context, sink, onHead, onRoot);
  // Before each piece of the page, the text of what the parser has finished.
  const TXmlDocument doc = ParsePage(*context, bytes, [&] { walk.Advance(context->myDoc, false); });
  walk.Advance(doc.get(), true);
}

void AppendWholeHtmlText(std::string_view bytes, TMarkupSink& sink, const THeadReader& onHead,
                         const TRootReader& onRoot) {
  const THtmlParserContext context = NewPageParser();
  const TXmlDocument doc = ParsePage(*context, bytes, {});
  const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
  if (!root) return;
  if (onRoot) onRoot(root);
  const xmlNode* head = FirstChildElement(root, "head");
  if (onHead && head) onHead(head);
  sink.Tree(root);
  const xmlNode* body = FirstChildElement(root, "body");
  AppendMarkupText(body ? body : root, HtmlRole, sink);
}

void AppendHtmlText(std::string_view bytes, TTextBuilder& builder, const THeadReader& onHead) {
  TTextMarkup sink(builder);
  AppendHtmlText(bytes, sink, onHead);
}

}  // namespace books
