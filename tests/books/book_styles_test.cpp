// SPDX-License-Identifier: GPL-3.0-or-later
// Books set as their stylesheets say: linked, imported, held in <style> and style="".
#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/books/book_reader.h"
#include "books/book_fixtures.h"
#include "document/document_outline.h"
#include "support/temp_dir.h"

using document::Outline;
using ::testing::ElementsAre;

namespace {

// A chapter in an EPUB with the sheets given, beside it in OEBPS/styles/.
std::string StyledEpub(const std::string& head, const std::string& body,
                       const std::vector<std::pair<std::string, std::string>>& sheets) {
  std::vector<std::pair<std::string, std::string>> files = {
      {"mimetype", "application/epub+zip"},
      {"META-INF/container.xml", Container("OEBPS/content.opf")},
      {"OEBPS/content.opf",
       Package("<dc:title>T</dc:title>", {{"c1", "text/c1.xhtml", "application/xhtml+xml"}}, {"c1"})},
      {"OEBPS/text/c1.xhtml",
       R"(<?xml version="1.0" encoding="UTF-8"?><html xmlns="http://www.w3.org/1999/xhtml"><head>)" + head +
           "</head><body>" + body + "</body></html>"}};
  for (const auto& [name, text] : sheets) files.push_back({"OEBPS/styles/" + name, text});
  return MakeZip(files);
}

// A block's style written out short: "right", "centre", "indent 0", "left 2", "page".
std::string StyleOutline(const document::TBlock& block) {
  static const char* const kAligns[] = {"", "left ", "centre ", "right ", "justify "};
  const document::TBlockStyle& style = block.style;
  char text[96];
  std::snprintf(text, sizeof text, "%s%s%s%s%s", kAligns[static_cast<int>(style.align)],
                style.indent ? ("indent " + std::to_string(int(*style.indent)) + " ").c_str() : "",
                style.marginLeft ? ("margin " + std::to_string(int(style.marginLeft)) + " ").c_str() : "",
                style.pageBreakBefore ? "page " : "", style.keepLines ? "lines " : "");
  std::string outline = text;
  return outline.empty() ? outline : outline.substr(0, outline.size() - 1);
}

std::vector<std::string> StyleOutline(const std::vector<document::TBlock>& blocks) {
  std::vector<std::string> outline;
  for (const document::TBlock& block : blocks) outline.push_back(StyleOutline(block));
  return outline;
}

document::TDocument Read(const std::string& epub) {
  std::optional<document::TDocument> book = ReadBookDocument(epub, "book.epub");
  EXPECT_TRUE(book.has_value());
  return book.value_or(document::TDocument{});
}

}  // namespace

TEST(BookStyles, ClassesLinkedImportedAndInlineStyleTheBlocksAndRuns) {
  const std::string sheet = R"(@import "base.css";
    .c3 { font-style: italic } p.chap { font-size: 2em; font-weight: bold; text-align: center }
    .center { text-align: center } .right { text-align: right } .noindent { text-indent: 0 }
    .epigraph { margin-left: 2em } .gone { display: none } .newpage { page-break-before: always }
    .sc { font-variant: small-caps } .u { text-decoration: underline }
    .pnum { float: right; font-size: 0.6em } .drop { float: left; font-size: 3em }
    .up { text-transform: uppercase })";
  const document::TDocument book = Read(StyledEpub(
      R"(<link rel="stylesheet" type="text/css" href="../styles/book.css"/>
         <style>.red { font-weight: bold }</style>)",
      R"(<p class="chap">Chapter One</p>
         <p class="noindent"><span class="drop">T</span>he <span class="c3">first</span> words,
           <span class="sc">small caps</span>, <span class="u">lined</span>, <span class="red">red</span>,
           <span class="base">based</span><span class="pnum">12</span> and <span style="font-style: italic">inline</span>.</p>
         <p class="gone">Not shown.</p>
         <div class="epigraph"><p>An epigraph.</p></div>
         <p class="right">A. Signature</p>
         <p class="center newpage">Centred on a new page, a sentence far too long to be taken for any heading at all, running on past a hundred characters.</p>
         <p class="newpage chap">Chapter <span class="up">two</span></p><p>Text.</p>)",
      {{"book.css", sheet}, {"base.css", ".base { font-weight: bold }"}}));
  EXPECT_THAT(
      Outline(book.blocks),
      ElementsAre("Chapter:Chapter One", "Heading1:Chapter One",
                  "Paragraph:The <i>first </i>words, <sc>small caps</sc>, <u>lined</u>, <b>red</b>, "
                  "<b>based </b>and <i>inline</i>.",
                  "Paragraph:An epigraph.", "Paragraph:A. Signature",
                  "Paragraph:Centred on a new page, a sentence far too long to be taken for any heading "
                  "at all, running on past a hundred characters.",
                  "Chapter:Chapter TWO", "Heading1:Chapter TWO", "Paragraph:Text."));
  EXPECT_THAT(StyleOutline(book.blocks), ElementsAre("", "centre", "indent 0", "margin 2", "right",
                                                     "centre page", "", "centre page", ""));
}

TEST(BookStyles, DisplayCaseSizeAndWrappersAsTheSheetSays) {
  const document::TDocument book = Read(StyledEpub(
      R"(<style>.big { font-size: 1.5em } .dc { float: left; display: block; font-size: 3em }
         .cap { text-transform: capitalize } .pre { white-space: pre } .blk { display: block }
         .fn { vertical-align: super; font-size: 0.7em } .sm { font-size: 0.7em } em.n { font-style: normal }
         div.inl { display: inline }</style>)",
      R"(<div class="big"><p>One</p><p>Two</p></div>
         <p><span class="dc">W</span>ord <span class="cap">the old man</span><span class="fn">2</span>
           <span class="sm">small</span> <em class="n">upright</em><span class="blk">Own block</span></p>
         <div class="pre">a  b
c</div><p>Joined <div class="inl">inline</div> text.</p>)",
      {}));
  EXPECT_THAT(Outline(book.blocks),
              ElementsAre("Chapter:", "Paragraph:One", "Paragraph:Two",
                          "Paragraph:Word The Old Man<^>2 </^><small>small </small>upright",
                          "Paragraph:Own block", "Pre:a  b\nc", "Paragraph:Joined inline text."));
}

TEST(BookStyles, ASheetOutsideTheBookOrNotAStylesheetIsNotRead) {
  const document::TDocument book =
      Read(StyledEpub(R"(<link rel="stylesheet" href="../../../etc/x.css"/>
                         <link rel="alternate stylesheet" href="../styles/alt.css"/>)",
                      "<p>Plain <em>text</em>.</p><pre>  kept</pre>",
                      {{"alt.css", "p { font-weight: bold; text-align: right }"}}));
  EXPECT_THAT(Outline(book.blocks), ElementsAre("Chapter:", "Paragraph:Plain <i>text</i>.", "Pre:  kept"));
  EXPECT_THAT(StyleOutline(book.blocks), ElementsAre("", "", ""));
}

TEST(BookStyles, AnHtmlBookReadsOnlyTheSheetsInItsFolderAndNoLinks) {
  const TempDir dir;
  std::filesystem::create_directories(dir.Path() / "book" / "css");
  const auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir.File(name)) << text;
  };
  write("outside.css", ".x { font-weight: bold }");
  write("book/css/a.css", ".c { text-align: center } .gone { display: none }");
  std::filesystem::create_symlink("../outside.css", dir.File("book/link.css"));
  write("book/page.html", R"(<html><head><link rel="stylesheet" href="css/a.css">
    <link rel="stylesheet" href="../outside.css"><link rel="stylesheet" href="link.css">
    <link rel="stylesheet" href="file:///etc/x.css"></head>
    <body><p class="c">Centred.</p><p class="x">Not bold.</p><p class="gone">Gone.</p></body></html>)");
  const std::optional<document::TDocument> book = ReadBookDocument(dir.File("book/page.html"));
  ASSERT_TRUE(book.has_value());
  EXPECT_THAT(Outline(book->blocks), ElementsAre("Paragraph:Centred.", "Paragraph:Not bold."));
  EXPECT_THAT(StyleOutline(book->blocks), ElementsAre("centre", ""));
}
