// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/html_text.h"

#include <gmock/gmock.h>
#include <libxml/HTMLparser.h>

#include <array>
#include <string>

#include "app/books/markup_text.h"
#include "app/books/xml_document.h"
#include "books/book_fixtures.h"
#include "platform/cancellation.h"

using namespace books;

namespace {

constexpr std::size_t kCapacity = std::size_t{64} << 20;

// The text a walk of the whole page's tree gives, parsed as the reader parses it.
std::string WholeTreeText(const std::string& page) {
  const TXmlDocument doc(htmlReadMemory(
      page.data(), static_cast<int>(page.size()), nullptr, "UTF-8",
      HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET | XML_PARSE_HUGE));
  const xmlNode* html = xmlDocGetRootElement(doc.get());
  const xmlNode* body = FirstChildElement(html, "body");
  TTextBuilder builder(kCapacity);
  AppendMarkupText(body ? body : html, HtmlRole, builder);
  return builder.Finish();
}

std::string TextAsParsed(const std::string& page, std::string* title = nullptr) {
  TTextBuilder builder(kCapacity);
  AppendHtmlText(page, builder, [&](const xmlNode* head) {
    if (title) *title = CollapsedText(FirstChildElement(head, "title"));
  });
  return builder.Finish();
}

}  // namespace

// Text grows across pieces of input, elements stay open across them, a bar of links is
// told by what it holds: a page of many pieces reads as its whole tree does.
TEST(HtmlText, ReadsAPageOfManyPiecesAsItsWholeTree) {
  const std::array<std::string, 14> pieces = {
      "<section><em>one</em> <em>two</em></section>",
      "<p>open <b>bold</b><!-- note --> <i>italic</i>",
      "<div class=navigation><span>not</span> " + std::string(6000, ' ') + "<a href=x>a bar</a></div>",
      "<div class=navigation><span>kept</span> " + std::string(6000, ' ') + "words</div>",
      "<script>var page = '<p>no</p>';</script><nav>menu</nav>",
      "<pre>  kept\n   as is\n</pre>",
      "<table><tr><td>cell</td> <td>next</td></tr></table>",
      "<ul><li>first<li>second</ul><h1>Chapter</h1><h3>Part</h3>",
      "<font color=red>unclosed ",
      "loose   text\n <br>after a break",
      "&amp; &nbsp; &eacute; &unknown;",
      "<!-- a --> <!-- b --> <span>x</span> <!-- c -->  <span>y</span>",
      "<p>" + std::string(9000, 'w') + "</p>",
      "<article> <b>b1</b> <b>b2</b> </article>",
  };
  for (const std::string_view start : {"<html><head><title>The Title</title></head><body>", "<div>", ""}) {
    std::string page(start);
    for (std::size_t i = 0; page.size() < 300000; ++i) page += pieces[(i * 7 + i / 5) % pieces.size()];
    std::string title;
    EXPECT_EQ(TextAsParsed(page, &title), WholeTreeText(page));
    EXPECT_EQ(title, start.starts_with("<html>") ? "The Title" : "");
  }
  // No body, or a body held whole as a bar that holds no link: the whole page.
  const std::string frames = "<html><frameset><noframes>" + std::string(20000, 'x') + " <p>y</p></noframes>";
  EXPECT_EQ(TextAsParsed(frames), WholeTreeText(frames));
  std::string bar = "<body class=navbar>";
  for (int i = 0; i < 3000; ++i) bar += "<p>not a bar " + std::to_string(i);
  EXPECT_EQ(Lines(TextAsParsed(bar)).size(), 3000u);
  // Content after </html>, which the parser puts into a second html inside the first.
  std::string paragraphs = "<html>in</html>>", words = "<html><body><p>in</p></body></html>> after";
  for (int i = 0; i < 2000; ++i) paragraphs += "<p>after " + std::to_string(i) + "</p>", words += " word";
  for (const std::string& after : {paragraphs, words}) EXPECT_EQ(TextAsParsed(after), WholeTreeText(after));
}

// A page of few elements is one long parse: it stops within it, at the first question
// answered yes.
TEST(HtmlText, StopsWithinTheParseWhenAsked) {
  const std::string page = "<html><body><pre>" + std::string(1 << 20, 'x') + "</pre></body></html>";
  int asked = 0;
  const TCancelScope scope([&] { return ++asked >= 10; });
  TTextBuilder builder(kCapacity);
  EXPECT_THROW(AppendHtmlText(page, builder), ERunCancelled);
  EXPECT_EQ(asked, 10);
}
