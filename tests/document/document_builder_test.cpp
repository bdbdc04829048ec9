// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/document_builder.h"

#include <gmock/gmock.h>

#include "document/document_outline.h"

using namespace document;
using ::testing::ElementsAre;

TEST(DocumentBuilder, CollapsesSpaceAcrossRunsAndDropsEmptyBlocks) {
  TDocumentBuilder builder;
  builder.Text("  \n", kRegular);
  builder.EndBlock();
  builder.NextBlock(TBlockKind::ListItem, 2, "1.");
  builder.Text(" Ala  ma\t", kRegular);
  builder.Text(" kota ", kItalic);
  builder.Text("\xC2\xAD!", kRegular);
  builder.LineBreak();
  builder.Text(" i psa", kBold);
  builder.EndBlock();
  builder.Text("dalej", kRegular);  // the same kind, the marker given once
  EXPECT_THAT(Outline(builder.Finish()),
              ElementsAre("ListItem2[1.]:Ala ma <i>kota </i>\xC2\xAD!\n<b>i psa</b>", "ListItem2:dalej"));
}

TEST(DocumentBuilder, ChaptersTakeTheirFirstHeadingAndNeverStandEmpty) {
  TDocumentBuilder builder;
  builder.HeadingChapter();
  builder.NextBlock(TBlockKind::Heading, 1);
  builder.Text("Tytuł", kRegular);
  builder.HeadingChapter();  // a subtitle stays in the chapter
  builder.NextBlock(TBlockKind::Heading, 2);
  builder.Text("Podtytuł", kRegular);
  builder.NextBlock(TBlockKind::Paragraph);
  builder.HeadingChapter();
  builder.Text("* * *", kRegular);
  builder.Chapter();
  builder.Chapter();
  builder.Image("obraz.png", " Opis ");
  builder.EndBlock();  // alone in its block
  EXPECT_TRUE(builder.Caption());
  builder.Text("Podpis", kItalic);
  builder.Chapter();
  EXPECT_FALSE(builder.Caption());  // no picture before it
  EXPECT_THAT(Outline(builder.Finish()),
              ElementsAre("Chapter:Tytuł", "Heading1:Tytuł", "Heading2:Podtytuł",
                          "Break:", "Chapter:", "Image(obraz.png|Opis):<i>Podpis</i>"));
}

TEST(DocumentBuilder, TablesHoldRowsOfCellsAndEmptyTablesGo) {
  TDocumentBuilder builder;
  builder.BeginTable();
  builder.BeginRow();
  builder.BeginCell(true);
  builder.Text(" A ", kBold);
  builder.BeginCell(true);
  builder.BeginRow();
  builder.Text("x", kRegular);  // a cell of its own, though none was begun
  builder.EndBlock();           // a paragraph inside a cell is a space
  builder.Text("y", kRegular);
  builder.EndTable();
  builder.BeginTable();
  builder.BeginCell(false);
  builder.EndTable();
  EXPECT_THAT(Outline(builder.Finish()), ElementsAre("Table:<th><b>A</b>|<th>/x y"));
}

TEST(DocumentBuilder, ATablesCaptionEndsAtItsRowsAndAloneIsAParagraph) {
  TDocumentBuilder builder;
  builder.BeginTable();
  builder.TableCaption();
  builder.Text(" Ceny ", kRegular);
  builder.EndBlock();  // a paragraph inside the caption is a space
  builder.Text("owoców ", kItalic);
  builder.BeginRow();
  builder.Text("1", kRegular);
  builder.EndTable();
  builder.BeginTable();
  builder.TableCaption();
  builder.Text("Sam podpis", kRegular);
  builder.EndTable();
  EXPECT_THAT(Outline(builder.Finish()), ElementsAre("Table:Ceny <i>owoców</i>//1", "Paragraph:Sam podpis"));
}

TEST(DocumentBuilder, SceneBreaksAreMarksAlone) {
  for (const char* text : {"* * *", "***", "\xE2\x81\x82", "- - - - -", "~~~"})
    EXPECT_TRUE(IsSceneBreakText(text)) << text;
  for (const char* text : {"*", "--", "* a *", "1.", "\xE2\x80\x94 Tak."})
    EXPECT_FALSE(IsSceneBreakText(text)) << text;
}
