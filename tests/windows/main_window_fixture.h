// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the tests drive it: shown, with scripted dialogs, faked memory cards
// and a fresh folder for the books and pages.
#include <gmock/gmock.h>

#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/windows/main_window.h"
#include "app/windows/memo_view.h"
#include "support/temp_dir.h"
#include "window_test_support.h"

// A short book in Windows-1250: "Zażółć gęślą jaźń" and friends.
inline constexpr char kBook[] = "Rozdzia\xB3 1\nZa\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n\r\nKoniec";

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// How long a test waits for a run on its worker to end.
inline constexpr int kRunTimeoutMs = 120'000;

class MainWindowTest : public ::testing::Test {
protected:
  MainWindowTest() { form.show(); }

  // "Generuj", and the wait for the run on its worker to end.
  void Generate() {
    Click(form, "Button2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Running(); }, kRunTimeoutMs));
  }

  // Loads `bytes` as dir/name through "Załaduj TXT".
  void Load(const std::string& path, std::string_view bytes) {
    WriteFile(path, bytes);
    EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(::testing::Return(path));
    Click(form, "Button1");
  }

  TMemoView& memo() { return *form.findChild<TMemoView*>("Memo1"); }
  QLineEdit& edit(const char* name) { return *form.findChild<QLineEdit*>(name); }
  const TTextBox& box() { return form.State().Memo(); }

  ::testing::NiceMock<TMockDialogs> dialogs;
  std::vector<std::string> cards;             // the memory cards' photo folders the window finds
  TempDir dir;                                // made before the window, so that a run ends before it goes
  bool fresh = (ForgetKeptSettings(), true);  // each window starts as on the very first start
  TForm1 form{dialogs, nullptr, [this] { return cards; }};
};
