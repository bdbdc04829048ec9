// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/line_breaker.h"

#include <gmock/gmock.h>
#include <hyphen.h>

#include <QString>
#include <string>

#include "app/typeset/hyphenator.h"

namespace {

constexpr float kLeft = 12, kRight = 468;

std::vector<TTypesetLine> Break(const QString& text, const THyphenator* hyphenator = nullptr,
                                bool polish = false, TAlign align = TAlign::Justify, float right = kRight) {
  static TFaceSet faces{TPageFont()};
  TStyledText styled;
  styled.Append(text, TFace::Regular);
  return BreakLines(styled, {kLeft, kLeft, right}, {align, hyphenator, polish}, faces);
}

// Polish words without diacritics, so that the dictionary's own encoding needs no
// conversion when the test asks libhyphen directly.
const char kPolish[] =
    "Przedstawiciele towarzystwa wydawniczego rozmawiali z nauczycielami o niepodleglosci, "
    "konstytucji i rzeczywistosci, a potem wszyscy poszli do teatru w miescie, gdzie grano "
    "przedstawienie o niezwyklych przygodach podroznikow i marynarzy, ktorzy przemierzali oceany "
    "w poszukiwaniu nieznanych ladow u wybrzezy dalekich kontynentow.";

// Where libhyphen itself, on the pattern file, allows `word` to break.
std::vector<int> PatternPoints(const std::string& word) {
  HyphenDict* dict = hnj_hyphen_load((std::string(kHyphenFolder) + "/hyph_pl_PL.dic").c_str());
  EXPECT_TRUE(dict);
  std::string lower;
  for (const char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::vector<char> hyphens(lower.size() + 5);
  char** rep = nullptr;
  int *pos = nullptr, *cut = nullptr;
  hnj_hyphen_hyphenate2(dict, lower.c_str(), static_cast<int>(lower.size()), hyphens.data(), nullptr, &rep,
                        &pos, &cut);
  hnj_hyphen_free(dict);
  std::vector<int> points;
  for (std::size_t i = 0; i + 1 < lower.size(); ++i)
    if (hyphens[i] & 1) points.push_back(static_cast<int>(i + 1));
  return points;
}

TEST(LineBreakerTest, PolishWordsBreakOnlyWherePatternsAllowAndNoLineEndsWithAOneLetterWord) {
  const auto hyphenator = THyphenator::ForLanguage("pl");
  ASSERT_TRUE(hyphenator) << "hyphen-pl is not installed";
  int hyphenated = 0;
  for (float width = 0; width < 120; width += 7) {
    const auto lines =
        Break(QString::fromUtf8(kPolish), hyphenator.get(), true, TAlign::Justify, kRight - 200 + width);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      const std::string text = lines[i].Text();
      const auto lastSpace = text.rfind(' ');
      const std::string last = text.substr(lastSpace == std::string::npos ? 0 : lastSpace + 1);
      EXPECT_FALSE(last.size() == 1 && std::string("aiouwzAIOUWZ").find(last) != std::string::npos)
          << "line ends with \"" << last << "\"";
      EXPECT_LE(lines[i].Right(), kRight - 200 + width + 0.01);
      if (!lines[i].hyphen) continue;
      ++hyphenated;
      ASSERT_TRUE(last.ends_with('-'));
      const std::string head = last.substr(0, last.size() - 1);
      const std::string next = lines[i + 1].Text();
      std::string tail = next.substr(0, next.find(' '));
      while (!tail.empty() && !std::isalpha(static_cast<unsigned char>(tail.back()))) tail.pop_back();
      EXPECT_THAT(PatternPoints(head + tail), testing::Contains(static_cast<int>(head.size())))
          << head << "-" << tail;
    }
  }
  EXPECT_GT(hyphenated, 10);
}

TEST(LineBreakerTest, SoftHyphensAreTheOnlyPlacesAWordWithThemBreaks) {
  // "Donau\u00ADdampf\u00ADschiff\u00ADfahrt" repeated: only the marked places break, and
  // the soft hyphens themselves are never drawn.
  QString text;
  for (int i = 0; i < 12; ++i) text += QString::fromUtf8("Donau\u00ADdampf\u00ADschiff\u00ADfahrt ");
  const auto hyphenator = THyphenator::ForLanguage("en-US");
  int hyphenated = 0;
  for (float right = 300; right <= kRight; right += 13)
    for (const auto& line : Break(text.trimmed(), hyphenator.get(), false, TAlign::Justify, right)) {
      EXPECT_EQ(line.Text().find("\u00AD"), std::string::npos);
      if (!line.hyphen) continue;
      ++hyphenated;
      const std::string text = line.Text();
      EXPECT_TRUE(text.ends_with("Donau-") || text.ends_with("dampf-") || text.ends_with("schiff-")) << text;
    }
  EXPECT_GT(hyphenated, 0);
}

TEST(LineBreakerTest, CodeInAParagraphIsNeverHyphenated) {
  const auto hyphenator = THyphenator::ForLanguage("en-US");
  ASSERT_TRUE(hyphenator) << "hyphen-en-us is not installed";
  static TFaceSet faces{TPageFont()};
  int hyphenated = 0;
  for (float right = 200; right <= kRight; right += 9) {
    TStyledText styled;
    for (int i = 0; i < 6; ++i) {
      styled.Append(QStringLiteral("which would install "), TFace::Regular);
      styled.Append(QStringLiteral("supported-maximum-interpreter "), TFace::Mono);
      styled.Append(QStringLiteral("if any supported interpreter requires it "), TFace::Regular);
    }
    for (const auto& line :
         BreakLines(styled, {kLeft, kLeft, right}, {TAlign::Justify, hyphenator.get(), false}, faces)) {
      if (!line.hyphen) continue;
      ++hyphenated;
      EXPECT_NE(line.runs.back().face, TFace::Mono) << line.Text();
    }
  }
  EXPECT_GT(hyphenated, 0) << "the prose around the code is still hyphenated";
}

TEST(LineBreakerTest, JustifiedLinesFillTheMeasureAndTheLastLineDoesNot) {
  const auto lines = Break(QString::fromUtf8(kPolish) + " " + QString::fromUtf8(kPolish));
  ASSERT_GT(lines.size(), 3u);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    EXPECT_TRUE(lines[i].justified);
    EXPECT_NEAR(lines[i].Right(), kRight, 1.0);
  }
  EXPECT_FALSE(lines.back().justified);
  EXPECT_NEAR(lines.back().Left(), kLeft, 0.01);
  for (const auto& line : Break(QString::fromUtf8(kPolish), nullptr, false, TAlign::Left))
    EXPECT_FALSE(line.justified);
}

TEST(LineBreakerTest, JapaneseLinesNeverStartWithClosingMarksOrSmallKanaAndKeepLatinWordsWhole) {
  const QString sentence =
      QString::fromUtf8("きょうは「ちょっと」ゆっくりしましょう。それから、Stronixでほんをよみます。");
  QString text;
  for (int i = 0; i < 8; ++i) text += sentence;
  const QString forbidden = QString::fromUtf8("。、」ぁぃぅぇぉっゃゅょァィゥェォッャュョ");
  const auto lines = Break(text);
  ASSERT_GT(lines.size(), 2u);
  for (const auto& line : lines) {
    const QString shown = QString::fromStdString(line.Text());
    EXPECT_FALSE(forbidden.contains(shown.front())) << line.Text();
    EXPECT_FALSE(shown.startsWith(QStringLiteral("ronix")) || shown.endsWith(QStringLiteral("St")))
        << line.Text();
    EXPECT_LE(line.Right(), kRight + 0.01);
  }
}

TEST(LineBreakerTest, RightToLeftParagraphsAreRightAligned) {
  QString text;
  for (int i = 0; i < 12; ++i) text += QString::fromUtf8("هذا نص عربي طويل يكفي لعدة أسطر ");
  const auto lines = Break(text.trimmed());
  ASSERT_GT(lines.size(), 1u);
  for (const auto& line : lines) EXPECT_NEAR(line.Right(), kRight, 1.0);
  EXPECT_GT(lines.back().Left(), kLeft + 20);
}

// A book of one endless word (hostile, or a base64 blob) is cut into lines that fit, in
// time and memory that grow with its length alone.
TEST(LineBreakerTest, AHugeWordIsCutIntoLinesThatFit) {
  const auto hyphenator = THyphenator::ForLanguage("en");
  const auto lines = Break(QString(200000, u'w'), hyphenator.get());
  ASSERT_GT(lines.size(), 4000u);
  for (const auto& line : lines) ASSERT_LE(line.Right(), kRight + 0.01);
}

}  // namespace
