// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/book_typesetter.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "app/typeset/pages_json.h"
#include "typeset/book_fixture.h"

namespace {

using namespace fixture;
using testing::HasSubstr;

constexpr float kLeft = 12, kRight = 468;

// The default options but for what `change` changes.
TTypesetOptions Options(void (*change)(TTypesetOptions&)) {
  TTypesetOptions options;
  change(options);
  return options;
}

TTypesetBook Typeset(const document::TDocument& book, TTypesetOptions options = TTypesetOptions()) {
  return TypesetBook(book, TPageFont(), options, "file.epub");
}

TEST(BookTypesetterTest, TitleAndContentsPagesComeFirstAndFootersCountOneToN) {
  const TTypesetBook book = Typeset(Novel());
  ASSERT_GT(book.pages.size(), 8u);
  EXPECT_EQ(book.pages[0].kind, TPageKind::Title);
  EXPECT_EQ(book.pages[0].lines.front().Text(), "A Winter Evening");
  EXPECT_EQ(book.pages[0].lines[1].Text(), "Anna Nowak");
  EXPECT_EQ(book.pages[0].lines.back().Text(), "Enjoy the book!");
  EXPECT_EQ(book.pages[1].kind, TPageKind::Contents);
  const int total = static_cast<int>(book.pages.size()) - 1;
  for (int number = 1; number <= total; ++number) {
    const TTypesetPage& page = book.pages[static_cast<std::size_t>(number)];
    EXPECT_EQ(page.number, number);
    EXPECT_EQ(page.footer, std::to_string(number) + " / " + std::to_string(total));
    EXPECT_FALSE(page.lines.empty()) << "page " << number << " is blank";
  }
  // Each contents line names a chapter and the page whose first line is its title.
  const auto& contents = book.pages[1].lines;
  ASSERT_EQ(contents.size(), 4u);  // the heading and three chapters
  EXPECT_EQ(contents[0].Text(), "Contents");
  for (int chapter = 1; chapter <= 3; ++chapter) {
    const TTypesetLine& entry = contents[static_cast<std::size_t>(chapter)];
    ASSERT_EQ(entry.runs.size(), 2u);
    EXPECT_EQ(entry.runs[0].text, "Chapter " + std::to_string(chapter));
    EXPECT_NEAR(entry.runs[1].x + entry.runs[1].width, kRight, 0.5);
    const TTypesetPage& start = book.pages[std::stoul(entry.runs[1].text)];
    EXPECT_EQ(start.lines.front().Text(), entry.runs[0].text);
    EXPECT_EQ(start.chapter, entry.runs[0].text);
  }
  // Readers give a chapter's title again as its first heading: it stands once all the same.
  document::TDocument read = Novel();
  for (auto at = read.blocks.begin(); at != read.blocks.end(); ++at)
    if (at->kind == TBlockKind::ChapterStart)
      at = read.blocks.insert(at + 1, Text(TBlockKind::Heading, at->runs.front().text, 1));
  const auto linesOf = [](const TTypesetBook& typeset) {
    std::vector<std::string> lines;
    for (const TTypesetPage& page : typeset.pages)
      for (const TTypesetLine& line : page.lines) lines.push_back(line.Text());
    return lines;
  };
  EXPECT_EQ(linesOf(Typeset(read)), linesOf(book));
  EXPECT_EQ(Typeset(Novel(), Options([](TTypesetOptions& o) { o.contents = false; })).pages[1].kind,
            TPageKind::Text);
  EXPECT_TRUE(
      Typeset(Novel(), Options([](TTypesetOptions& o) { o.footer = false; })).pages[2].footer.empty());
}

std::vector<std::string> LinesOf(const TTypesetBook& typeset) {
  std::vector<std::string> lines;
  for (const TTypesetPage& page : typeset.pages)
    for (const TTypesetLine& line : page.lines) lines.push_back(line.Text());
  return lines;
}

TEST(BookTypesetterTest, ItsOwnWordsAreInTheBooksLanguageEnglishForOthersAndNoWebAddress) {
  const std::vector<std::string> polish = {"Spis treści", "Przypisy", "[Ilustracja: map.png]",
                                           "Strony przygotował program Stronix", "Miłej lektury!"};
  const std::vector<std::string> english = {"Contents", "Notes", "[Illustration: map.png]",
                                            "Pages made by Stronix", "Enjoy the book!"};
  for (const auto& [language, words] : {std::pair("pl-PL", polish), std::pair("de", english)}) {
    SCOPED_TRACE(language);
    document::TDocument book = Sampler();
    book.language = language;
    document::TBlock picture = Text(TBlockKind::Image, "");
    picture.source = "OEBPS/map.png";
    book.blocks.push_back(picture);
    const std::vector<std::string> lines = LinesOf(Typeset(book));
    for (const std::string& word : words) EXPECT_THAT(lines, testing::Contains(word));
    EXPECT_THAT(lines, testing::Not(testing::Contains(HasSubstr("www."))));
  }
}

TEST(BookTypesetterTest, ContentsNameAChapterOnceAndJoinALabelAloneToTheTitleAfterIt) {
  document::TDocument book;
  for (const char* title : {"Prologue", "Prologue", "III", "The Storm", "Chapter 4"}) {
    book.blocks.push_back(Text(TBlockKind::ChapterStart, title));
    if (std::string(title) != "III") book.blocks.push_back(Text(TBlockKind::Paragraph, Words(20)));
  }
  const TTypesetBook typeset = Typeset(book);
  std::vector<std::string> entries;
  for (const TTypesetLine& line : typeset.pages[1].lines)
    if (line.runs.size() == 2) entries.push_back(line.runs[0].text);
  EXPECT_THAT(entries, testing::ElementsAre("Prologue", "III. The Storm", "Chapter 4"));
}

TEST(BookTypesetterTest, LinesStayInsideTheMarginsAndJustifiedOnesEndAtTheMeasure) {
  const TTypesetBook book = Typeset(Novel());
  int justified = 0;
  for (const auto& page : book.pages)
    for (const auto& line : page.lines) {
      EXPECT_GE(line.Left(), kLeft - 0.01) << line.Text();
      EXPECT_LE(line.Right(), kRight + 0.01) << line.Text();
      EXPECT_GE(line.y, 0);
      EXPECT_LE(line.y + line.height, 272 - 14) << "into the footer: " << line.Text();
      if (line.justified) {
        ++justified;
        EXPECT_NEAR(line.Right(), kRight, 1.0) << line.Text();
      }
    }
  EXPECT_GT(justified, 100);
  const TTypesetBook ragged = Typeset(Novel(), Options([](TTypesetOptions& o) { o.justify = false; }));
  for (const TTypesetLine* line : TextLines(ragged)) EXPECT_FALSE(line->justified);
  const TTypesetBook wide = Typeset(Novel(), Options([](TTypesetOptions& o) { o.margin = 40; }));
  for (const TTypesetLine* line : TextLines(wide)) EXPECT_GE(line->Left(), 40 - 0.01);
}

// Every paragraph follows a paragraph, so each one's first line is indented, and each has
// three lines or more, so a line that is not justified is a paragraph's last.
TEST(BookTypesetterTest, ParagraphsAreIndentedAndNoPageEndsWithAFirstLineOrStartsWithALastOne) {
  document::TDocument book;
  book.language = "en";
  for (int i = 0; i < 40; ++i)
    book.blocks.push_back(Text(TBlockKind::Paragraph, Words(34 + (i * 13) % 50, i)));
  const TTypesetBook typeset = Typeset(book, Options([](TTypesetOptions& o) { o.contents = false; }));
  const auto isFirst = [](const TTypesetLine& line) { return line.Left() > kLeft + 10; };
  int pages = 0;
  for (const auto& page : typeset.pages) {
    if (page.kind != TPageKind::Text) continue;
    ++pages;
    const bool firstPage = page.number == 1;
    EXPECT_FALSE(isFirst(page.lines.back())) << "an orphan ends page " << page.number;
    if (!firstPage) {
      EXPECT_TRUE(page.lines.front().justified || isFirst(page.lines.front()))
          << "a widow starts page " << page.number;
    }
  }
  EXPECT_GT(pages, 5);
  // The very first paragraph follows nothing and is not indented; every later one is.
  const auto lines = TextLines(typeset);
  EXPECT_FALSE(isFirst(*lines.front()));
  EXPECT_EQ(std::ranges::count_if(lines, [&](const TTypesetLine* line) { return isFirst(*line); }), 39);
}

TEST(BookTypesetterTest, HeadingsAreLargerAndNeverEndAPage) {
  document::TDocument book;
  for (int i = 0; i < 60; ++i) {
    book.blocks.push_back(Text(TBlockKind::Heading, "Part " + std::to_string(i), 1 + i % 3));
    book.blocks.push_back(Text(TBlockKind::Paragraph, Words(10 + (i * 17) % 45, i)));
  }
  const TTypesetBook typeset = Typeset(book);
  for (const auto& page : typeset.pages) {
    if (page.kind != TPageKind::Text) continue;
    EXPECT_THAT(page.lines.back().Text(), testing::Not(testing::StartsWith("Part "))) << page.number;
    for (std::size_t i = 0; i < page.lines.size(); ++i)
      if (page.lines[i].Text().starts_with("Part ")) {
        EXPECT_NE(page.lines[i].face, TFace::Regular);
        // The paragraph after a heading starts at the margin.
        if (i + 1 < page.lines.size()) {
          EXPECT_NEAR(page.lines[i + 1].Left(), kLeft, 0.01);
        }
      }
  }
}

TEST(BookTypesetterTest, TableCaptionsStandCentredInItalicAboveTheirTablesAndNeverEndAPage) {
  document::TDocument book;
  for (int i = 0; i < 40; ++i) {
    book.blocks.push_back(Text(TBlockKind::Paragraph, Words(10 + (i * 17) % 45, i)));
    document::TBlock table = Text(TBlockKind::Table, "Caption " + std::to_string(i));
    table.rows = {{{{{"Key"}}, true}, {{{"Value"}}, true}}, {{{{"k"}}}, {{{"v"}}}}};
    book.blocks.push_back(std::move(table));
  }
  const TTypesetBook typeset = Typeset(book);
  for (const auto& page : typeset.pages) {
    if (page.kind != TPageKind::Text) continue;
    EXPECT_THAT(page.lines.back().Text(), testing::Not(testing::StartsWith("Caption "))) << page.number;
    for (std::size_t i = 0; i + 1 < page.lines.size(); ++i)
      if (page.lines[i].Text().starts_with("Caption ")) {
        EXPECT_EQ(page.lines[i].face, TFace::Italic);
        EXPECT_NEAR(page.lines[i].Left() - kLeft, kRight - page.lines[i].Right(), 1.0);
        EXPECT_EQ(page.lines[i + 1].Text(), "Key Value");
      }
  }
}

TEST(BookTypesetterTest, ListsQuotesCodeTablesAndNotesShowTheirShape) {
  const document::TDocument book = Sampler();
  const TTypesetBook typeset = Typeset(book, Options([](TTypesetOptions& o) { o.contents = false; }));
  std::vector<const TTypesetLine*> lines = TextLines(typeset);
  const auto find = [&](const std::string& start) {
    const auto it =
        std::ranges::find_if(lines, [&](const TTypesetLine* l) { return l->Text().starts_with(start); });
    EXPECT_NE(it, lines.end()) << start;
    return it == lines.end() ? nullptr : *it;
  };
  const auto at = [&](const TTypesetLine* line) { return std::ranges::find(lines, line) - lines.begin(); };

  const TTypesetLine* claim = find("A claim1 and bold");
  ASSERT_TRUE(claim);
  ASSERT_EQ(claim->runs.size(), 7u);
  EXPECT_EQ(claim->runs[1].face, TFace::Superscript);
  EXPECT_EQ(claim->runs[3].face, TFace::Bold);
  EXPECT_EQ(claim->runs[5].face, TFace::Italic);

  const TTypesetLine* bullet = find("•");
  ASSERT_TRUE(bullet);
  const TTypesetLine& next = *lines[static_cast<std::size_t>(at(bullet) + 1)];
  EXPECT_LT(bullet->runs[0].x + bullet->runs[0].width, bullet->runs[1].x);
  EXPECT_NEAR(next.Left(), bullet->runs[1].x, 0.01) << "hanging indent";
  const TTypesetLine* nested = find("2.");
  ASSERT_TRUE(nested);
  EXPECT_GT(nested->runs[1].x, bullet->runs[1].x);

  const std::string quote = Words(40, 3).substr(0, 20);
  const TTypesetLine* quoted = find(quote);
  ASSERT_TRUE(quoted);
  for (const auto i : {at(quoted), at(quoted) + 1}) {
    EXPECT_GT(lines[static_cast<std::size_t>(i)]->Left(), kLeft + 20);
    EXPECT_LE(lines[static_cast<std::size_t>(i)]->Right(), kRight - 20);
  }

  const TTypesetLine* code = find("int main()");
  ASSERT_TRUE(code);
  EXPECT_EQ(code->face, TFace::Mono);
  EXPECT_EQ(lines[static_cast<std::size_t>(at(code) + 1)]->Text(), "        return 0;  // done");
  const TTypesetLine* longCode = find("xxxx");
  ASSERT_TRUE(longCode);
  const TTypesetLine& continued = *lines[static_cast<std::size_t>(at(longCode) + 1)];
  EXPECT_THAT(continued.Text(), testing::StartsWith("↪ x"));
  EXPECT_EQ(std::ranges::count(longCode->Text() + continued.Text(), 'x'), 90);

  const TTypesetLine* header = find("Name Size");
  ASSERT_TRUE(header);
  const TTypesetLine& row = *lines[static_cast<std::size_t>(at(header) + 1)];
  EXPECT_EQ(row.Text(), "disk 20 GB");
  EXPECT_EQ(row.runs[1].x, header->runs[1].x) << "a column";
  EXPECT_EQ(header->runs[0].face, TFace::Bold);
  EXPECT_TRUE(find("Name: the "));
  EXPECT_TRUE(find("Size: 20 GB"));

  EXPECT_TRUE(find("* * *"));
  // The notes close their chapter, before the next one's title.
  const TTypesetLine* notes = find("Notes");
  const TTypesetLine* note = find("1. The note's text.");
  const TTypesetLine* two = find("Two");
  ASSERT_TRUE(notes && note && two);
  EXPECT_LT(at(notes), at(note));
  EXPECT_LT(at(note), at(two));
  EXPECT_LT(at(find("* * *")), at(notes));
}

TEST(BookTypesetterTest, AParagraphAfterAListAQuotationOrCodeStandsApartFromIt) {
  document::TDocument book;
  book.blocks = {Text(TBlockKind::ChapterStart, "One"), Text(TBlockKind::Paragraph, "Before.")};
  for (const TBlockKind kind : {TBlockKind::ListItem, TBlockKind::Quote, TBlockKind::Preformatted}) {
    book.blocks.push_back(Text(kind, "Set apart.", 1, kind == TBlockKind::ListItem ? "•" : ""));
    book.blocks.push_back(Text(TBlockKind::Paragraph, "After."));
    book.blocks.push_back(Text(TBlockKind::Paragraph, "And on."));
  }
  const TTypesetBook typeset = Typeset(book, Options([](TTypesetOptions& o) { o.contents = false; }));
  const std::vector<const TTypesetLine*> lines = TextLines(typeset);
  int checked = 0;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    if (!lines[i]->Text().starts_with("After.")) continue;
    const int gapAfterBlock = lines[i]->y - (lines[i - 1]->y + lines[i - 1]->height);
    const int gapInProse = lines[i + 1]->y - (lines[i]->y + lines[i]->height);
    EXPECT_GT(gapAfterBlock, gapInProse + 2) << lines[i - 1]->Text();
    ++checked;
  }
  EXPECT_EQ(checked, 3);
}

// The first page of the novel with a `cover` of that size on a `page` of that size.
TTypesetPage CoverPage(QSize cover, QSize page, bool pictures = true) {
  document::TDocument book = Novel();
  book.cover = "cover.png";
  pictures::TBookPictures source = CoverPictures(cover.width(), cover.height());
  TTypesetOptions options;
  options.pageWidth = page.width();
  options.pageHeight = page.height();
  options.pictures = pictures;
  return TypesetBook(book, TPageFont(), options, "file.epub", &source).pages[0];
}

// The cover whole within the page, its proportions kept, as large as the page lets it be
// but enlarged only by a whole factor up to the page's scale; the title and authors beside
// a portrait cover on a landscape page, else beneath it.
TEST(BookTypesetterTest, TheCoverPageShowsTheWholeCoverWithTheTitleBesideOrBeneathIt) {
  struct TCase {
    QSize cover, page, shown;
    bool beside;
  };
  for (const auto& [cover, page, shown, beside] : {
           TCase{{300, 450}, {480, 272}, {181, 272}, true},
           TCase{{300, 450}, {960, 544}, {300, 450}, true},
           TCase{{60, 80}, {480, 272}, {60, 80}, true},
           TCase{{60, 80}, {960, 544}, {120, 160}, true},
           TCase{{300, 450}, {272, 480}, {0, 0}, false},
           TCase{{600, 400}, {480, 272}, {0, 0}, false},
           TCase{{600, 400}, {272, 480}, {272, 181}, false},
       }) {
    SCOPED_TRACE(testing::Message() << cover.width() << "x" << cover.height() << " on " << page.width() << "x"
                                    << page.height());
    const TTypesetPage first = CoverPage(cover, page);
    EXPECT_EQ(first.kind, TPageKind::Title);
    EXPECT_TRUE(first.footer.empty());
    ASSERT_EQ(first.pictures.size(), 1u);
    const QRect rect = first.pictures[0].rect;
    EXPECT_EQ(first.pictures[0].image->size(), rect.size());
    EXPECT_TRUE(QRect(QPoint(0, 0), page).contains(rect));
    EXPECT_NEAR(rect.width() * cover.height(), rect.height() * cover.width(),
                std::max(cover.width(), cover.height()));
    if (!shown.isEmpty()) {
      EXPECT_EQ(rect.size(), shown);
    }
    ASSERT_EQ(first.lines.size(), 2u);
    EXPECT_EQ(first.lines[0].Text(), "A Winter Evening");
    EXPECT_EQ(first.lines[1].Text(), "Anna Nowak");
    for (const TTypesetLine& line : first.lines) {
      EXPECT_GE(line.y, 0);
      EXPECT_LE(line.y + line.height, page.height());
      EXPECT_LE(line.Right(), page.width());
      if (beside) {
        EXPECT_GT(line.Left(), rect.right()) << line.Text();
      } else {
        EXPECT_GT(line.y, rect.bottom()) << line.Text();
        EXPECT_GE(line.Left(), 0);
      }
    }
  }
  // A page too low for the title under a wide cover shows the cover alone, as large as it goes.
  const TTypesetPage alone = CoverPage({600, 400}, {480, 160});
  EXPECT_TRUE(alone.lines.empty());
  EXPECT_EQ(alone.pictures.at(0).rect, QRect(120, 0, 240, 160));
  // Without pictures the title page stands as for a book without a cover.
  const TTypesetPage plain = CoverPage({300, 450}, {480, 272}, false);
  EXPECT_TRUE(plain.pictures.empty());
  const TTypesetPage bare = Typeset(Novel()).pages[0];
  ASSERT_EQ(plain.lines.size(), bare.lines.size());
  for (std::size_t i = 0; i < bare.lines.size(); ++i) {
    EXPECT_EQ(plain.lines[i].Text(), bare.lines[i].Text());
    EXPECT_EQ(plain.lines[i].y, bare.lines[i].y);
  }
}

}  // namespace

// Each field of a block's style and each run flag shows on the page; the JSON names the rules.
TEST(BookTypesetterTest, BlocksAndRunsAreSetAsTheBookStyledThem) {
  const auto styled = [](document::TBlock block, auto change) {
    change(block.style);
    return block;
  };
  using document::TBlockStyle, document::TTextAlign;
  document::TDocument book;
  book.blocks = {
      Text(TBlockKind::ChapterStart, "One"),
      styled(Text(TBlockKind::Paragraph, "Centred"), [](TBlockStyle& s) { s.align = TTextAlign::Centre; }),
      styled(Text(TBlockKind::Paragraph, "Right"), [](TBlockStyle& s) { s.align = TTextAlign::Right; }),
      styled(Text(TBlockKind::Paragraph, Words(40)),
             [](TBlockStyle& s) {
               s.indent = -2;
               s.marginRight = 3;
               s.spaceBefore = 1;
             }),
      styled(Text(TBlockKind::Paragraph, Words(30, 1)),
             [](TBlockStyle& s) {
               s.align = TTextAlign::Left;
               s.marginLeft = 100;  // capped at a third of the measure
               s.pageBreakAfter = true;
             }),
      Block(TBlockKind::Paragraph, {{"under", document::kUnderline},
                                    {" struck", document::kStrikeOut},
                                    {" Caps", document::kSmallCaps},
                                    {" up", document::kSuperscript},
                                    {" down", document::kSubscript},
                                    {" small", document::kSmall}}),
  };
  const TTypesetBook typeset = Typeset(book, Options([](TTypesetOptions& o) { o.contents = false; }));
  const std::vector<const TTypesetLine*> lines = TextLines(typeset);
  const auto line = [&](const std::string& start) {
    const auto found =
        std::ranges::find_if(lines, [&](const auto* l) { return l->Text().starts_with(start); });
    return found == lines.end() ? nullptr : *found;
  };
  ASSERT_TRUE(line("Centred") && line("Right") && line(Words(40).substr(0, 10)) && line("under"));
  EXPECT_NEAR(line("Centred")->Left() + line("Centred")->Right(), kLeft + kRight, 2);
  EXPECT_NEAR(line("Right")->Right(), kRight, 1.5);
  // A hanging first line at the margin, the others 2 em in; 3 em off the right margin.
  const auto hanging = std::ranges::find(lines, line(Words(40).substr(0, 10)));
  EXPECT_NEAR((*hanging)->Left(), kLeft, 1);
  EXPECT_NEAR(hanging[1]->Left(), kLeft + 32, 1);
  EXPECT_NEAR(hanging[0]->Right(), kRight - 48, 1.5);
  EXPECT_GT(hanging[0]->y, line("Right")->y + line("Right")->height + 12);
  const auto capped = std::ranges::find(lines, line(Words(30, 1).substr(0, 10)));
  EXPECT_NEAR(capped[1]->Left(), kLeft + (kRight - kLeft) / 3, 1);
  EXPECT_FALSE(capped[1]->justified);
  // A page break after it: the next block starts a page, the page before it ends early.
  const auto under = std::ranges::find(lines, line("under"));
  const auto starts = [&](const TTypesetLine* l) {
    return std::ranges::any_of(typeset.pages,
                               [&](const auto& p) { return !p.lines.empty() && &p.lines.front() == l; });
  };
  EXPECT_TRUE(starts(*under));
  EXPECT_LT(under[-1]->y, 272 / 2) << "the page before ends in its upper half";
  std::vector<std::tuple<std::string, TFace, int>> runs;
  for (const TTypesetRun& run : line("under")->runs) runs.emplace_back(run.text, run.face, run.marks);
  EXPECT_THAT(runs,
              testing::ElementsAre(
                  std::tuple("under", TFace::Regular, kUnderlined),
                  std::tuple(" struck", TFace::Regular, kStruckOut), std::tuple(" C", TFace::Regular, 0),
                  std::tuple("APS", TFace::Small, 0), std::tuple(" up", TFace::Superscript, 0),
                  std::tuple(" down", TFace::Small, kLowered), std::tuple(" small", TFace::Small, 0)));
  const std::string json = PagesJson(typeset);
  EXPECT_THAT(json, HasSubstr(R"("decoration":"underline","face":"regular","text":"under")"));
  EXPECT_THAT(json, HasSubstr(R"("decoration":"line-through","face":"regular","text":" struck")"));
  EXPECT_THAT(json, HasSubstr(R"("face":"subscript","text":" down")"));
}
