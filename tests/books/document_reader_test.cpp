// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/document_reader.h"

#include <gmock/gmock.h>

#include "app/books/book_reader.h"
#include "app/books/text_capacity.h"
#include "books/book_fixtures.h"
#include "document/document_outline.h"

using document::Outline;
using ::testing::ElementsAre;

TEST(DocumentReader, ReadsAnHtmlPagesStructure) {
  const std::string page = R"(<!DOCTYPE html><html lang="en-GB"><head><title>Manual</title>
    <meta name="author" content="Ann Smith &lt;ann@example.org&gt;"></head><body>
    <nav><a href="#a">Contents</a></nav>
    <h1>One<a class="headerlink" href="#one">¶</a></h1><h2>Sub<span epub:type="pagebreak">7</span></h2>
    <p>Plain <em>soft</em> and <b>bold <i>both</i></b>, <code>x = 1</code>, hy&shy;phen<a href="#n1" epub:type="noteref">[1]</a>.
       Line<br>break.</p>
    <ol start="3" type="a"><li>first<ul><li>inner</li></ul>tail</li><li value="10"><p>tenth</p><p>more</p></li></ol>
    <blockquote><p>Quoted.</p><blockquote>Deeper.</blockquote></blockquote>
    <pre>
  two  spaces
end</pre>
    <table><caption>Prices <em>now</em><p>and then</p></caption><tr><th>Bind</th><th>credentials</th></tr>
      <tr><td>the</td><td><p>administrative</p><p>password</p></td></tr></table>
    <hr><p>* * *</p>
    <figure><img src="pic.png" alt="alt"><figcaption>Caption</figcaption></figure>
    <h1>Two</h1><p>Last.</p>
    <aside epub:type="footnote" id="n1"><p>The note, <a href="#r1" role="doc-backlink">back</a>.</p><p>More.</p></aside>
    </body></html>)";
  const std::optional<document::TDocument> book = ReadBookDocument(page, "page.html");
  ASSERT_TRUE(book.has_value());
  EXPECT_EQ(book->title, "Manual");
  EXPECT_THAT(book->authors, ElementsAre("Ann Smith"));
  EXPECT_EQ(book->language, "en-GB");
  EXPECT_THAT(
      Outline(book->blocks),
      ElementsAre("Chapter:One", "Heading1:One", "Heading2:Sub",
                  "Paragraph:Plain <i>soft </i>and <b>bold </b><i><b>both</b></i>, <tt>x = 1</tt>, "
                  "hy\u00ADphen<sup>1</sup>. Line\nbreak.",
                  "ListItem1[c.]:first", "ListItem2[\u2022]:inner", "ListItem1:tail", "ListItem1[j.]:tenth",
                  "ListItem1:more", "Quote1:Quoted.", "Quote2:Deeper.", "Pre:  two  spaces\nend",
                  "Table:Prices <i>now </i>and then//<th>Bind|<th>credentials/the|administrative password",
                  "Break:", "Break:", "Image(pic.png|alt):Caption", "Chapter:Two", "Heading1:Two",
                  "Paragraph:Last.", "Note[1]:The note, . More."));
}

TEST(DocumentReader, PicturesStandInTheirLinesOrAloneWithOneCaption) {
  const std::string page = R"(<html><body><p>Press <img src="icon.png" alt="Save"/> now.</p>
    <div class="figure"><img src="fig.png" alt="../_images/fig.png"/><p class="caption">Cycle items</p></div>
    <figure><img src="f.png" alt="f.png"/><figcaption>f.png</figcaption></figure>
    <p><a href="big.png"><img src="big.png" alt="Big" title="A title"/></a></p>
    <p><a href="https://gnu.org"><img src="gnu.png" alt="GNU"/></a></p></body></html>)";
  const std::optional<document::TDocument> book = ReadBookDocument(page, "page.html");
  ASSERT_TRUE(book.has_value());
  EXPECT_THAT(Outline(book->blocks),
              ElementsAre("Paragraph:Press {icon.png|Save} now.", "Image(fig.png):Cycle items",
                          "Image(f.png):", "Image(big.png|Big):A title"));
}

TEST(DocumentReader, ReadsTheNotesBookGeneratorsWrite) {
  // DocBook's, then Sphinx's: references by class, notes by the id they point to, labels and
  // links back dropped.
  const std::string page = R"(<html><body>
    <p>Zdanie<a id="id1" href="#ftn.id1" class="footnote"><sup class="footnote">[1]</sup></a> dalej.</p>
    <div class="footnotes"><br><hr><div id="ftn.id1" class="footnote"><p><a href="#id1" class="para">
      <sup class="para">[1] </sup></a>Pierwszy.</p></div></div>
    <p>Sentence<a class="footnote-reference brackets" href="#id4" id="id2" role="doc-noteref">
      <span class="fn-bracket">[</span>2<span class="fn-bracket">]</span></a>.</p>
    <aside class="footnote-list brackets"><aside class="footnote brackets" id="id4" role="doc-footnote">
      <span class="label"><span class="fn-bracket">[</span><a role="doc-backlink" href="#id2">2</a>
      <span class="fn-bracket">]</span></span><p>Second.</p></aside></aside>
    </body></html>)";
  const std::optional<document::TDocument> book = ReadBookDocument(page, "manual.html");
  ASSERT_TRUE(book.has_value());
  EXPECT_THAT(Outline(book->blocks), ElementsAre("Paragraph:Zdanie<sup>1</sup> dalej.", "Note[1]:Pierwszy.",
                                                 "Paragraph:Sentence<sup>2</sup>.", "Note[2]:Second."));
}

TEST(DocumentReader, ReadsAnFb2BooksStructureAndNotes) {
  const std::string fb2 = R"(<?xml version="1.0" encoding="UTF-8"?>
<FictionBook xmlns="http://www.gribuser.ru/xml/fictionbook/2.0" xmlns:l="http://www.w3.org/1999/xlink">
 <description><title-info><author><first-name>Jan</first-name><last-name>Kowal</last-name></author>
  <author><nickname>anon</nickname></author><book-title>Księga</book-title><lang>pl</lang></title-info></description>
 <body><title><p>Księga</p></title>
  <epigraph><p>Motto.</p><text-author>Ktoś</text-author></epigraph>
  <section><title><p>Tom I</p><p>Rozdział 1</p></title>
   <p>Zdanie<a l:href="#n1" type="note">[1]</a> z <emphasis>kursywą</emphasis>.</p>
   <empty-line/><p>Dalej <image l:href="#i" alt="ikona"/>.</p>
   <poem><stanza><v>Wers jeden,</v><v>wers dwa.</v></stanza></poem>
   <p><code>int x;</code></p><p><code>  x = 1;</code></p>
   <section><subtitle>Pod</subtitle><p>• punkt</p><image l:href="#pic" alt="Obraz"/>
    <table><tr><th>A</th><td>b</td></tr></table></section>
  </section>
  <section><p>Bez tytułu.</p></section>
 </body>
 <body name="notes"><title><p>Przypisy</p></title>
  <section id="n1"><title><p>1</p></title><p>Treść</p><p>przypisu.</p></section>
 </body>
</FictionBook>)";
  const std::optional<document::TDocument> book = ReadBookDocument(fb2, "book.fb2");
  ASSERT_TRUE(book.has_value());
  EXPECT_EQ(book->title, "Księga");
  EXPECT_THAT(book->authors, ElementsAre("Jan Kowal", "anon"));
  EXPECT_EQ(book->language, "pl");
  EXPECT_THAT(Outline(book->blocks),
              ElementsAre("Heading1:Księga", "Quote1:Motto.", "Quote1:Ktoś", "Chapter:Tom I\nRozdział 1",
                          "Heading1:Tom I\nRozdział 1", "Paragraph:Zdanie<sup>1</sup> z <i>kursywą</i>.",
                          "Paragraph:Dalej {#i|ikona}.", "Quote1:Wers jeden,\nwers dwa.",
                          "Pre:<tt>int x;\n  x = 1;</tt>", "Heading3:Pod", "ListItem1[\u2022]:punkt",
                          "Image(#pic|Obraz):", "Table:<th>A|b", "Chapter:", "Paragraph:Bez tytułu.",
                          "Note[1]:Treść przypisu."));
}

TEST(DocumentReader, ReadsAnEpubsLanguagePicturesAndNotesInOtherDocuments) {
  const std::string epub = MakeZip({
      {"mimetype", "application/epub+zip"},
      {"META-INF/container.xml", Container("OEBPS/content.opf")},
      {"OEBPS/content.opf",
       Package(R"(<dc:title>T</dc:title><dc:language>pl-PL</dc:language><dc:creator>A</dc:creator>)",
               {{"c1", "text/c1.xhtml", "application/xhtml+xml"},
                {"n", "text/notes.xhtml", "application/xhtml+xml"}},
               {"c1", "n"})},
      {"OEBPS/text/c1.xhtml", Xhtml(R"(<h1>Start</h1><p>Tekst<sup><a href="notes.xhtml#e1">2</a></sup>.</p>)"
                                    R"(<p><img src="../images/a%20b.png" alt=""/></p>)"
                                    R"(<p><img src="../../../etc/passwd"/></p>)")},
      {"OEBPS/text/notes.xhtml", Xhtml(R"(<div id="e1"><p><a href="c1.xhtml#r">2.</a> Przypis.</p></div>)")},
  });
  const std::optional<document::TDocument> book = ReadBookDocument(epub, "book.epub");
  ASSERT_TRUE(book.has_value());
  EXPECT_EQ(book->language, "pl-PL");
  // A reference is known by where it points: the link's target is a note, its own link kept.
  EXPECT_THAT(Outline(book->blocks),
              ElementsAre("Chapter:Start", "Heading1:Start", "Paragraph:Tekst<sup>2</sup>.",
                          "Image(OEBPS/images/a b.png):", "Image:", "Chapter:", "Note[2]:2. Przypis."));
}

TEST(DocumentReader, TakesAPagesLanguageFromItsRoot) {
  EXPECT_EQ(ReadBookDocument(R"(<html lang="pl"><body><p>x</p></body></html>)", "a.html")->language, "pl");
  EXPECT_EQ(
      ReadBookDocument(R"(<?xml version="1.0"?><html xmlns="http://www.w3.org/1999/xhtml" xml:lang="de">)"
                       R"(<body><p>x</p></body></html>)",
                       "a.xhtml")
          ->language,
      "de");
}

TEST(DocumentReader, AnEpubsLanguageComesFromItsMetadataElseItsPackageElseItsFirstPage) {
  const auto language = [](const std::string& packageLang, const std::string& metadata) {
    std::string opf =
        Package(metadata, {{"c", "c.xhtml", "application/xhtml+xml"}, {"d", "d.xhtml", ""}}, {"c", "d"});
    opf.insert(opf.find("<package") + 8, packageLang);
    const std::string epub =
        MakeZip({{"META-INF/container.xml", Container("c.opf")},
                 {"c.opf", opf},
                 // Tag soup, read as a browser reads it; the second page's language is not asked.
                 {"c.xhtml", R"(<html xml:lang="cs-CZ"><body><p>x<br></body></html>)"},
                 {"d.xhtml", R"(<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="de"><body/></html>)"}});
    return ReadBookDocument(epub, "book.epub")->language;
  };
  EXPECT_EQ(language(R"( xml:lang="en")", "<dc:language>pl</dc:language>"), "pl");
  EXPECT_EQ(language(R"( xml:lang="en")", "<dc:language> </dc:language>"), "en");
  EXPECT_EQ(language("", ""), "cs-CZ");
}

TEST(DocumentReader, HostileBooksStayWithinTheirBounds) {
  // Empty elements cost nothing; tiny paragraphs cost their bookkeeping.
  std::string empty, tiny;
  for (int i = 0; i < 20000; ++i) {
    empty += "<p></p><td></td>";
    tiny += "<p>a</p>";
  }
  EXPECT_TRUE(ReadBookDocument("<html><body>" + empty + "</body></html>", "a.html", 1 << 16).has_value());
  EXPECT_THROW(ReadBookDocument("<html><body>" + tiny + "</body></html>", "a.html", 1 << 16), ETextTooLarge);
  // Lists and quotes nested past any book read without recursion.
  std::string nested;
  for (int i = 0; i < 5000; ++i) nested += "<ol><li><blockquote>";
  const auto deep = ReadBookDocument("<html><body>" + nested + "x</body></html>", "a.html");
  ASSERT_TRUE(deep.has_value());
  EXPECT_THAT(Outline(deep->blocks), ElementsAre("ListItem5000[1.]:x"));
}
