// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/plain_text.h"

#include <gmock/gmock.h>

#include "document/document_check.h"

using namespace document;

namespace {

// Each block as its kind's initial and its text: "P:Ala ma kota".
std::vector<std::string> Outline(const TDocument& document) {
  std::vector<std::string> outline;
  for (const TBlock& block : document.blocks) {
    std::string text;
    for (const TRun& run : block.runs) text += run.text;
    outline.push_back(std::string(block.kind == TBlockKind::Paragraph      ? "P"
                                  : block.kind == TBlockKind::ChapterStart ? "C"
                                  : block.kind == TBlockKind::Break        ? "B"
                                                                           : "?") +
                      ":" + text);
  }
  return outline;
}

}  // namespace

TEST(DocumentOfText, ReflowsAHardWrappedText) {
  const std::string text =
      "  It was a bright cold day in April, and the clocks were\r\n"
      "striking thirteen. Winston Smith, his chin nuzzled into his\r\n"
      "breast in an effort to escape the vile wind, slipped quickly\r\n"
      "through the glass doors.\r\n"
      "  The hallway smelt of boiled cabbage and old rag mats. At\r\n"
      "one end of it a coloured poster, too large for indoor\r\n"
      "display, had been tacked to the wall.\r\n"
      "\r\n"
      "* * *\r\n"
      "\f\r\n"
      "Short line.\r\n"
      "Outside, even through the shut window-pane, the world looked\r\n"
      "cold.\n";
  EXPECT_THAT(
      Outline(DocumentOfText(text)),
      ::testing::ElementsAre(
          "P:It was a bright cold day in April, and the clocks were striking thirteen. Winston Smith, his "
          "chin nuzzled into his breast in an effort to escape the vile wind, slipped quickly through the "
          "glass doors.",
          "P:The hallway smelt of boiled cabbage and old rag mats. At one end of it a coloured poster, too "
          "large for indoor display, had been tacked to the wall.",
          "B:", "C:", "P:Short line.",
          "P:Outside, even through the shut window-pane, the world looked cold."));
}

TEST(DocumentOfText, KeepsEachLineOfAnUnwrappedText) {
  const std::string text =
      "Litwo! Ojczyzno moja! ty jesteś jak zdrowie:\n"
      "Ile cię trzeba cenić, ten tylko się dowie,\n"
      "Kto cię stracił.\n"
      "Dziś piękność twą w całej ozdobie\n"
      "Widzę i opisuję, bo tęsknię po tobie.\n"
      "\n"
      "Panno święta, co Jasnej bronisz Częstochowy\n";
  EXPECT_EQ(DocumentOfText(text).blocks.size(), 6u);
}

TEST(DocumentOfText, AnyBytesGiveAWellShapedDocument) {
  for (const std::string& text : {std::string("\f\f\r\r\n\f"), std::string("a\0b\x80\xFF\tc\r\f", 10),
                                  std::string(" \r *** \r\n\v\fx")}) {
    EXPECT_EQ(DocumentFault(DocumentOfText(text)), "") << text;
  }
}
