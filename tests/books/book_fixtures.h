// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small books built in memory for the reader tests: EPUB skeletons, and the extracted
// text split back into lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/zip_writer.h"

inline std::string Container(const std::string& packagePath) {
  return R"(<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container">)"
         R"(<rootfiles><rootfile full-path=")" +
         packagePath + R"(" media-type="application/oebps-package+xml"/></rootfiles></container>)";
}

// A package document with the metadata, manifest items (id, href, media type) and spine ids.
inline std::string Package(const std::string& metadata, const std::vector<std::vector<std::string>>& items,
                           const std::vector<std::string>& spine, const std::string& version = "2.0") {
  std::string opf =
      R"(<?xml version="1.0" encoding="UTF-8"?><package xmlns="http://www.idpf.org/2007/opf" version=")" +
      version + R"(" unique-identifier="id"><metadata xmlns:dc="http://purl.org/dc/elements/1.1/">)" +
      metadata + "</metadata><manifest>";
  for (const auto& item : items) {
    opf += R"(<item id=")" + item[0] + R"(" href=")" + item[1] + R"(" media-type=")" + item[2] + "\"" +
           (item.size() > 3 ? " properties=\"" + item[3] + "\"" : "") + "/>";
  }
  opf += "</manifest><spine>";
  for (const auto& id : spine) opf += R"(<itemref idref=")" + id + R"("/>)";
  return opf + "</spine></package>";
}

inline std::string Xhtml(const std::string& body) {
  return R"(<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE html><html xmlns="http://www.w3.org/1999/xhtml">)"
         "<head><title>ignored</title><style>p { color: red }</style></head><body>" +
         body + "</body></html>";
}

// The text's lines, each of which must end with CR LF.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line lacks CR LF: " << text.substr(start);
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}
