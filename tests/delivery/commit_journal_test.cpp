// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/commit_journal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/directory.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using ::testing::ElementsAre;

// The first bytes of a 480 × 272 GIF: what a page to remove looks like.
constexpr char kPage[] = "GIF89a\xe0\x01\x10\x01";

// Everything under `root` as path → contents (a link as its target), no link followed.
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string path = fs::relative(it->path(), root).string();
    if (it->is_symlink())
      tree[path] = "-> " + fs::read_symlink(it->path()).string();
    else if (it->is_regular_file())
      tree[path] = (std::ostringstream() << std::ifstream(it->path()).rdbuf()).str();
    else
      tree[path] = "folder";
  }
  return tree;
}

// A target folder beside an outside one holding pages of its own, and a killed run's
// staging folder with its pages and the journal given.
class CommitJournalTest : public testing::Test {
protected:
  CommitJournalTest() {
    for (const char* path : {"outside/0001.gif", "outside/0002.gif", "target/.stronix-staging/0001.gif",
                             "target/.stronix-staging/Ksiega 01/0001.gif"}) {
      fs::create_directories((dir_.Path() / path).parent_path());
      std::ofstream(dir_.File(path)) << kPage;
    }
  }
  void PlantJournal(const std::string& entries) {
    std::ofstream(dir_.File("target/.stronix-staging/journal")) << "stronix commit 1\n" << entries << "end\n";
  }
  std::string Target() const { return dir_.File("target") + "/"; }

  TempDir dir_;
};

// A journal anyone could have written is carried out only when every name in it stays
// inside the target and is one a run gives; any other is set aside and nothing moves.
TEST_F(CommitJournalTest, AJournalNamingAnythingButItsOwnPagesIsSetAsideUntouched) {
  fs::create_symlink(dir_.File("outside"), dir_.File("target/Ksiega 02"));
  const std::string outside = dir_.File("outside");
  const std::string journals[] = {
      "book a.txt\npage 0001.gif\nstale " + outside + "\n",           // an absolute path
      "book a.txt\nparts Ksiega\npage 0001.gif\nstale ../outside\n",  // out of the target
      "book a.txt\npage ../outside/0001.gif\n",
      "book a.txt\nparts Ksiega\npage Ksiega 01/../../outside/0001.gif\n",
      "book a.txt\nparts ../outside\npage ../outside 01/0001.gif\n",  // a slash in the part name
      "book ../a.txt\npage 0001.gif\n",
      "book a.txt\npage notes.txt\n",  // no page's name
      "book a.txt\npage 001.gif\n",
      "book a.txt\nparts Ksiega\npage Inna 01/0001.gif\n",  // another book's part folder
      "book a.txt\nparts Ksiega\npage Ksiega 001/0001.gif\n",
      "book a.txt\nparts Ksiega\npage 0001.gif\nstale outside\n",
      "book a.txt\nparts Ksiega\npage Ksiega 01/0001.gif\nstale Ksiega 01\n",  // its own pages stale
      "book a.txt\npage 0001.gif\npage 0001.gif\n",
      "page 0001.gif\n",  // no book
      "book a.txt\npage 0001.gif\nmove 0001.gif\n",
      "book a\\x.txt\npage 0001.gif\n",  // an escape never written
      "book a.txt\npage 0001.gif\0/x\n"s,
      // A part folder planted as a link after the journal: nothing made before it is refused.
      "book a.txt\nparts Ksiega\npage Ksiega 01/0001.gif\npage Ksiega 02/0011.gif\n",
  };
  for (const auto& journal : journals) {
    PlantJournal(journal);
    auto before = Tree(dir_.Path());
    const std::optional<TMessage> notice = FinishInterruptedCommit(TDirectory(Target()), Target());
    ASSERT_TRUE(notice) << journal;
    EXPECT_EQ(notice->Text(), "Set aside a damaged commit journal in " + Target() + ".stronix-staging");
    auto after = Tree(dir_.Path());
    EXPECT_EQ(after.extract("target/.stronix-staging/journal.rejected").mapped(),
              before.extract("target/.stronix-staging/journal").mapped());
    EXPECT_EQ(after, before) << journal;
    fs::remove(dir_.File("target/.stronix-staging/journal.rejected"));
  }
  EXPECT_FALSE(FinishInterruptedCommit(TDirectory(Target()), Target())) << "no journal, nothing to do";
}

// A sound journal, as a run writes it, is carried out: pages into their part folders, the
// old book's last part gone, links and special files named like pages removed (never what
// they point to), and says so.
TEST_F(CommitJournalTest, ASoundJournalIsFinishedAndClearsLinksNamedLikePages) {
  fs::create_directories(dir_.File("target/Ksiega 01"));
  fs::create_directories(dir_.File("target/Ksiega 02"));
  std::ofstream(dir_.File("target/Ksiega 02/0011.gif")) << kPage;
  fs::create_symlink(dir_.File("outside/0002.gif"), dir_.File("target/Ksiega 01/0040.gif"));
  ASSERT_EQ(::mkfifo(dir_.File("target/Ksiega 01/0041.gif").c_str(), 0666), 0);
  const TDirectory target(Target());
  WriteCommitJournal(TDirectory(target, ".stronix-staging"), Target() + ".stronix-staging",
                     {"a.txt", "Ksiega", {"Ksiega 01/0001.gif"}, {"Ksiega 02"}});
  const auto outside = Tree(dir_.File("outside"));
  const std::optional<TMessage> notice = FinishInterruptedCommit(target, Target());
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->Text(), "Finished an interrupted conversion of a.txt");
  EXPECT_THAT(dir_.Names(), ElementsAre("outside", "target"));
  EXPECT_EQ(Tree(dir_.File("target")),
            (std::map<std::string, std::string>{{"Ksiega 01", "folder"}, {"Ksiega 01/0001.gif", kPage}}));
  EXPECT_EQ(Tree(dir_.File("outside")), outside);
}

// A folder named like a page among those the commit removes would stay looking like a page:
// the commit is refused before anything moves.
TEST_F(CommitJournalTest, AFolderNamedLikeAPageIsRefusedBeforeAnythingMoves) {
  fs::create_directories(dir_.File("target/0040.gif"));
  const TDirectory target(Target());
  EXPECT_THAT(
      [&] {
        CheckCommitNames(target, Target(), {"a.txt", "", {"0001.gif"}, {}});
      },
      testing::ThrowsMessage<EFolderNamedLikePage>(
          testing::StrEq(Target() + "0040.gif is a folder named like a page; move it away and try again")));
}

}  // namespace
