// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: one QApplication on the offscreen platform, dialogs that
// the test answers, and ways to press a button and to read what a widget shows.
#include <gmock/gmock.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <set>

#include "app/l10n/translation.h"
#include "app/windows/dialogs.h"
#include "app/windows/window_style.h"

// The test program's application, with the look and the language the program gives itself: made before the
// first test and gone before the program exits (a static one would outlive Qt's own statics).
class TQtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    // The window keeps its choices in the user's settings: the tests keep theirs in a
    // folder of their own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    application_ = std::make_unique<QApplication>(argc_, argv_);
    SetUpClassicLook();
    // The window as a Polish reader (or a bare C locale) sees it; tests of English switch.
    UseLanguage(TLanguage::Polish);
  }
  void TearDown() override { application_.reset(); }

private:
  int argc_ = 1;
  char name_[14] = "windows_tests";
  char* argv_[2] = {name_, nullptr};
  QTemporaryDir settingsDir_;
  std::unique_ptr<QApplication> application_;
};

// The window's kept choices and recent books cleared, so that a window starts as on the
// very first start.
inline void ForgetKeptSettings() { QSettings("stronix", "stronix").clear(); }
inline ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

class TMockDialogs : public TDialogs {
public:
  MOCK_METHOD(std::optional<std::string>, OpenTextFile, (), (override));
  MOCK_METHOD(std::optional<std::string>, ChooseFolder, (const std::string& current), (override));
  MOCK_METHOD(std::optional<TFontChoice>, ChooseFont, (const TFontChoice& start), (override));
  MOCK_METHOD(std::optional<TColor>, ChooseColor, (TColor current), (override));
  MOCK_METHOD(void, ShowError, (const std::string& text, const std::string& reason), (override));
  MOCK_METHOD(void, ShowNotice, (const std::string& text), (override));
  MOCK_METHOD(TReplaceAnswer, AskReplaceBook, (const std::string& otherBook, const std::string& folder),
              (override));
  MOCK_METHOD(void, OpenFolder, (const std::string& folder), (override));
};

// Clicks the button of that object name below `root`, as the user would.
inline void Click(QWidget& root, const char* button) {
  auto* control = root.findChild<QPushButton*>(button);
  ASSERT_NE(control, nullptr) << button;
  control->click();
}

// The colours a widget shows, as 0x00RRGGBB values.
inline std::set<QRgb> ColorsShown(QWidget& widget) {
  const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::set<QRgb> colors;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colors.insert(image.pixel(x, y) & 0xFFFFFF);
  return colors;
}

inline QRgb Rgb(TColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)) & 0xFFFFFF; }
