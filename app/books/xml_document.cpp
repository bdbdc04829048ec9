// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/xml_document.h"

#include <libxml/HTMLparser.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "app/books/book.h"
#include "app/books/xml_memory.h"
#include "platform/cancellation.h"
#include "platform/utf8.h"

namespace books {

void InitialiseLibxml() {
  static const bool initialised = [] {
    InstallXmlMemory();
    xmlInitParser();
    return true;
  }();
  (void)initialised;
}

namespace {

struct TParserContextFree {
  void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
using TParserContext = std::unique_ptr<xmlParserCtxt, TParserContextFree>;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The text cut after `limit` bytes, never inside a character.
std::string CutAt(std::string text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

// Never XML_PARSE_HUGE: it would lift libxml2's guard against entity amplification (and
// its depth limit of 256), and never XML_PARSE_NOENT: entities stay references, which the
// readers expand once each, within bounds.
constexpr int kStrictOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;

// Entities that multiply (a "billion laughs") make a hostile book, whatever reads it next.
void RejectEntityBomb(const xmlError& error) {
  if (error.code == XML_ERR_ENTITY_LOOP)
    throw EBookError("the book's entities expand without end (an entity bomb)");
}

bool IsTooDeep(const xmlError& error) {
  return error.code == XML_ERR_INTERNAL_ERROR && error.message &&
         std::string_view(error.message).starts_with("Excessive depth");
}

constexpr int kMaxDepth = 256;  // libxml2's own, without XML_PARSE_HUGE

EBookError TooDeep(std::string_view what) {
  return EBookError(FormatMessage("%s nests its elements more than 256 deep", {what}));
}

// Why a strict document named `what` could not be read.
EBookError XmlError(const xmlError& error, std::string_view what) {
  RejectEntityBomb(error);
  if (IsTooDeep(error)) return TooDeep(what);
  return EBookError(FormatMessage("%s is not well-formed XML", {what}));
}

void KeepError(void* context, xmlError* error) {
  if (error && error->level >= XML_ERR_ERROR && static_cast<xmlError*>(context)->code == 0)
    xmlCopyError(error, static_cast<xmlError*>(context));
}

// A strict parse: the document, or none and why.
struct TXmlParse {
  TXmlDocument doc;
  std::optional<EBookError> failure;
};

// Throws at once for an entity bomb.
TXmlParse ParseStrictly(std::string_view bytes, std::string_view what) {
  CheckCancelled();
  InitialiseLibxml();
  const TParserContext context(xmlNewParserCtxt());
  if (!context) throw std::bad_alloc();
  // The bytes piece by piece: given them whole, the parser would keep a copy of them all
  // while it builds the tree, a third copy of the largest books.
  const TByteSource source = SourceOfBytes(bytes);
  TParserInput input(source);
  TXmlParse parse;
  parse.doc.reset(
      xmlCtxtReadIO(context.get(), TParserInput::Read, nullptr, &input, nullptr, nullptr, kStrictOptions));
  input.RethrowFailure();
  if (parse.doc && xmlDocGetRootElement(parse.doc.get())) return parse;
  parse.doc.reset();
  parse.failure = XmlError(context->lastError, what);
  return parse;
}

}  // namespace

TByteSource SourceOfBytes(std::string_view bytes) {
  return [rest = bytes](char* buffer, std::size_t size) mutable {
    const std::size_t count = std::min(size, rest.size());
    std::memcpy(buffer, rest.data(), count);
    rest.remove_prefix(count);
    return count;
  };
}

TParserInput::TParserInput(const TByteSource& source, std::function<void()> beforePiece)
    : source_(source), beforePiece_(std::move(beforePiece)) {
  RenewXmlMemoryReserve();
  memoryFailures_ = XmlMemoryFailures();
}

int TParserInput::Read(void* context, char* buffer, int size) {
  auto& input = *static_cast<TParserInput*>(context);
  if (input.failure_) return -1;
  try {
    input.ThrowIfMemoryFailed();
    CheckCancelled();
    if (input.beforePiece_) input.beforePiece_();
    return static_cast<int>(input.source_(buffer, static_cast<std::size_t>(std::max(size, 0))));
  } catch (...) {
    input.failure_ = std::current_exception();
    return -1;
  }
}

void TParserInput::ThrowIfMemoryFailed() const {
  if (XmlMemoryFailures() != memoryFailures_) throw std::bad_alloc();
}

void TParserInput::RethrowFailure() const {
  if (failure_) std::rethrow_exception(failure_);
  ThrowIfMemoryFailed();
}

TXmlDocument TryParseXml(std::string_view bytes) { return ParseStrictly(bytes, "the document").doc; }

TXmlDocument ParseXml(std::string_view bytes, std::string_view what) {
  TXmlParse parse = ParseStrictly(bytes, what);
  if (parse.failure) throw *parse.failure;
  return std::move(parse.doc);
}

namespace {

// The most of a stream looked at for its root element.
constexpr std::size_t kMaxPrologBytes = 64 << 10;

// Where the prolog ends: the first byte that is not white space, a processing instruction
// or a comment (the root element's start, a DOCTYPE, or what another encoding makes of
// them); npos while the bytes so far do not tell.
std::size_t PrologEnd(std::string_view bytes) {
  std::size_t at = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  for (;;) {
    at = bytes.find_first_not_of(" \t\r\n", at);
    if (at == std::string_view::npos || at + 4 > bytes.size()) return std::string_view::npos;
    const std::string_view rest = bytes.substr(at);
    const std::string_view close = rest.starts_with("<?") ? "?>" : rest.starts_with("<!--") ? "-->" : "";
    if (close.empty()) return at;
    const std::size_t end = bytes.find(close, at + 2);
    if (end == std::string_view::npos) return end;
    at = end + close.size();
  }
}

// The first bytes of the stream, through its prolog or as far as kMaxPrologBytes.
std::string ReadProlog(const TByteSource& source) {
  std::string prolog;
  char buffer[4096];
  while (prolog.size() < kMaxPrologBytes && PrologEnd(prolog) == std::string_view::npos) {
    const std::size_t count = source(buffer, sizeof buffer);
    if (count == 0) break;
    prolog.append(buffer, count);
  }
  return prolog;
}

// True when the root element follows a prolog without a DOCTYPE: such a document can
// declare no entity.
bool DeclaresNoEntities(std::string_view prolog) {
  const std::size_t end = PrologEnd(prolog);
  return end != std::string_view::npos && prolog[end] == '<' && prolog[end + 1] != '!';
}

}  // namespace

TXmlStream::TXmlStream(const TByteSource& source, std::string_view what)
    : prolog_(ReadProlog(source)),
      rest_([this, &source](char* buffer, std::size_t size) {
        if (prologGiven_ == prolog_.size()) return source(buffer, size);
        const std::size_t count = std::min(size, prolog_.size() - prologGiven_);
        std::memcpy(buffer, prolog_.data() + prologGiven_, count);
        prologGiven_ += count;
        return count;
      }),
      input_(rest_),
      what_(what),
      huge_(DeclaresNoEntities(prolog_)) {
  InitialiseLibxml();
  // A text node or a document past libxml2's 10 MB limits needs XML_PARSE_HUGE, which
  // also lifts the guards against entities that multiply: only for a document that
  // declares none. Its depth stays bounded here.
  reader_.reset(xmlReaderForIO(TParserInput::Read, nullptr, &input_, nullptr, nullptr,
                               kStrictOptions | (huge_ ? XML_PARSE_HUGE : 0)));
  if (!reader_) throw std::bad_alloc();
  xmlTextReaderSetStructuredErrorHandler(reader_.get(), KeepError, &error_);
}

TXmlStream::~TXmlStream() { xmlResetError(&error_); }

bool TXmlStream::Moved(int status) {
  input_.RethrowFailure();
  if (status < 0) throw XmlError(error_, what_);
  if (huge_ && status == 1 && Depth() > kMaxDepth) throw TooDeep(what_);
  return status == 1;
}

bool TXmlStream::Next() { return Moved(xmlTextReaderRead(reader_.get())); }
bool TXmlStream::SkipChildren() { return Moved(xmlTextReaderNext(reader_.get())); }

int TXmlStream::Kind() const { return xmlTextReaderNodeType(reader_.get()); }
int TXmlStream::Depth() const { return xmlTextReaderDepth(reader_.get()); }
bool TXmlStream::IsEmptyElement() const { return xmlTextReaderIsEmptyElement(reader_.get()) == 1; }
const xmlNode* TXmlStream::Node() const { return xmlTextReaderCurrentNode(reader_.get()); }
const xmlNode* TXmlStream::Expand() {
  const xmlNode* node = xmlTextReaderExpand(reader_.get());
  if (!node) Moved(-1);
  return node;
}

std::string_view LocalName(const xmlNode* node) {
  return node && node->name ? std::string_view(reinterpret_cast<const char*>(node->name))
                            : std::string_view();
}

bool IsElement(const xmlNode* node, std::string_view localName) {
  return node && node->type == XML_ELEMENT_NODE && EqualsIgnoringCase(LocalName(node), localName);
}

bool IsOneOf(const xmlNode* node, std::initializer_list<std::string_view> localNames) {
  for (const std::string_view name : localNames) {
    if (IsElement(node, name)) return true;
  }
  return false;
}

std::vector<const xmlNode*> ChildElements(const xmlNode* parent, std::string_view localName) {
  std::vector<const xmlNode*> found;
  for (const xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
    if (IsElement(child, localName)) found.push_back(child);
  }
  return found;
}

const xmlNode* FirstChildElement(const xmlNode* parent, std::string_view localName) {
  for (const xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
    if (IsElement(child, localName)) return child;
  }
  return nullptr;
}

std::string LanguageAttribute(const xmlNode* element) {
  std::string language = Attribute(element, "lang");
  return language.empty() ? Attribute(element, "xml:lang") : language;
}

std::string EntityText(const xmlNode* reference) {
  std::string text;
  if (const htmlEntityDesc* known = htmlEntityLookup(reference->name)) {
    AppendUtf8(text, known->value);
  } else if (const xmlEntity* declared = xmlGetDocEntity(reference->doc, reference->name);
             declared && declared->content) {
    text = reinterpret_cast<const char*>(declared->content);
  }
  return text;
}

std::string Attribute(const xmlNode* node, std::string_view localName) {
  if (!node || node->type != XML_ELEMENT_NODE) return {};
  for (const xmlAttr* attr = node->properties; attr; attr = attr->next) {
    if (!attr->name || reinterpret_cast<const char*>(attr->name) != localName) continue;
    // The value's pieces one by one: libxml2's own joining would expand entities within
    // entities without end.
    std::string value;
    for (const xmlNode* piece = attr->children; piece && value.size() < kMaxMetadataBytes;
         piece = piece->next) {
      if (piece->type == XML_ENTITY_REF_NODE)
        value += EntityText(piece);
      else if (piece->content)
        value += reinterpret_cast<const char*>(piece->content);
    }
    return ValidUtf8(CutAt(value, kMaxMetadataBytes));
  }
  return {};
}

std::string CollapsedText(const xmlNode* node) {
  std::string collapsed;
  bool space = false;
  const auto append = [&](std::string_view text) {
    for (const char c : text) {
      if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) {
        space = !collapsed.empty();
      } else {
        if (space) collapsed += ' ';
        space = false;
        collapsed += c;
      }
    }
  };
  // Walked without recursion (a deep tree cannot exhaust the stack), and only until the
  // value is long enough.
  for (const xmlNode* at = node; at && collapsed.size() < kMaxMetadataBytes;) {
    if (at->type == XML_TEXT_NODE || at->type == XML_CDATA_SECTION_NODE) {
      if (at->content) append(reinterpret_cast<const char*>(at->content));
    } else if (at->type == XML_ENTITY_REF_NODE) {
      append(EntityText(at));
    } else if (at->type == XML_ELEMENT_NODE && at->children) {
      at = at->children;
      continue;
    }
    while (at != node && !at->next) at = at->parent;
    at = at == node ? nullptr : at->next;
  }
  return ValidUtf8(CutAt(collapsed, kMaxMetadataBytes));
}

bool HasToken(std::string_view list, std::string_view token) {
  constexpr std::string_view kSpace = " \t\r\n\f";
  for (std::size_t start = list.find_first_not_of(kSpace); start != std::string_view::npos;) {
    const std::size_t end = std::min(list.find_first_of(kSpace, start), list.size());
    if (list.substr(start, end - start) == token) return true;
    start = list.find_first_not_of(kSpace, end);
  }
  return false;
}

std::string NameWithoutAddresses(std::string_view name) {
  std::string kept;
  int angle = 0;  // inside <...>
  std::string word;
  const auto endWord = [&] {
    const bool address = word.find('@') != std::string::npos || word.find("://") != std::string::npos ||
                         word.starts_with("www.") || word.starts_with("(www.");
    if (!word.empty() && !address) kept += (kept.empty() ? "" : " ") + word;
    word.clear();
  };
  for (const char c : name) {
    if (c == '<')
      ++angle;
    else if (c == '>' && angle > 0)
      --angle;
    else if (angle > 0)
      continue;
    else if (c == ' ')
      endWord();
    else
      word += c;
  }
  endWord();
  // What stood before an address ("Name, ", "Name (") goes with it.
  while (!kept.empty() &&
         (kept.back() == ',' || kept.back() == ';' || kept.back() == '(' || kept.back() == ' '))
    kept.pop_back();
  return kept;
}

std::vector<std::string> Names(const xmlNode* parent, std::string_view localName,
                               std::string (*nameOf)(const xmlNode*)) {
  std::vector<std::string> names;
  for (const xmlNode* child : ChildElements(parent, localName)) {
    std::string name = NameWithoutAddresses(nameOf(child));
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace books
