// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/front_pages.h"

#include <gtest/gtest.h>

#include "app/books/xml_document.h"

namespace {

using books::TFrontPages;

std::string Page(const std::string& body) {
  return R"(<?xml version="1.0" encoding="UTF-8"?><html xmlns="http://www.w3.org/1999/xhtml")"
         R"( xmlns:epub="http://www.idpf.org/2007/ops"><head><title>x</title></head>)" +
         body + "</html>";
}

// The front pages of a book "Frost Fair" by Anna Nowak kept in OEBPS/, its cover
// OEBPS/img/cover.jpg (none with `cover` false), its guide naming wrap.xhtml the cover page.
TFrontPages Front(bool cover = true) {
  const books::TXmlDocument package =
      books::ParseXml(R"(<package xmlns="http://www.idpf.org/2007/opf"><guide>)"
                      R"(<reference type="cover" href="Text/wrap.xhtml"/></guide></package>)",
                      "package");
  TBookMetadata book{"Frost Fair", {"Anna Nowak"}, "en", cover ? "OEBPS/img/cover.jpg" : ""};
  return TFrontPages(xmlDocGetRootElement(package.get()), "OEBPS/content.opf", book);
}

TEST(FrontPages, OnlyMarkedPagesThatRepeatTheTitleOrCoverAreLeftOut) {
  const std::string title = R"(<h1 class="title">Frost Fair</h1><p class="author">by Anna Nowak</p>)";
  const std::string coverPicture = R"(<div><img src="../img/cover.jpg" alt="Cover"/></div>)";
  const std::string svgCover =
      R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">)"
      R"(<image xlink:href="../img/cover.jpg"/></svg>)";
  const TFrontPages front = Front();
  // pandoc's title pages (EPUB 3, EPUB 2) and a cover page, marked or holding only the cover.
  EXPECT_TRUE(front.Repeats(Page(R"(<body><section epub:type="titlepage">)" + title + "</section></body>"),
                            "OEBPS/Text/front.xhtml"));
  EXPECT_TRUE(front.Repeats(Page("<body>" + title + "</body>"), "OEBPS/Text/title_page.xhtml"));
  EXPECT_TRUE(front.Repeats(Page("<body>" + svgCover + "<p>Cover</p></body>"), "OEBPS/Text/wrap.xhtml"));
  EXPECT_TRUE(front.Repeats(Page("<body>" + coverPicture + "</body>"), "OEBPS/Text/p1.xhtml"));
  EXPECT_TRUE(front.Repeats(Page(R"(<body epub:type="cover">)" + coverPicture + "<p>Cover</p></body>"),
                            "OEBPS/Text/p1.xhtml"));
  // A page that says more, shows another picture, or is not marked as the title page stays.
  EXPECT_FALSE(front.Repeats(Page(R"(<body epub:type="titlepage">)" + title +
                                  "<p>Translated from the Polish by John Smith</p></body>"),
                             "OEBPS/Text/front.xhtml"));
  EXPECT_FALSE(front.Repeats(Page(R"(<body epub:type="cover"><img src="../img/map.jpg"/></body>)"),
                             "OEBPS/Text/wrap.xhtml"));
  EXPECT_FALSE(front.Repeats(Page("<body>" + title + "</body>"), "OEBPS/Text/chapter.xhtml"));
  // Without a cover of the book's own, its cover page is the only place the picture shows.
  EXPECT_FALSE(Front(false).Repeats(Page("<body>" + coverPicture + "</body>"), "OEBPS/Text/p1.xhtml"));
}

}  // namespace
