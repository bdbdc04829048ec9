// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_href.h"

#include <libxml/uri.h>

#include <vector>

namespace books {

std::optional<std::string> ResolveHref(std::string_view documentPath, std::string_view href) {
  std::string relative(href.substr(0, href.find('#')));
  if (char* unescaped = xmlURIUnescapeString(relative.c_str(), 0, nullptr)) {
    relative = unescaped;
    xmlFree(unescaped);
  }
  const std::size_t slash = documentPath.rfind('/');
  const std::string joined =
      std::string(slash == std::string_view::npos ? std::string_view() : documentPath.substr(0, slash + 1)) +
      relative;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= joined.size()) {
    std::size_t end = joined.find('/', start);
    if (end == std::string::npos) end = joined.size();
    const std::string part = joined.substr(start, end - start);
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string path;
  for (const std::string& part : parts) path += (path.empty() ? "" : "/") + part;
  return path;
}

}  // namespace books
