#include "app/conversion_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/appearance.h"
#include "app/font_metrics.h"
#include "app/page_layout.h"
#include "support/gif_decode.h"
#include "support/temp_dir.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::IsSubsetOf;
using testing::StrEq;
using testing::ThrowsMessage;

// The index of a colour in the 216-colour web cube, as the reduction maps it.
int CubeIndex(TColor c) {
  return 36 * ((RedOf(c) + 3) / 51) + 6 * ((GreenOf(c) + 3) / 51) + (BlueOf(c) + 3) / 51;
}

std::string Book(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i) text += "Wiersz " + std::to_string(i) + " z\xB3ot\xB9 nici\xB9\r\n";
  return text;
}

std::vector<std::string> Names(int files) {
  std::vector<std::string> names;
  for (int i = 0; i < files; ++i) names.push_back(PageLabel(i) + ".gif");
  return names;
}

class ConversionRunTest : public testing::Test {
protected:
  TRunSettings Settings() const { return {dir_.Path().string() + "/", "/books/ksiazka.txt", true}; }
  int Run(const TRunProgress& progress = {}) { return RunConversion(box_, raster_, Settings(), progress); }
  DecodedGif Decode(const std::string& name) const { return DecodeGifFile(dir_.File(name)); }

  TempDir dir_;
  TTextBox box_;
  TPageRaster raster_;
};

TEST(PageLabelTest, FourDigitsThenAllDigits) {
  EXPECT_EQ(PageLabel(1), "0001");
  EXPECT_EQ(PageLabel(42), "0042");
  EXPECT_EQ(PageLabel(9999), "9999");
  EXPECT_EQ(PageLabel(10000), "10000");
  EXPECT_EQ(PageLabel(10001), "10001");
}

TEST_F(ConversionRunTest, ABookBecomesTheTitleAndCeilLOverNPages) {
  box_.SetText(Book(40));
  std::vector<std::pair<int, int>> reports;
  EXPECT_EQ(Run([&](int written, int total) { reports.emplace_back(written, total); }), 5);
  EXPECT_THAT(dir_.Names(), ElementsAreArray(Names(5)));  // 40 lines, 13 a page
  EXPECT_THAT(reports, ElementsAre(std::pair(1, 5), std::pair(2, 5), std::pair(3, 5), std::pair(4, 5),
                                   std::pair(5, 5)));
  EXPECT_EQ(box_.Text(), "gotowe...\r\n");

  const int cell = CellOf(MakeQFont(box_.Font())).height;
  const int white = CubeIndex(clWhite);
  for (int file = 0; file < 5; ++file) {
    SCOPED_TRACE(file);
    const DecodedGif gif = Decode(PageLabel(file) + ".gif");
    EXPECT_EQ(gif.version, "87a");
    ASSERT_EQ(gif.frames.size(), 1u);
    const DecodedFrame& frame = gif.frames[0];
    ASSERT_EQ(frame.width, kPageWidth);
    ASSERT_EQ(frame.height, kPageHeight);
    ASSERT_EQ(frame.localColors.size(), 256u);
    for (int i = 0; i < 256; ++i) {
      const int level[3] = {i / 36 * 51, i / 6 % 6 * 51, i % 6 * 51};
      const DecodedColor expected =
          i < 216 ? DecodedColor{std::uint8_t(level[0]), std::uint8_t(level[1]), std::uint8_t(level[2])}
                  : DecodedColor{0, 0, 0};
      ASSERT_EQ(frame.localColors[static_cast<std::size_t>(i)], expected) << i;
    }
    // Ink only in the rows of the line cells; everything else is the page colour.
    const int lines = file == 0 ? kTitleLineCount : (file < 4 ? 13 : 1);
    std::set<int> cellRows, inkedRows;
    for (int k = 1; k <= lines; ++k) {
      const int top = file == 0 ? TitleLineY(k, 12) : TextLineY(k, 12);
      for (int y = top; y < top + cell; ++y) cellRows.insert(y);
    }
    for (int y = 0; y < kPageHeight; ++y)
      for (int x = 0; x < kPageWidth; ++x)
        if (frame.pixels[static_cast<std::size_t>(y * kPageWidth + x)] != white) inkedRows.insert(y);
    EXPECT_THAT(inkedRows, IsSubsetOf(cellRows));
    EXPECT_FALSE(inkedRows.empty());
    EXPECT_EQ(frame.pixels[0], white);
  }
}

TEST_F(ConversionRunTest, ColourSetsGiveTheirCubeColours) {
  struct TExpect {
    DecodedColor text, background;
  };
  const TExpect expected[] = {{{255, 255, 255}, {0, 0, 0}},
                              {{0, 0, 0}, {255, 255, 255}},
                              {{0, 102, 0}, {0, 0, 0}},
                              {{0, 255, 0}, {0, 0, 0}}};
  for (int set = 1; set <= 4; ++set) {
    SCOPED_TRACE(set);
    box_.SetText("MMMMMMMM IIIIIIII\r\n");
    ApplyColorSet(box_, set);
    Run();
    const DecodedFrame frame = Decode("0001.gif").frames.at(0);
    std::set<int> used(frame.pixels.begin(), frame.pixels.end());
    std::vector<DecodedColor> colours;
    for (const int i : used) colours.push_back(frame.localColors[static_cast<std::size_t>(i)]);
    EXPECT_EQ(frame.localColors[frame.pixels[0]], expected[set - 1].background);
    EXPECT_THAT(colours, testing::Contains(expected[set - 1].text));
    if (set >= 3) {
      for (const auto& c : colours) EXPECT_EQ(c.r + c.b, 0);  // greens and black only
    }
  }
}

TEST_F(ConversionRunTest, PageCountsFollowTheLinesPerPage) {
  struct TCase {
    std::string text;
    int files;
  };
  const TCase cases[] = {
      {"", 0},                      // nothing at all
      {"\r\n", 2},                  // one empty line: the title and an empty page
      {Book(13), 2},                //
      {Book(14), 3},                //
      {"\r\n\r\n\r\n\r\n\r\n", 2},  // squeezed to two blank lines
  };
  for (const auto& c : cases) {
    TempDir dir;
    box_.SetText(c.text);
    EXPECT_EQ(RunConversion(box_, raster_, {dir.Path().string() + "/", "", true}), c.files);
    EXPECT_THAT(dir.Names(), ElementsAreArray(Names(c.files)));
    EXPECT_EQ(box_.Text(), "gotowe...\r\n");
  }
}

TEST_F(ConversionRunTest, ASecondRunConvertsGotowe) {
  box_.SetText(Book(3));
  Run();
  EXPECT_EQ(Run(), 2);
  const DecodedFrame frame = Decode("0001.gif").frames.at(0);
  EXPECT_NE(std::set<std::uint8_t>(frame.pixels.begin(), frame.pixels.end()).size(), 1u);
}

TEST_F(ConversionRunTest, KeepingBlankLinesKeepsThemOnThePages) {
  box_.SetText("a\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nb\r\n");
  TRunSettings settings = Settings();
  settings.squeezeBlankLines = false;
  EXPECT_EQ(RunConversion(box_, raster_, settings), 3);  // 15 lines
}

class FailedRunTest : public ConversionRunTest {
protected:
  void ExpectNothingWritten(const std::string& folder) {
    EXPECT_THAT(dir_.Names(), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder + "0000.gif"));
    EXPECT_EQ(box_.Text(), Book(3));
  }
};

TEST_F(FailedRunTest, AFolderThatIsAFileCannotBeWritten) {
  box_.SetText(Book(3));
  std::ofstream(dir_.File("plik")) << "x";
  const std::string folder = dir_.File("plik") + "/";
  EXPECT_THAT(
      [&] {
        RunConversion(box_, raster_, {folder, "", true});
      },
      ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + folder + "0000.gif")));
  EXPECT_THAT(dir_.Names(), ElementsAre("plik"));
  EXPECT_EQ(box_.Text(), Book(3));
}

TEST_F(FailedRunTest, AMissingFolderCannotBeWritten) {
  box_.SetText(Book(3));
  const std::string folder = dir_.File("brak") + "/";
  EXPECT_THAT(
      [&] {
        RunConversion(box_, raster_, {folder, "", true});
      },
      ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + folder + "0000.gif")));
  ExpectNothingWritten(folder);
}

TEST_F(FailedRunTest, AOnePointFontDividesByZeroBeforeAnyFile) {
  box_.SetText(Book(3));
  TPageFont font = box_.Font();
  font.height = -1;
  box_.SetFont(font);
  EXPECT_THAT([&] { Run(); }, ThrowsMessage<EZeroDivide>(StrEq("Floating point division by zero")));
  ExpectNothingWritten(Settings().targetFolder);
}

TEST_F(FailedRunTest, AFontThatFitsNoLineIsRefusedBeforeAnyFile) {
  box_.SetText(Book(3));
  TPageFont font = box_.Font();
  font.height = -219;  // 164 points
  box_.SetFont(font);
  EXPECT_THAT(
      [&] { Run(); },
      ThrowsMessage<EFontTooLarge>(StrEq(
          "Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.")));
  ExpectNothingWritten(Settings().targetFolder);
}

TEST_F(FailedRunTest, AFailureMidwayLeavesOnlyCompleteFiles) {
  box_.SetText(Book(60));
  std::filesystem::create_directory(dir_.File("0002.gif"));  // a name the run cannot take
  EXPECT_THAT([&] { Run(); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + dir_.File("0002.gif"))));
  EXPECT_THAT(dir_.Names(), ElementsAre("0000.gif", "0001.gif", "0002.gif"));
  for (const char* name : {"0000.gif", "0001.gif"}) EXPECT_EQ(Decode(name).frames.size(), 1u) << name;
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("0002.gif")));
  EXPECT_EQ(box_.Text(), Book(60));
}

}  // namespace
