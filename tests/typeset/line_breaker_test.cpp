// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/line_breaker.h"

#include <gmock/gmock.h>
#include <hyphen.h>

#include <QString>
#include <algorithm>
#include <string>
#include <tuple>

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
  // Hyphenated: without, some line of these long words would gape and be set ragged.
  const auto hyphenator = THyphenator::ForLanguage("pl");
  const auto lines = Break(QString::fromUtf8(kPolish) + " " + QString::fromUtf8(kPolish), hyphenator.get());
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

// Long paragraphs of ordinary prose, each sentence once in every paragraph in another order.
std::vector<QString> Prose(const std::vector<const char*>& sentences) {
  std::vector<QString> paragraphs;
  for (std::size_t start = 0; start < sentences.size(); ++start) {
    QString paragraph;
    for (std::size_t i = 0; i < sentences.size(); ++i)
      paragraph += QString::fromUtf8(sentences[(start + i * 3) % sentences.size()]) + u' ';
    paragraphs.push_back(paragraph.trimmed());
  }
  return paragraphs;
}

TEST(LineBreakerTest, HyphensAreFewAndNeverThreeInARow) {
  const std::vector<const char*> polish = {
      "Na rogu ulicy stał mały sklep z zegarami, a nad drzwiami wisiał stary, wyblakły szyld.",
      "Pan Feliks otwierał go codziennie o tej samej porze i nigdy się nie spieszył.",
      "Klienci przychodzili rzadko po to, żeby coś kupić; najczęściej chcieli posłuchać.",
      "Na ścianach wisiało czterdzieści siedem zegarów i każdy tykał odrobinę inaczej.",
      "Jeden miał głos suchy jak trzask gałązki, drugi miękki jak krople deszczu na parapecie.",
      "Pewnego dnia do sklepu wszedł chłopiec z budzikiem owiniętym w gruby wełniany szalik.",
      "Położył go na ladzie bardzo ostrożnie, jak ktoś, kto niesie ranne zwierzę.",
      "Zegarmistrz wziął lupę, otworzył kopertę i długo przyglądał się małym kółkom."};
  const std::vector<const char*> english = {
      "On the corner of the street stood a small clock shop with an old, faded sign above the door.",
      "Mr Felix opened it every morning at the same hour and was never in a hurry.",
      "Customers rarely came to buy anything; most of them wanted to listen to the clocks.",
      "Forty-seven clocks hung on the walls, and every one of them ticked a little differently.",
      "One had a voice as dry as a snapping twig, another as soft as rain on a windowsill.",
      "One day a boy came in with an alarm clock wrapped in a thick woollen scarf.",
      "He laid it on the counter very carefully, like someone carrying a wounded animal.",
      "The watchmaker took his magnifying glass, opened the case and looked at the wheels."};
  for (const auto& [language, sentences, most] :
       {std::tuple{"pl", polish, 0.20}, std::tuple{"en-US", english, 0.12}}) {
    const auto hyphenator = THyphenator::ForLanguage(language);
    ASSERT_TRUE(hyphenator) << language;
    int full = 0, hyphenated = 0;
    for (float right = 440; right <= kRight; right += 4)
      for (const QString& paragraph : Prose(sentences)) {
        const auto lines = Break(paragraph, hyphenator.get(), false, TAlign::Justify, right);
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
          ++full;
          hyphenated += lines[i].hyphen;
          EXPECT_FALSE(i >= 2 && lines[i].hyphen && lines[i - 1].hyphen && lines[i - 2].hyphen)
              << language << ": " << lines[i].Text();
        }
      }
    EXPECT_LE(hyphenated, most * full) << language << ": " << hyphenated << " of " << full;
  }
}

TEST(LineBreakerTest, AddressesPathsAndCodeAreNotHyphenatedAndAddressesBreakAfterSlashes) {
  const auto hyphenator = THyphenator::ForLanguage("en-US");
  static TFaceSet faces{TPageFont()};
  int slashes = 0;
  for (float right = 160; right <= kRight; right += 11) {
    TStyledText styled;
    for (int i = 0; i < 3; ++i) {
      styled.Append(QStringLiteral("Read http://www.gnu.org/licenses/licenses.html and "
                                   "/usr/share/doc/configuration/archives/importance, write to "
                                   "administrator@example.org about INTERNATIONALISATION and "
                                   "configuration2 or user_configuration, then run "),
                    TFace::Regular);
      styled.Append(QStringLiteral("interpretation "), TFace::Mono);
    }
    for (const auto& line :
         BreakLines(styled, {kLeft, kLeft, right}, {TAlign::Justify, hyphenator.get(), false}, faces)) {
      const std::string text = line.Text();
      const std::string last = text.substr(text.rfind(' ') + 1);
      if (line.hyphen)
        EXPECT_TRUE(
            std::ranges::none_of(
                last, [](char c) { return std::string("/@_.0123456789").find(c) != std::string::npos; }) &&
            last != "INTER-" && line.runs.back().face != TFace::Mono)
            << text;
      else
        slashes += last.ends_with('/') && last.size() > 1 && text.find("http") != std::string::npos;
      EXPECT_LE(line.Right(), right + 0.01);
    }
  }
  EXPECT_GT(slashes, 0) << "an address breaks after a slash, with no hyphen";
}

TEST(LineBreakerTest, SpacesNarrowAThirdAtMostAndALineThatWouldGapeStaysRagged) {
  static TFaceSet faces{TPageFont()};
  const float space = faces.SpaceWidth(TFace::Regular);
  bool narrowed = false;
  for (float right = 300; right <= kRight; right += 3)
    for (const auto& line : Break(QString::fromUtf8(kPolish), nullptr, false, TAlign::Justify, right)) {
      if (!line.justified) continue;
      narrowed = narrowed || line.runs.front().wordSpacing < -0.5f;
      EXPECT_GE(line.runs.front().wordSpacing, -space / 3 - 1) << line.Text();
      EXPECT_LE(line.runs.front().wordSpacing, space) << line.Text();
    }
  EXPECT_TRUE(narrowed);
  // The words before an unbreakable name as long as the line are set as they are.
  const auto lines =
      Break(QStringLiteral("lub użyj tego: ") + QString(60, u'x') + QStringLiteral(" i dalej"));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_FALSE(lines.front().justified);
  EXPECT_NEAR(lines.front().Left(), kLeft, 0.01);
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
