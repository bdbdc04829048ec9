// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/front_pages.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>
#include <vector>

#include "app/books/book_href.h"
#include "app/books/xml_document.h"

namespace books {

namespace {

// A title or cover page is a few lines of markup; a larger document is the book's text
// and is not parsed a second time.
constexpr std::size_t kMostFrontPageBytes = 32 * 1024;
// A title page may add a word or two the title page of ours does not show ("by", a year).
constexpr std::size_t kMostOtherWords = 3;

// Lower-cased words; bytes past ASCII count as letters.
std::vector<std::string> WordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || std::isalnum(byte)) {
      word += static_cast<char>(std::tolower(byte));
    } else if (!word.empty()) {
      words.push_back(std::exchange(word, {}));
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool NamesTitleOrCover(std::string_view list) {
  return HasToken(list, "titlepage") || HasToken(list, "cover") || HasToken(list, "title-page");
}

// Every element below `node`, `visit` called for each.
template <typename Visit>
void ForEachElement(const xmlNode* node, const Visit& visit) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    visit(child);
    ForEachElement(child, visit);
  }
}

std::string FileStem(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  return name.substr(0, name.find('.'));
}

}  // namespace

TFrontPages::TFrontPages(const xmlNode* package, std::string_view packagePath, const TBookMetadata& book)
    : cover_(book.cover) {
  for (const std::string& word : WordsOf(book.title)) titleWords_.insert(word);
  for (const std::string& author : book.authors)
    for (const std::string& word : WordsOf(author)) titleWords_.insert(word);
  for (const xmlNode* reference : ChildElements(FirstChildElement(package, "guide"), "reference"))
    if (NamesTitleOrCover(Attribute(reference, "type")))
      if (std::optional<std::string> path = ResolveHref(packagePath, Attribute(reference, "href")))
        coverPages_.insert(std::move(*path));
}

bool TFrontPages::Marked(const xmlNode* body, const std::string& path) const {
  if (coverPages_.contains(path)) return true;
  const std::string stem = FileStem(path);
  if (stem == "cover" || stem == "titlepage" || stem == "title_page") return true;
  bool marked = NamesTitleOrCover(Attribute(body, "type")) || NamesTitleOrCover(Attribute(body, "class"));
  ForEachElement(body, [&marked](const xmlNode* element) {
    marked = marked || NamesTitleOrCover(Attribute(element, "type")) ||
             HasToken(Attribute(element, "class"), "titlepage");
  });
  return marked;
}

bool TFrontPages::Repeats(std::string_view bytes, const std::string& path) const {
  if (bytes.size() > kMostFrontPageBytes) return false;
  const TXmlDocument doc = TryParseXml(bytes);
  const xmlNode* body = doc ? FirstChildElement(xmlDocGetRootElement(doc.get()), "body") : nullptr;
  if (!body) return false;
  // It may show the cover, but no picture that ours does not show.
  bool cover = false, otherPicture = false;
  ForEachElement(body, [&](const xmlNode* element) {
    if (!IsOneOf(element, {"img", "image"})) return;
    const std::optional<std::string> picture =
        ResolveHref(path, Attribute(element, IsElement(element, "img") ? "src" : "href"));
    (picture && !cover_.empty() && *picture == cover_ ? cover : otherPicture) = true;
  });
  if (otherPicture) return false;
  const std::vector<std::string> words = WordsOf(CollapsedText(body));
  if (words.empty() && cover) return true;  // the cover wrapped in a page
  const auto other =
      std::ranges::count_if(words, [&](const std::string& word) { return !titleWords_.contains(word); });
  return static_cast<std::size_t>(other) <= kMostOtherWords && Marked(body, path);
}

}  // namespace books
