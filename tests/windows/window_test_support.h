#pragma once
// What the window tests share: one QApplication on the offscreen platform, dialogs that
// the test answers, and ways to press a button and to read what a widget shows.
#include <gmock/gmock.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QWidget>

#include <set>

#include "app/windows/dialogs.h"
#include "app/windows/window_style.h"

// The test program's application, made on first use.
inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "windows_tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  [[maybe_unused]] static const bool lookSet = (SetUpClassicLook(), true);
  return application;
}

// A fixture base: the application exists before the fixture's widgets are made.
class TApplicationTest : public ::testing::Test {
protected:
  TApplicationTest() { TestApplication(); }
};

class TMockDialogs : public TDialogs {
public:
  MOCK_METHOD(std::optional<std::string>, OpenTextFile, (), (override));
  MOCK_METHOD(std::optional<TFontChoice>, ChooseFont, (const TFontChoice& start), (override));
  MOCK_METHOD(std::optional<TColor>, ChooseColor, (TColor current), (override));
  MOCK_METHOD(void, ShowError, (const std::string& text), (override));
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
