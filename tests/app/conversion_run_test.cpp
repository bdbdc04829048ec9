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
  std::string Folder() const { return dir_.Path().string() + "/"; }
  int Run(const TRunProgress& progress = {}) {
    return RunConversion(box_, raster_, {Folder(), "", true}, progress);
  }
  DecodedFrame Frame(const std::string& name) const { return DecodeGifFile(dir_.File(name)).frames.at(0); }

  TempDir dir_;
  TTextBox box_;
  TPageRaster raster_;
};

TEST(PageLabelTest, FourDigitsThenAllDigits) {
  EXPECT_EQ(PageLabel(1), "0001");
  EXPECT_EQ(PageLabel(42), "0042");
  EXPECT_EQ(PageLabel(9999), "9999");
  EXPECT_EQ(PageLabel(10000), "10000");
}

TEST_F(ConversionRunTest, ABookBecomesTheTitleAndCeilLOverNPagesOfTheWebCube) {
  box_.SetText(Book(40));
  std::vector<int> reported;
  EXPECT_EQ(Run([&](int written, int total) { reported.push_back(written * 10 + total); }), 5);
  EXPECT_THAT(dir_.Names(), ElementsAreArray(Names(5)));  // 40 lines, 13 a page
  EXPECT_THAT(reported, ElementsAre(15, 25, 35, 45, 55));
  EXPECT_EQ(box_.Text(), "gotowe...\r\n");

  const int cell = CellOf(MakeQFont(box_.Font())).height;
  for (int file = 0; file < 5; ++file) {
    SCOPED_TRACE(file);
    const DecodedGif gif = DecodeGifFile(dir_.File(PageLabel(file) + ".gif"));
    ASSERT_EQ(gif.frames.size(), 1u);
    const DecodedFrame& frame = gif.frames[0];
    ASSERT_EQ(frame.width, kPageWidth);
    ASSERT_EQ(frame.height, kPageHeight);
    ASSERT_EQ(frame.localColors.size(), 256u);
    for (int i = 0; i < 256; ++i) {
      const auto level = [&](int step) { return static_cast<std::uint8_t>(i < 216 ? step * 51 : 0); };
      ASSERT_EQ(frame.localColors[std::size_t(i)],
                (DecodedColor{level(i / 36), level(i / 6 % 6), level(i % 6)}));
    }
    // Everything but the line cells is the page colour.
    const int lines = file == 0 ? kTitleLineCount : (file < 4 ? 13 : 1);
    std::set<int> cellRows, inkedRows;
    for (int k = 1; k <= lines; ++k) {
      const int top = file == 0 ? TitleLineY(k, 12) : TextLineY(k, 12);
      for (int y = top; y < top + cell; ++y) cellRows.insert(y);
    }
    for (std::size_t i = 0; i < frame.pixels.size(); ++i)
      if (frame.pixels[i] != CubeIndex(clWhite)) inkedRows.insert(static_cast<int>(i / kPageWidth));
    EXPECT_THAT(inkedRows, IsSubsetOf(cellRows));
    EXPECT_FALSE(inkedRows.empty());
  }
}

TEST_F(ConversionRunTest, ColourSetsGiveTheirCubeColours) {
  const DecodedColor text[] = {{255, 255, 255}, {0, 0, 0}, {0, 102, 0}, {0, 255, 0}};
  const DecodedColor background[] = {{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}};
  for (int set = 1; set <= 4; ++set) {
    SCOPED_TRACE(set);
    box_.SetText("MMMMMMMM IIIIIIII\r\n");
    ApplyColorSet(box_, set);
    Run();
    const DecodedFrame frame = Frame("0001.gif");
    std::vector<DecodedColor> used;
    for (const int i : std::set<int>(frame.pixels.begin(), frame.pixels.end()))
      used.push_back(frame.localColors[i]);
    EXPECT_EQ(frame.localColors[frame.pixels[0]], background[set - 1]);
    EXPECT_THAT(used, testing::Contains(text[set - 1]));
    if (set >= 3) {
      EXPECT_THAT(used, testing::Each(testing::Field(&DecodedColor::r, 0)));  // greens and black
    }
  }
}

TEST_F(ConversionRunTest, PageCountsFollowTheLinesPerPage) {
  const std::pair<std::string, int> cases[] = {
      {"", 0}, {"\r\n", 2}, {Book(13), 2}, {Book(14), 3}, {"\r\n\r\n\r\n\r\n\r\n", 2} /* squeezed to two */};
  for (const auto& [text, files] : cases) {
    TempDir dir;
    box_.SetText(text);
    EXPECT_EQ(RunConversion(box_, raster_, {dir.Path().string() + "/", "", true}), files);
    EXPECT_THAT(dir.Names(), ElementsAreArray(Names(files)));
    EXPECT_EQ(box_.Text(), "gotowe...\r\n");
  }
}

TEST_F(ConversionRunTest, FoldersThatCannotBeWrittenFailOnTheTitle) {
  std::ofstream(dir_.File("plik")) << "x";
  for (const std::string& folder : {dir_.File("plik") + "/", dir_.File("brak") + "/"}) {
    box_.SetText(Book(3));
    EXPECT_THAT(
        [&] {
          RunConversion(box_, raster_, {folder, "", true});
        },
        ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + folder + "0000.gif")));
    EXPECT_EQ(box_.Text(), Book(3));
  }
  EXPECT_THAT(dir_.Names(), ElementsAre("plik"));
}

TEST_F(ConversionRunTest, FontsThatFitNoLineWriteNothing) {
  const auto tooSmall = ThrowsMessage<EZeroDivide>(StrEq("Floating point division by zero"));
  const auto tooLarge = ThrowsMessage<EFontTooLarge>(
      StrEq("Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę."));
  for (const int height : {-1, -219}) {
    box_.SetText(Book(3));
    TPageFont font;
    font.height = height;
    box_.SetFont(font);
    if (height == -1)
      EXPECT_THAT([&] { Run(); }, tooSmall);
    else
      EXPECT_THAT([&] { Run(); }, tooLarge);
    EXPECT_THAT(dir_.Names(), IsEmpty());
    EXPECT_EQ(box_.Text(), Book(3));
  }
}

TEST_F(ConversionRunTest, AFailureMidwayLeavesOnlyCompleteFiles) {
  box_.SetText(Book(60));
  std::filesystem::create_directory(dir_.File("0002.gif"));  // a name the run cannot take
  EXPECT_THAT([&] { Run(); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + dir_.File("0002.gif"))));
  EXPECT_THAT(dir_.Names(), ElementsAre("0000.gif", "0001.gif", "0002.gif"));  // no temporary files
  EXPECT_EQ(Frame("0001.gif").width, kPageWidth);
  EXPECT_EQ(box_.Text(), Book(60));
}

}  // namespace
