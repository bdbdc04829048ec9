// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/page_times.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

// 2026-01-01 12:00:01.7 UTC: an odd second with a fraction.
const std::chrono::system_clock::time_point kEnd =
    std::chrono::sys_days{std::chrono::January / 1 / 2026} + 12h + 1s + 700ms;
const TPageTime kEndRounded = std::chrono::sys_days{std::chrono::January / 1 / 2026} + 12h;

TPageTime ModificationTime(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return TPageTime(std::chrono::seconds(status.st_mtim.tv_sec));
}

std::vector<std::string> MakeFiles(const TempDir& dir, const std::vector<std::string>& names) {
  std::vector<std::string> paths;
  for (const auto& name : names) {
    paths.push_back(dir.File(name));
    std::ofstream(paths.back()) << name;
  }
  return paths;
}

TEST(PageTimesTest, AscendTwoSecondsApartEndingOnAnEvenSecondNotAfterTheEnd) {
  EXPECT_THAT(PageTimes(4, kEnd),
              ElementsAre(kEndRounded - 6s, kEndRounded - 4s, kEndRounded - 2s, kEndRounded));
  EXPECT_THAT(PageTimes(1, kEndRounded + 1999ms), ElementsAre(kEndRounded));
  EXPECT_TRUE(PageTimes(0, kEnd).empty());
}

TEST(PageTimesTest, FilesSortByDateAsByName) {
  TempDir dir;
  const auto paths = MakeFiles(dir, {"0000.gif", "0001.gif", "0002.gif"});
  struct stat before {};
  ::stat(paths[0].c_str(), &before);
  const std::string folder = dir.Path().string();
  SetPageTimes(TDirectory(folder), {"0000.gif", "0001.gif", "0002.gif"}, folder + "/", kEnd);
  EXPECT_THAT(
      (std::vector{ModificationTime(paths[0]), ModificationTime(paths[1]), ModificationTime(paths[2])}),
      ElementsAre(kEndRounded - 4s, kEndRounded - 2s, kEndRounded));
  struct stat after {};
  ::stat(paths[0].c_str(), &after);
  EXPECT_EQ(after.st_atim.tv_sec, before.st_atim.tv_sec);  // the access time is left alone
}

TEST(PageTimesTest, MissingFileNamesThePathAndTheReason) {
  TempDir dir;
  try {
    SetModificationTime(TDirectory(dir.Path().string()), "0001.gif", "/nonexistent/", kEndRounded);
    FAIL() << "no exception";
  } catch (const EPageTimeError& error) {
    EXPECT_EQ(error.Message(), "Cannot set the time of /nonexistent/0001.gif");
    EXPECT_EQ(error.Reason(), "No such file or directory");
  }
}

// The real thing: a FAT image made and filled with the tools people use for cards, with
// no kernel mount. mcopy -m keeps times both ways, so what comes back is what FAT stored.
class PageTimesOnFatTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* candidate : {"mkfs.vfat", "/usr/sbin/mkfs.vfat", "/sbin/mkfs.vfat"})
      if (Run(std::string("command -v ") + candidate + " >/dev/null")) mkfs_ = candidate;
    if (mkfs_.empty() || !Run("command -v mcopy >/dev/null && command -v mdir >/dev/null"))
      GTEST_SKIP() << "dosfstools or mtools missing";
    ::setenv("MTOOLS_SKIP_CHECK", "1", 1);
    image_ = dir_.File("card.img");
    ASSERT_TRUE(Run(mkfs_ + " -C " + image_ + " 4096 >/dev/null"));
    ASSERT_TRUE(Mtools("mmd", "::/PSP ::/PSP/PHOTO '::/PSP/PHOTO/Pan Tadeusz 01'"));
  }

  static bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }
  bool Mtools(const std::string& tool, const std::string& arguments) {
    return Run(tool + " -i " + image_ + " " + arguments);
  }
  std::string Output(const std::string& command) {
    const std::string file = dir_.File("output.txt");
    EXPECT_TRUE(Run(command + " >" + file));
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
  }

  TempDir dir_;
  std::string mkfs_;
  std::string image_;
};

TEST_F(PageTimesOnFatTest, KeepsNamesAndTimesTwoSecondsApart) {
  TempDir pages;
  const std::vector<std::string> names = {"0000.gif", "0001.gif", "0002.gif", "0003.gif", "0004.gif"};
  const auto paths = MakeFiles(pages, names);
  const auto end = std::chrono::system_clock::now();
  SetPageTimes(TDirectory(pages.Path().string()), names, pages.Path().string() + "/", end);
  std::string sources;
  for (const auto& path : paths) sources += path + " ";
  ASSERT_TRUE(Mtools("mcopy -m", sources + "'::/PSP/PHOTO/Pan Tadeusz 01/'"));

  EXPECT_EQ(Output("mdir -b -i " + image_ + " '::/PSP/PHOTO'"), "::/PSP/PHOTO/Pan Tadeusz 01/\n");
  std::istringstream listing(Output("mdir -b -i " + image_ + " '::/PSP/PHOTO/Pan Tadeusz 01'"));
  std::vector<std::string> listed;
  for (std::string line; std::getline(listing, line);) listed.push_back(line.substr(line.rfind('/') + 1));
  EXPECT_THAT(listed, ElementsAre("0000.gif", "0001.gif", "0002.gif", "0003.gif", "0004.gif"));

  TempDir back;
  ASSERT_TRUE(Mtools("mcopy -m", "'::/PSP/PHOTO/Pan Tadeusz 01/*' " + back.Path().string()));
  ASSERT_EQ(back.Names(), names);
  std::vector<TPageTime> times;
  for (const auto& name : back.Names()) times.push_back(ModificationTime(back.File(name)));
  EXPECT_EQ(times, PageTimes(5, end));
  EXPECT_LE(times.back(), end);
}

}  // namespace
