// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parsed XML and HTML documents (libxml2), owned, with the few lookups the readers need.
#include <libxml/tree.h>
#include <libxml/xmlreader.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace books {

struct TXmlDocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using TXmlDocument = std::unique_ptr<xmlDoc, TXmlDocFree>;

// libxml2 keeps global tables: set up once, before any parse.
void InitialiseLibxml();

// Strict XML, no network, no external DTD, no entity expansion; null when not well formed.
TXmlDocument TryParseXml(std::string_view bytes);
// As TryParseXml, but EBookError "<what> is not well-formed XML" when it fails.
TXmlDocument ParseXml(std::string_view bytes, std::string_view what);
// Hands out a document's next bytes into the buffer, at most `size`; 0 at the end.
using TByteSource = std::function<std::size_t(char* buffer, std::size_t size)>;
// The bytes (which must outlive it) as a source.
TByteSource SourceOfBytes(std::string_view bytes);

// A source as libxml2's read callback (Read, with the input as its context). Before each
// piece it asks whether the run is to stop and runs `beforePiece`, so that a parse that is
// one library call still stops when asked. An exception must not pass through libxml2: it
// is kept, the parser is told the input failed, and RethrowFailure throws it once the
// parser is out. An allocation of libxml2's that failed meanwhile (xml_memory.h) ends the
// input, and RethrowFailure throws std::bad_alloc.
class TParserInput {
public:
  // `source` must outlive the input.
  explicit TParserInput(const TByteSource& source, std::function<void()> beforePiece = {});
  static int Read(void* context, char* buffer, int size);
  void RethrowFailure() const;

private:
  void ThrowIfMemoryFailed() const;

  const TByteSource& source_;
  std::function<void()> beforePiece_;
  std::exception_ptr failure_;
  std::uint64_t memoryFailures_ = 0;  // as many as had failed when the input began
};

// A strict XML document read as a stream, node by node (libxml2's reader), so that the
// largest books need no tree of their own. The nodes' ancestors stay while they are read.
class TXmlStream {
public:
  // `source` must outlive the stream; `what` names the document in errors.
  TXmlStream(const TByteSource& source, std::string_view what);
  ~TXmlStream();
  TXmlStream(const TXmlStream&) = delete;
  TXmlStream& operator=(const TXmlStream&) = delete;

  // Moves to the next node; false at the end. EBookError as ParseXml when the document
  // turns out bad.
  bool Next();
  // Moves past the current element's children and end to what follows it.
  bool SkipChildren();
  int Kind() const;  // an xmlReaderTypes value
  int Depth() const;
  bool IsEmptyElement() const;
  const xmlNode* Node() const;
  // The current element read whole, with its children; valid until the next move.
  const xmlNode* Expand();

private:
  bool Moved(int status);

  struct TReaderFree {
    void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
  };
  std::string prolog_;  // the first bytes, read ahead to see what the document declares
  std::size_t prologGiven_ = 0;
  TByteSource rest_;  // the prolog, then the source
  TParserInput input_;
  std::unique_ptr<xmlTextReader, TReaderFree> reader_;
  std::string what_;
  bool huge_;         // read past libxml2's size limits
  xmlError error_{};  // the first error the reader reports
};

// The element's name without its namespace prefix, as written.
std::string_view LocalName(const xmlNode* node);
bool IsElement(const xmlNode* node, std::string_view localName);
// True when the node is an element of one of these local names.
bool IsOneOf(const xmlNode* node, std::initializer_list<std::string_view> localNames);
// The element children of `parent` with the local name, in document order.
std::vector<const xmlNode*> ChildElements(const xmlNode* parent, std::string_view localName);
const xmlNode* FirstChildElement(const xmlNode* parent, std::string_view localName);
// The most of one metadata value or attribute that is kept: far more than any title, and
// a bound on what entities referenced many times can make of a few bytes.
inline constexpr std::size_t kMaxMetadataBytes = 4096;

// An attribute's value by local name, any namespace, cut after kMaxMetadataBytes; empty
// when absent.
std::string Attribute(const xmlNode* node, std::string_view localName);
// The language an element names: lang, or xml:lang (which the tolerant HTML parser names
// as written); empty when neither.
std::string LanguageAttribute(const xmlNode* element);
// The text of an entity the XML parser left unexpanded: an XHTML name such as &nbsp; that
// no loaded DTD declares, or one the document declares, taken as written and never
// expanded further, so that nested entities cannot multiply.
std::string EntityText(const xmlNode* reference);
// True when the white-space separated list (a class or properties attribute) holds `token`.
bool HasToken(std::string_view list, std::string_view token);
// All text below the node, its white space collapsed and trimmed, cut after
// kMaxMetadataBytes (metadata values: a title, a name).
std::string CollapsedText(const xmlNode* node);
// A person's name as a book's metadata gives it, without an e-mail address or web address
// ("Jan Kowal <jan@example.org>", "Jan Kowal, https://example.org" give "Jan Kowal").
std::string NameWithoutAddresses(std::string_view name);
// The names `nameOf` gives the `localName` children of `parent`, the empty ones left out,
// without addresses: a book's authors.
std::vector<std::string> Names(const xmlNode* parent, std::string_view localName,
                               std::string (*nameOf)(const xmlNode*));

}  // namespace books
