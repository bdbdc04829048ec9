// SPDX-License-Identifier: GPL-3.0-or-later
// "Generuj" on the worker thread: the window's side of a run under way, its progress and
// the three ways to stop it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "main_window_fixture.h"

namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::StrEq;

constexpr char kCancelled[] = "Przerwano: poprzednie strony zostały bez zmian.";

// A book long enough that a run is still writing when the test stops it: thousands of pages.
std::string LongBook(int lines = 60'000) {
  std::string book;
  for (int i = 0; i < lines; ++i) book += "linia " + std::to_string(i) + "\n";
  return book;
}

// Every file and folder below `folder` (hidden ones too), with the bytes of the files.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::ostringstream bytes;
    if (entry.is_regular_file()) bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    files.emplace(std::filesystem::relative(entry.path(), folder).string(), bytes.str());
  }
  return files;
}

class MainWindowRunTest : public MainWindowTest {
protected:
  QProgressBar& bar() { return *form.findChild<QProgressBar*>("ProgressBar1"); }
  QWidget& control(const char* name) { return *form.findChild<QWidget*>(name); }

  // Starts a run and waits until it has written `pages` files.
  void StartAndWaitFor(int pages) {
    Click(form, "Button2");
    ASSERT_TRUE(form.Running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar().value() >= pages; }, kRunTimeoutMs));
    ASSERT_TRUE(form.Running()) << "the book is too short to be stopped mid-run";
  }
};

TEST_F(MainWindowRunTest, WhileARunWritesTheWindowShowsProgressAndLocksTheRunsInputs) {
  Load(dir.File("dluga.txt"), LongBook());
  StartAndWaitFor(3);
  // The progress arrives while the test's event loop turns: the window is not blocked.
  EXPECT_TRUE(memo().isHidden());
  for (const char* name : {"Label1", "ProgressBar1", "Label4", "Button11"})
    EXPECT_TRUE(control(name).isVisible()) << name;
  for (const char* name : {"Button1", "Button2", "Button3", "Button6", "Edit1", "CheckBox1", "Label2",
                           "CheckBox2", "CheckBox3", "CheckBox4", "SpinEdit1", "Button12", "Button13"})
    EXPECT_FALSE(control(name).isEnabled()) << name;
  for (const char* name : {"Button5", "Button10", "Button11"}) EXPECT_TRUE(control(name).isEnabled()) << name;

  const QString text = form.findChild<QLabel*>("Label4")->text();
  const int done = bar().value(), total = bar().maximum();
  EXPECT_GT(total, 4000);
  EXPECT_TRUE(text.startsWith("strona ")) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QString(" z %1").arg(total))) << text.toStdString();

  // Activation while the worker owns the state reads nothing of it.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activate);

  Click(form, "Button11");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Running(); }, kRunTimeoutMs));
  EXPECT_GE(bar().maximum(), done);
  EXPECT_FALSE(memo().isHidden());
  for (const char* name : {"ProgressBar1", "Label4", "Button11"})
    EXPECT_FALSE(control(name).isVisible()) << name;
  for (const char* name : {"Button1", "Button2", "CheckBox1", "Button12"})
    EXPECT_TRUE(control(name).isEnabled()) << name;
}

struct TCancelCase {
  const char* how;
  std::function<void(TForm1&)> cancel;
  bool closesTheWindow;
};

TEST_F(MainWindowRunTest, ACancelledRunLeavesTheOldBookByteIdenticalAndShowsTheBookAgain) {
  Load(dir.File("stara.txt"), kBook);
  Generate();
  Load(dir.File("dluga.txt"), LongBook());
  const auto before = Snapshot(dir.Path());
  ASSERT_TRUE(before.contains("0001.gif"));

  const TCancelCase cases[] = {
      {"Przerwij", [](TForm1& form) { Click(form, "Button11"); }, false},
      {"Esc", [](TForm1& form) { QTest::keyClick(&form, Qt::Key_Escape); }, false},
      {"closing the window", [](TForm1& form) { form.close(); }, true},
  };
  for (const auto& way : cases) {
    SCOPED_TRACE(way.how);
    EXPECT_CALL(dialogs, ShowNotice(StrEq(kCancelled))).Times(way.closesTheWindow ? 0 : 1);
    EXPECT_CALL(dialogs, ShowError(_, _)).Times(0);
    StartAndWaitFor(2);

    way.cancel(form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Running(); }, kRunTimeoutMs));
    // The last report comes before the end: only the pages under way were finished.
    EXPECT_LT(bar().value(), bar().maximum() / 2);
    EXPECT_EQ(form.isVisible(), !way.closesTheWindow);

    EXPECT_TRUE(Snapshot(dir.Path()) == before);
    EXPECT_FALSE(memo().isHidden());
    EXPECT_EQ(box().Lines().at(0), "linia 0");
    ::testing::Mock::VerifyAndClearExpectations(&dialogs);
  }
}

TEST_F(MainWindowRunTest, ARunConvertsItsSnapshotWhileTheWindowGoesOnWithTheTextBox) {
  Load(dir.File("dluga.txt"), LongBook(13 * 200));
  const int files = 1 + 200;
  StartAndWaitFor(2);
  // Another book takes the text box, which the window wraps and paints, while the run writes.
  WriteFile(dir.File("krotka.txt"), "inna\nksi\xB9\xBFka\n");
  form.LoadBook(dir.File("krotka.txt"));
  EXPECT_THAT(box().Lines(), ElementsAre("inna", "ksi\xB9\xBFka"));
  memo().repaint();
  ASSERT_TRUE(form.Running()) << "the book is too short to be changed mid-run";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Running(); }, kRunTimeoutMs));
  // The pages are the long book's, every one of them, and then the box says so.
  EXPECT_EQ(dir.Names().size(), files + 2u);
  EXPECT_EQ(dir.Names().at(files - 1), PageLabel(files - 1) + ".gif");
  EXPECT_EQ(box().Text(), "gotowe...\r\n");
}

}  // namespace
