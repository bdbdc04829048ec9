// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>

#include "app/books/book_reader.h"
#include "books/book_fixtures.h"
#include "platform/utf8.h"

using ::testing::ElementsAre;

namespace {

TBook ReadHtmlPage(const std::string& html) {
  const std::optional<TBook> book = ReadMarkupBook(html, "page.html");
  if (!book) throw std::runtime_error("read as plain text");
  return *book;
}

}  // namespace

TEST(HtmlReader, ExtractsTheBodyAsABrowserFlowsIt) {
  const TBook book = ReadHtmlPage(
      "<!DOCTYPE html><html><head><title> The  Clock </title><meta name=\"author\" content=\"A. Writer\">"
      "<script>var x = '<p>no</p>';</script></head><body>\n"
      "<h1>Part  One</h1><h2>Subtitle</h2>\n"
      "<p>Tick &amp; tock,\n   said <b>the</b><i>clock</i>&nbsp;&#8212;&#x41;<img src=x.png>.</p>"
      "<div>line<br>break<br><br><br>after</div><ul><li>one</li><li>two</li></ul>"
      "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th></tr></table>"
      "<style>p{}</style><pre>  keep\n    this</pre>"
      "<h2>Part Two</h2><p>end</p><h3>minor</h3><p>last</p></body></html>");
  EXPECT_EQ(book.title, "The Clock");
  EXPECT_EQ(book.author, "A. Writer");
  EXPECT_EQ(
      ReadHtmlPage("<head><meta name=author content='Jan Kowal &lt;jan@example.org&gt;'></head>").author,
      "Jan Kowal");
  EXPECT_THAT(Lines(book.text),
              ElementsAre("Part One", "", "Subtitle", "",
                          "Tick & tock, said theclock\xC2\xA0\xE2\x80\x94"
                          "A.",
                          "line", "break", "", "after", "one", "two", "a b", "c", "  keep", "    this", "",
                          "\f", "Part Two", "", "end", "", "minor", "", "last"));
}

// The link bars of DocBook, Sphinx and Publican, HTML5 and EPUB 3 navigation: none is text.
TEST(HtmlReader, LeavesNavigationOut) {
  const TBook book = ReadHtmlPage(
      "<html><body><div class=\"navheader\"><table><tr><th colspan=3>Chapter 2. Tools</th></tr><tr><td>"
      "<a accesskey=p href=1.html>Prev</a></td><td><a href=3.html>Next</a></td></tr></table><hr></div>"
      "<div class=\"related\" role=\"navigation\" aria-label=\"related navigation\"><h3>Navigation</h3><ul>"
      "<li class=\"right\"><a href=\"genindex.html\">index</a></li><li><a href=n.html>next</a> "
      "|</li></ul></div>"
      "<h1>Tools</h1><p class=\"related\">Related work is text.</p>"
      "<nav><a href=p.html>Poprzedni</a> <a href=n.html>Nast\xC4\x99pny</a></nav>"
      "<section epub:type=\"landmarks\"><a href=c.html>Cover</a></section>"
      "<div role=\"doc-toc\"><p>Contents stay</p></div>"
      "<ul class=\"docnav\"><li class=\"previous\"><a href=p.html><strong>Prev</strong></a></li>"
      "<li class=\"next\"><a href=n.html><strong>Next</strong></a></li></ul>"
      "<div class=\"navfooter\"><hr><table><tr><td><a href=u.html>Up</a></td><td><a href=h.html>Home</a>"
      "</td></tr><tr><td>Chapter 1.</td></tr></table></div></body></html>");
  EXPECT_THAT(Lines(book.text), ElementsAre("Tools", "", "Related work is text.", "Contents stay"));
}

// Past 256 open elements the parser used to stop and drop the rest, reporting success.
TEST(HtmlReader, KeepsEveryWordOfDeeplyNestedOrUnclosedElements) {
  std::string soup = "<html><body>", divs = soup, spans = soup;
  std::vector<std::string> paragraphs;
  for (int i = 0; i < 1000; ++i) {
    soup += "<p><font color=red>para" + std::to_string(i);
    paragraphs.push_back("para" + std::to_string(i));
  }
  EXPECT_EQ(Lines(ReadHtmlPage(soup).text), paragraphs);
  for (int i = 0; i < 100000; ++i) divs += "<div>";
  EXPECT_THAT(Lines(ReadHtmlPage(divs + "deep</div><p>after").text), ElementsAre("deep", "after"));
  for (int i = 0; i < 100000; ++i) spans += "<span>";
  EXPECT_THAT(Lines(ReadHtmlPage(spans + "inner words").text), ElementsAre("inner words"));
}

TEST(HtmlReader, ReadsTagSoupAndDeclaredCharsets) {
  EXPECT_THAT(Lines(ReadHtmlPage("<html><body><p>open <b>bold<p>next</i> &unknown; &lt;ok&gt;").text),
              ElementsAre("open bold", "next &unknown; <ok>"));
  EXPECT_THAT(
      Lines(ReadHtmlPage("<html><head><meta charset=\"windows-1250\"></head><body>\xB9\xE6</body></html>")
                .text),
      ElementsAre("\xC4\x85\xC4\x87"));
  // Found by fuzzing: bytes the parser cannot decode never reach the page as broken UTF-8.
  const TBook broken = ReadHtmlPage(
      "<html><head><title>a\x9E</title></head><body>x &\xB9"
      "amp; \x9E\xC3\x9D\x8D</body>");
  EXPECT_TRUE(IsValidUtf8(broken.title + broken.text)) << broken.title << broken.text;
  EXPECT_THAT(Lines(ReadHtmlPage("\xEF\xBB\xBF<html><body>\xC5\xBC\xC3\xB3\xC5\x82w</body></html>").text),
              ElementsAre("\xC5\xBC\xC3\xB3\xC5\x82w"));
}
