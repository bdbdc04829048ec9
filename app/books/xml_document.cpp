#include "app/books/xml_document.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>

#include <climits>

#include "app/books/book.h"
#include "platform/cancellation.h"
#include "platform/utf8.h"

namespace books {

namespace {

// libxml2 keeps global tables; set them up once before any thread parses.
void InitialiseOnce() {
  static const bool initialised = [] {
    xmlInitParser();
    return true;
  }();
  (void)initialised;
}

int SizeOf(std::string_view bytes) {
  // The readers' limits keep inputs far below this; a larger one is cut, never wrapped.
  return bytes.size() > INT_MAX ? INT_MAX : static_cast<int>(bytes.size());
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

TXmlDocument TryParseXml(std::string_view bytes) {
  CheckCancelled();
  InitialiseOnce();
  constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
  return TXmlDocument(xmlReadMemory(bytes.data(), SizeOf(bytes), nullptr, nullptr, kOptions));
}

TXmlDocument ParseXml(std::string_view bytes, std::string_view what) {
  TXmlDocument doc = TryParseXml(bytes);
  if (!doc || !xmlDocGetRootElement(doc.get())) {
    throw EBookError(FormatMessage("%s is not well-formed XML", {what}));
  }
  return doc;
}

TXmlDocument ParseHtml(std::string_view bytes) {
  CheckCancelled();
  InitialiseOnce();
  // A page that declares no character set is most likely UTF-8 today, yet the parser would
  // take it as Latin-1: valid UTF-8 is read as UTF-8, anything else as the page declares.
  const char* encoding = IsValidUtf8(bytes) ? "UTF-8" : nullptr;
  constexpr int kOptions = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
  return TXmlDocument(htmlReadMemory(bytes.data(), SizeOf(bytes), nullptr, encoding, kOptions));
}

std::string_view LocalName(const xmlNode* node) {
  return node && node->name ? std::string_view(reinterpret_cast<const char*>(node->name))
                            : std::string_view();
}

bool IsElement(const xmlNode* node, std::string_view localName) {
  return node && node->type == XML_ELEMENT_NODE && EqualsIgnoringCase(LocalName(node), localName);
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

std::string Attribute(const xmlNode* node, std::string_view localName) {
  if (!node || node->type != XML_ELEMENT_NODE) return {};
  for (const xmlAttr* attr = node->properties; attr; attr = attr->next) {
    if (!attr->name || reinterpret_cast<const char*>(attr->name) != localName) continue;
    xmlChar* value = xmlNodeListGetString(node->doc, attr->children, 1);
    std::string result = ValidUtf8(value ? reinterpret_cast<const char*>(value) : "");
    xmlFree(value);
    return result;
  }
  return {};
}

std::string CollapsedText(const xmlNode* node) {
  xmlChar* raw = xmlNodeGetContent(node);
  const std::string_view text = raw ? reinterpret_cast<const char*>(raw) : "";
  std::string collapsed;
  bool space = false;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) {
      space = !collapsed.empty();
    } else {
      if (space) collapsed += ' ';
      space = false;
      collapsed += c;
    }
  }
  xmlFree(raw);
  return ValidUtf8(collapsed);
}

std::string JoinedNames(const xmlNode* parent, std::string_view localName,
                        std::string (*nameOf)(const xmlNode*)) {
  std::string names;
  for (const xmlNode* child : ChildElements(parent, localName)) {
    const std::string name = nameOf(child);
    if (name.empty()) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

}  // namespace books
