// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/conversion_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/drawing/appearance.h"
#include "app/layout/font_metrics.h"
#include "app/layout/page_layout.h"
#include "platform/directory.h"
#include "platform/folder_lock.h"
#include "support/gif_decode.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::IsSubsetOf;
using testing::StartsWith;
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

// Records the progress and asks to stop after `stopAfter` files.
class TRecordingMonitor : public TRunMonitor {
public:
  explicit TRecordingMonitor(int stopAfter = 0) : stopAfter_(stopAfter) {}
  void PageDone(int done, int total) override { reported.push_back(done * 10 + total), last_ = done; }
  bool CancelRequested() const override { return stopAfter_ > 0 && last_ >= stopAfter_; }
  std::vector<int> reported;

private:
  int stopAfter_;
  int last_ = 0;
};

// A run as the window makes it: on a snapshot of the box, which shows "gotowe..." once the
// run has succeeded.
TRunReport Convert(TTextBox& box, const TRunSettings& settings, TRunMonitor* monitor = nullptr,
                   const TFileWriter& writer = WriteWholeFile) {
  const TRunReport report = RunConversion({box, settings, nullptr}, monitor, writer);
  ShowRunEnd(box, report);
  return report;
}

// A run into `folder` with the default settings, its pages' times left alone.
TRunSettings Into(const std::string& folder) {
  TRunSettings settings;
  settings.targetFolder = folder;
  settings.pageTimes = false;
  return settings;
}

// Every file's bytes, by name: the whole state of a folder.
std::map<std::string, std::string> Contents(const TempDir& dir) {
  std::map<std::string, std::string> contents;
  for (const auto& name : dir.Names()) {
    std::ifstream file(dir.File(name), std::ios::binary);
    contents[name] = std::string(std::istreambuf_iterator<char>(file), {});
  }
  return contents;
}

// The sorted names in a folder.
std::vector<std::string> TempDirNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::ranges::sort(names);
  return names;
}

class ConversionRunTest : public testing::Test {
protected:
  std::string Folder() const { return dir_.Path().string() + "/"; }
  int Run(TRunMonitor* monitor = nullptr, const TFileWriter& writer = WriteWholeFile, int jobs = 0) {
    TRunSettings settings = Into(Folder());
    settings.jobs = jobs;
    return Convert(box_, settings, monitor, writer).filesWritten;
  }
  DecodedFrame Frame(const std::string& name) const { return DecodeGifFile(dir_.File(name)).frames.at(0); }
  // A book of `lines` lines written into the folder, the box then holding `next`.
  std::map<std::string, std::string> OldBook(int lines, const std::string& next) {
    box_.SetText(Book(lines));
    Run();
    box_.SetText(next);
    return Contents(dir_);
  }

  TempDir dir_;
  TTextBox box_;
};

TEST(PageLabelTest, FourDigitsThenAllDigits) {
  EXPECT_EQ(PageLabel(1), "0001");
  EXPECT_EQ(PageLabel(42), "0042");
  EXPECT_EQ(PageLabel(9999), "9999");
  EXPECT_EQ(PageLabel(10000), "10000");
}

TEST_F(ConversionRunTest, ABookBecomesTheTitleAndCeilLOverNPagesOfTheWebCube) {
  box_.SetText(Book(40));
  TRecordingMonitor monitor;
  EXPECT_EQ(Run(&monitor), 5);
  EXPECT_THAT(dir_.Names(), ElementsAreArray(Names(5)));  // 40 lines, 13 a page
  EXPECT_THAT(monitor.reported, ElementsAre(15, 25, 35, 45, 55));
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

TEST_F(ConversionRunTest, AJobKeepsTheTextAndLinesItWasTakenWithAndLeavesTheBoxAlone) {
  box_.SetText(Book(40));
  ASSERT_EQ(box_.LineCount(), 40);  // wrapped before the copy, so the job shares the lines
  const TConversionJob job{box_, Into(Folder()), nullptr};
  box_.SetText(Book(3));
  TPageFont font = box_.Font();
  font.height = -60;
  box_.SetFont(font);
  EXPECT_EQ(RunConversion(job).filesWritten, 5);  // 40 lines at 13 a page
  EXPECT_EQ(box_.Text(), Book(3));
  EXPECT_EQ(job.box.LineCount(), 40);
}

TEST_F(ConversionRunTest, PageCountsFollowTheLinesPerPage) {
  const std::pair<std::string, int> cases[] = {
      {"", 0}, {"\r\n", 2}, {Book(13), 2}, {Book(14), 3}, {"\r\n\r\n\r\n\r\n\r\n", 2} /* squeezed to two */};
  for (const auto& [text, files] : cases) {
    TempDir dir;
    box_.SetText(text);
    EXPECT_EQ(Convert(box_, Into(dir.Path().string() + "/")).filesWritten, files);
    EXPECT_THAT(dir.Names(), ElementsAreArray(Names(files)));
    EXPECT_EQ(box_.Text(), "gotowe...\r\n");
  }
}

TEST_F(ConversionRunTest, FoldersThatCannotBeWrittenFailOnTheTitle) {
  std::ofstream(dir_.File("plik")) << "x";
  // A folder that takes no file is that, not a lack of space: /proc/self has no free bytes.
  for (const std::string& folder :
       {dir_.File("plik") + "/", dir_.File("brak") + "/", std::string("/proc/self/")}) {
    box_.SetText(Book(3));
    EXPECT_THAT([&] { Convert(box_, Into(folder)); },
                ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + folder + "0000.gif")));
    EXPECT_EQ(box_.Text(), Book(3));
  }
  EXPECT_THAT(dir_.Names(), ElementsAre("plik"));
}

TEST_F(ConversionRunTest, FontsThatFitNoLineWriteNothing) {
  const auto tooSmall = ThrowsMessage<EFontTooSmall>(StartsWith("Czcionka jest za mała"));
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

TEST_F(ConversionRunTest, AFailedOrCancelledRunLeavesTheOldBookByteForByte) {
  // The 11th file goes to a device that is always full.
  const auto failAt = [](int page) -> TFileWriter {
    return [page, count = 0](const TDirectory& folder, const std::string& name, const std::string& shown,
                             const void* data, std::size_t size) mutable {
      WriteWholeFile(folder, ++count == page ? "/dev/full" : name, shown, data, size);
    };
  };
  const auto before = OldBook(60, Book(200));
  try {
    Run(nullptr, failAt(11));
    ADD_FAILURE() << "the run did not fail";
  } catch (const EFWriteError& e) {
    EXPECT_EQ(MessageWithReason(e), "Cannot write " + dir_.File("0010.gif") + ": No space left on device");
  }
  TRecordingMonitor stopAfterThree(3);
  EXPECT_THAT([&] { Run(&stopAfterThree); }, ThrowsMessage<ERunCancelled>(testing::HasSubstr("Przerwano")));
  std::filesystem::create_directory(dir_.File("0007.gif"));  // a name the pages cannot take
  EXPECT_THAT([&] { Run(); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + dir_.File("0007.gif"))));
  std::filesystem::remove(dir_.File("0007.gif"));
  EXPECT_EQ(Contents(dir_), before);  // no staging folder, lock or temporary file either
  EXPECT_EQ(box_.Text(), Book(200));
}

TEST_F(ConversionRunTest, AFullDiskMidRunLeavesTheOldBook) {
  const TSmallDisk disk(dir_.Path().string());
  if (!disk.Mounted()) GTEST_SKIP() << "needs root to mount a small tmpfs";
  // Pages of about 14 KB pass the first check; then the room they take, or the disk, stops the run.
  const auto before = OldBook(30, DenseText(300));
  try {
    Run();
    ADD_FAILURE() << "the run did not fail";
  } catch (const Exception& e) {
    EXPECT_THAT(MessageWithReason(e), testing::MatchesRegex("(Cannot write " + Folder() +
                                                            "00[0-9][0-9]\\.gif: No space left on device)|"
                                                            "(Not enough space in " +
                                                            Folder() + ": .*)"));
  }
  EXPECT_EQ(Contents(dir_), before);
}

TEST_F(ConversionRunTest, AShorterBookRemovesTheLongerBooksLastPagesOnly) {
  OldBook(60, Book(20));
  std::ofstream(dir_.File("notatki.txt")) << "x";
  std::ofstream(dir_.File("0009.gif")) << "GIF89a not a page";
  std::filesystem::copy_file(dir_.File("0005.gif"), dir_.File("page.gif"));
  const TRunReport report = Convert(box_, Into(Folder()));
  EXPECT_EQ(report.filesWritten, 3);
  EXPECT_EQ(report.oldPagesRemoved, 3);  // 0003.gif to 0005.gif
  EXPECT_THAT(dir_.Names(),
              ElementsAre("0000.gif", "0001.gif", "0002.gif", "0009.gif", "notatki.txt", "page.gif"));
}

TEST_F(ConversionRunTest, OneRunAtATimeAndWhatAKilledRunLeftIsCleared) {
  box_.SetText(Book(20));
  {
    TFolderLock other(Folder(), Folder() + "0000.gif");
    EXPECT_THAT([&] { Run(); }, ThrowsMessage<EFolderBusy>(testing::HasSubstr(Folder())));
    EXPECT_THAT(dir_.Names(), ElementsAre(TFolderLock::kFileName));
  }
  std::filesystem::create_directories(dir_.File(".stronix-staging/czesc"));
  std::ofstream(dir_.File(".stronix-staging/0001.gif")) << "half";
  std::ofstream(dir_.File(".0003.gif.a1B2c3")) << "half";
  EXPECT_EQ(Run(), 3);
  EXPECT_THAT(dir_.Names(), ElementsAreArray(Names(3)));
}

TEST_F(ConversionRunTest, EveryWorkerCountGivesTheSameBytesForEveryLook) {
  box_.SetText(Book(13 * 40));  // 40 pages: more than the pages five workers may run ahead
  for (const char* face : {"Times New Roman", "Liberation Mono"}) {
    for (int set = 1; set <= 4; ++set) {
      SCOPED_TRACE(testing::Message() << face << ", set " << set);
      TPageFont font = box_.Font();
      font.face = face;
      box_.SetFont(font);
      ApplyColorSet(box_, set);
      const std::string text = box_.Text();
      const auto pages = [&](int jobs) {
        box_.SetText(text);
        Run(nullptr, WriteWholeFile, jobs);
        return Contents(dir_);
      };
      const auto one = pages(1);
      EXPECT_GE(one.size(), 40u);
      EXPECT_TRUE(pages(2) == one);
      if (set == 1) {
        EXPECT_TRUE(pages(5) == one);
      }
      box_.SetText(text);
    }
  }
}

TEST_F(ConversionRunTest, PartFoldersOfKPagesSideBySideAndAShorterBookTakesBackItsLastPart) {
  TRunSettings settings = Into(Folder());
  settings.chosenFileName = "/ksi\xC4\x85\xC5\xBCki/Pan: Tadeusz.txt";
  settings.pagesPerFolder = 10;
  box_.SetText(Book(13 * 21));  // 21 pages: 0000-0010, 0011-0020, 0021
  const TRunReport report = Convert(box_, settings);
  EXPECT_EQ(report.filesWritten, 22);
  EXPECT_THAT(dir_.Names(), ElementsAre("Pan_ Tadeusz 01", "Pan_ Tadeusz 02", "Pan_ Tadeusz 03"));
  std::vector<std::string> first = Names(11), second;
  for (int page = 11; page <= 20; ++page) second.push_back(PageLabel(page) + ".gif");
  EXPECT_THAT(TempDirNames(dir_.File("Pan_ Tadeusz 01")), ElementsAreArray(first));
  EXPECT_THAT(TempDirNames(dir_.File("Pan_ Tadeusz 02")), ElementsAreArray(second));
  EXPECT_THAT(TempDirNames(dir_.File("Pan_ Tadeusz 03")), ElementsAre("0021.gif"));

  box_.SetText(Book(13 * 10));  // 10 pages: one part
  EXPECT_EQ(Convert(box_, settings).oldPagesRemoved, 11);
  EXPECT_THAT(dir_.Names(), ElementsAre("Pan_ Tadeusz 01"));
}

// Pages of a larger screen than the classic ones go too, their last part folder with them;
// a picture of the reader's own under a page's name stays.
TEST_F(ConversionRunTest, AShorterBookOfALargerScreenTakesBackTheLongerBooksLastPages) {
  TRunSettings settings = Into(Folder());
  settings.chosenFileName = "/ksiazki/Lalka.txt";
  settings.layout = TLayoutKind::Book;
  settings.screen = {960, 544};
  settings.pagesPerFolder = 10;
  box_.SetText(Book(900));
  const int longer = Convert(box_, settings).filesWritten;
  ASSERT_GT(longer, 11);
  std::ofstream(dir_.File("Lalka 01/0099.gif")) << std::string("GIF89a\x80\x02\xE0\x01", 10);
  box_.SetText(Book(20));
  const TRunReport report = Convert(box_, settings);
  EXPECT_EQ(report.oldPagesRemoved, longer - report.filesWritten);
  std::vector<std::string> kept = Names(report.filesWritten);
  kept.push_back("0099.gif");
  EXPECT_THAT(dir_.Names(), ElementsAre("Lalka 01"));
  EXPECT_THAT(TempDirNames(dir_.File("Lalka 01")), ElementsAreArray(kept));
}

TEST_F(ConversionRunTest, LinksInTheTargetAreNeverFollowedOut) {
  TempDir outside;
  namespace fs = std::filesystem;
  // Outside pages, real ones: what a followed link would change or remove.
  TRunSettings outsideRun = Into(outside.Path().string() + "/");
  box_.SetText(Book(40));
  Convert(box_, outsideRun);
  const auto outsidePages = Contents(outside);

  TRunSettings parts = Into(Folder());
  parts.partName = "Ksiega";
  parts.pagesPerFolder = 10;
  // The lock's name as a dangling link: replaced, nothing made where it points; the staging
  // folder's name as a link to the outside pages: removed, nothing staged there.
  fs::create_symlink(outside.File("made-by-lock"), dir_.File(TFolderLock::kFileName));
  fs::create_symlink(outside.Path(), dir_.File(".stronix-staging"));
  box_.SetText(Book(13 * 12));  // 13 files: parts 01 and 02
  EXPECT_EQ(Convert(box_, parts).filesWritten, 13);
  // A stale part is a link to the outside pages: they stay.
  fs::create_symlink(outside.Path(), dir_.File("Ksiega 03"));
  box_.SetText(Book(13 * 5));
  EXPECT_EQ(Convert(box_, parts).oldPagesRemoved, 5 + 2);  // 0006-0010, and part 02
  EXPECT_THAT(dir_.Names(), ElementsAre("Ksiega 01", "Ksiega 03"));

  // A part folder or a page that is a link is refused before any page moves.
  fs::create_symlink(outside.Path(), dir_.File("Ksiega 02"));
  box_.SetText(Book(13 * 12));
  EXPECT_THAT([&] { Convert(box_, parts); },
              ThrowsMessage<ELinkRefused>(
                  StrEq(dir_.File("Ksiega 02") + " is a link; Stronix does not write through links")));
  fs::remove(dir_.File("Ksiega 02"));
  fs::create_symlink(outside.File("0003.gif"), dir_.File("Ksiega 01/0007.gif"));
  EXPECT_THAT([&] { Convert(box_, parts); },
              ThrowsMessage<ELinkRefused>(StrEq(dir_.File("Ksiega 01/0007.gif") +
                                                " is a link; Stronix does not write through links")));
  EXPECT_EQ(Contents(outside), outsidePages);
  std::vector<std::string> kept = Names(6);
  kept.push_back("0007.gif");
  EXPECT_THAT(TempDirNames(dir_.File("Ksiega 01")), ElementsAreArray(kept));
  EXPECT_THAT(dir_.Names(), ElementsAre("Ksiega 01", "Ksiega 03"));
}

TEST_F(ConversionRunTest, EveryConflictIsFoundBeforeTheFirstPageMoves) {
  TRunSettings parts = Into(Folder());
  parts.partName = "Ksiega";
  parts.pagesPerFolder = 10;
  box_.SetText(Book(13 * 5));
  Convert(box_, parts);
  const auto firstPart = TempDirNames(dir_.File("Ksiega 01"));
  std::ofstream(dir_.File("Ksiega 02")) << "x";  // a file where the second part goes
  box_.SetText(Book(13 * 12));
  EXPECT_THAT([&] { Convert(box_, parts); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + dir_.File("Ksiega 02/0011.gif"))));
  EXPECT_EQ(TempDirNames(dir_.File("Ksiega 01")), firstPart);
  EXPECT_THAT(dir_.Names(), ElementsAre("Ksiega 01", "Ksiega 02"));
}

TEST_F(ConversionRunTest, CompactPagesShowTheSameColoursInSmallerFiles) {
  box_.SetText(DenseText(30));  // pages full enough to fill the LZW dictionary
  ApplyColorSet(box_, 3);
  const std::string text = box_.Text();
  Run();
  const auto whole = Contents(dir_);
  box_.SetText(text);
  TRunSettings settings = Into(Folder());
  settings.compactPages = true;
  Convert(box_, settings);
  const auto compact = Contents(dir_);
  ASSERT_EQ(compact.size(), whole.size());
  for (const auto& [name, bytes] : compact) {
    SCOPED_TRACE(name);
    const auto rgb = [](const std::string& file) {
      const DecodedGif gif = DecodeGif(std::vector<std::uint8_t>(file.begin(), file.end()));
      const DecodedFrame& frame = gif.frames.at(0);
      std::vector<DecodedColor> colours;
      for (const std::uint8_t index : frame.pixels) colours.push_back(frame.localColors.at(index));
      return colours;
    };
    EXPECT_EQ(rgb(bytes), rgb(whole.at(name)));
    // Qt's reader too, although a compact page keeps its full dictionary without a clear.
    const auto shown = [](const std::string& file) {
      return QImage::fromData(QByteArrayView(file.data(), static_cast<qsizetype>(file.size())), "GIF")
          .convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_FALSE(shown(bytes).isNull());
    EXPECT_EQ(shown(bytes), shown(whole.at(name)));
    EXPECT_LT(bytes.size() + 700, whole.at(name).size());
  }
}

}  // namespace
