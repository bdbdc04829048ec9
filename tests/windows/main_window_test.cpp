#include "app/windows/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/windows/help_window.h"
#include "app/windows/memo_view.h"
#include "app/windows/qt_color.h"
#include "support/gif_decode.h"
#include "support/temp_dir.h"
#include "window_test_support.h"

namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::StrEq;

// A short book in Windows-1250: "Zażółć gęślą jaźń" and friends.
constexpr char kBook[] = "Rozdzia\xB3 1\nZa\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n\r\nKoniec";

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class MainWindowTest : public ::testing::Test {
protected:
  MainWindowTest() { form.show(); }

  // Loads `bytes` as dir/name through "Załaduj TXT".
  void Load(const std::string& path, std::string_view bytes) {
    WriteFile(path, bytes);
    EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(Return(path));
    Click(form, "Button1");
  }

  TMemoView& memo() { return *form.findChild<TMemoView*>("Memo1"); }
  QLineEdit& edit(const char* name) { return *form.findChild<QLineEdit*>(name); }
  const TTextBox& box() { return form.State().Memo(); }

  NiceMock<TMockDialogs> dialogs;
  TForm1 form{dialogs};
  TempDir dir;
};

TEST_F(MainWindowTest, StartsWithTheAboutTextAndInitialValues) {
  EXPECT_EQ(form.windowTitle(), "Stronix - by morvik 2006");
  EXPECT_EQ(box().LineCount(), 13);
  EXPECT_EQ(box().Lines()[3], "Ostatnia wersja:  29 grudnia 2006 godz 00:47");
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), HomeFolder());
  EXPECT_TRUE(edit("katalog_docelowy").isReadOnly());
  EXPECT_TRUE(form.findChild<QCheckBox*>("CheckBox1")->isChecked());
  EXPECT_FALSE(form.pomoc()->isVisible());

  // The preview box shows the page font and colours from the start, before any activation.
  QLineEdit& preview = edit("Edit1");
  EXPECT_EQ(preview.text(), "abcDEF");
  EXPECT_EQ(preview.font().family(), "Times New Roman");
  EXPECT_EQ(preview.font().pixelSize(), 16);
  EXPECT_EQ(preview.palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(preview.palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_TRUE(memo().isVisible());
}

TEST_F(MainWindowTest, EveryActivationRefreshesThePreview) {
  edit("Edit1").setFont(QFont("Liberation Mono", 30));
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activate);
  EXPECT_EQ(edit("Edit1").font().family(), "Times New Roman");
  EXPECT_EQ(edit("Edit1").font().pixelSize(), 16);
}

struct TColorSetCase {
  const char* button;
  TColor text, background;
  DecodedColor storedText;  // the text colour as the web cube keeps it
};

TEST_F(MainWindowTest, ColorSetsColourTheTextBoxThePreviewAndTheNextPages) {
  const TColorSetCase cases[] = {
      {"Button6", clWhite, clBlack, {255, 255, 255}},
      {"Button7", clBlack, clWhite, {0, 0, 0}},
      {"Button8", MakeColor(0, 128, 0), clBlack, {0, 102, 0}},
      {"Button9", MakeColor(0, 255, 0), clBlack, {0, 255, 0}},
  };
  Load(dir.File("book.txt"), "Tekst strony");
  for (const auto& set : cases) {
    SCOPED_TRACE(set.button);
    Click(form, set.button);
    EXPECT_EQ(box().Font().color, set.text);
    EXPECT_EQ(box().Color(), set.background);
    EXPECT_EQ(edit("Edit1").palette().color(QPalette::Text), ToQColor(set.text));
    EXPECT_EQ(edit("Edit1").palette().color(QPalette::Base), ToQColor(set.background));
    const auto shown = ColorsShown(*memo().viewport());
    EXPECT_TRUE(shown.contains(Rgb(set.text)));
    EXPECT_TRUE(shown.contains(Rgb(set.background)));

    Click(form, "Button2");
    const DecodedFrame page = DecodeGifFile(dir.File("0001.gif")).frames.at(0);
    const auto colorAt = [&](std::size_t i) { return page.localColors.at(page.pixels.at(i)); };
    EXPECT_EQ(colorAt(0), (DecodedColor{RedOf(set.background), GreenOf(set.background), BlueOf(set.background)}));
    bool textDrawn = false;
    for (std::size_t i = 0; i < page.pixels.size(); ++i) textDrawn = textDrawn || colorAt(i) == set.storedText;
    EXPECT_TRUE(textDrawn);
    Load(dir.File("book.txt"), "Tekst strony");
  }
}

TEST_F(MainWindowTest, LoadingAFileShowsItsLinesAndTakesItsFolder) {
  Load(dir.File("ksiazka.txt"), kBook);
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), dir.Path().string() + "/");
  EXPECT_THAT(box().Lines(), ElementsAre("Rozdzia\xB3 1", "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1", "", "Koniec"));
  EXPECT_EQ(form.State().Settings().chosenFileName, dir.File("ksiazka.txt"));
  EXPECT_EQ(memo().TopLine(), 0);
}

TEST_F(MainWindowTest, ARunWritesThePagesAndLeavesGotowe) {
  Load(dir.File("ksiazka.txt"), kBook);
  Click(form, "Button2");
  EXPECT_THAT(dir.Names(), ElementsAre("0000.gif", "0001.gif", "ksiazka.txt"));
  EXPECT_EQ(DecodeGifFile(dir.File("0001.gif")).screenWidth, 480);
  EXPECT_EQ(box().Text(), "gotowe...\r\n");
  EXPECT_THAT(box().Lines(), ElementsAre("gotowe..."));
  EXPECT_FALSE(memo().isHidden());
}

// Counts the paintings of a widget.
class TPaintCounter : public QObject {
public:
  int paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

TEST_F(MainWindowTest, TheProcessingLabelIsPaintedWhileTheRunHidesTheBook) {
  Load(dir.File("ksiazka.txt"), kBook);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  TPaintCounter counter;
  form.findChild<QWidget*>("Label1")->installEventFilter(&counter);
  Click(form, "Button2");
  EXPECT_GT(counter.paints, 0);
  // Afterwards the book's place is the text box's again.
  EXPECT_FALSE(memo().isHidden());
}

TEST_F(MainWindowTest, TheCheckBoxDecidesWhetherBlankRunsAreSqueezed) {
  // 13 lines fill one page: 11 lines, three blank ones squeezed to one, and the last line.
  std::string book;
  for (int i = 0; i < 11; ++i) book += "linia\n";
  book += "\n\n\nkoniec";
  Load(dir.File("a.txt"), book);
  Click(form, "Button2");
  EXPECT_FALSE(std::filesystem::exists(dir.File("0002.gif")));

  form.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
  Load(dir.File("a.txt"), book);
  Click(form, "Button2");
  EXPECT_TRUE(std::filesystem::exists(dir.File("0002.gif")));
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothing) {
  Load(dir.File("ksiazka.txt"), kBook);
  const std::string text = box().Text();
  const TPageFont font = box().Font();
  EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(Return(std::nullopt));
  EXPECT_CALL(dialogs, ChooseFont(_)).WillOnce(Return(std::nullopt));
  EXPECT_CALL(dialogs, ChooseColor(clWhite)).WillOnce(Return(std::nullopt));
  Click(form, "Button1");
  Click(form, "Button3");
  Click(form, "Button4");
  EXPECT_EQ(box().Text(), text);
  EXPECT_EQ(box().Font(), font);
  EXPECT_EQ(box().Color(), clWhite);
  EXPECT_EQ(form.State().Settings().chosenFileName, dir.File("ksiazka.txt"));
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), dir.Path().string() + "/");
}

TEST_F(MainWindowTest, TheBackgroundDialogSetsThePageColour) {
  EXPECT_CALL(dialogs, ChooseColor(clWhite)).WillOnce(Return(MakeColor(10, 20, 30)));
  Click(form, "Button4");
  EXPECT_EQ(box().Color(), MakeColor(10, 20, 30));
  EXPECT_EQ(edit("Edit1").palette().color(QPalette::Base), QColor(10, 20, 30));
  EXPECT_TRUE(ColorsShown(*memo().viewport()).contains(qRgb(10, 20, 30) & 0xFFFFFF));
}

TEST_F(MainWindowTest, TheFontDialogOpensOnTheTextBoxFontAndItsChoiceIsTaken) {
  Click(form, "Button8");  // green text
  EXPECT_CALL(dialogs, ChooseFont(_)).WillOnce(Invoke([](const TFontChoice& start) {
    EXPECT_EQ(start.face, "Times New Roman");
    EXPECT_EQ(start.height, -16);
    EXPECT_EQ(start.color, MakeColor(0, 128, 0));
    EXPECT_EQ(start.script, TFontScript::CentralEuropean);
    TFontChoice chosen = start;
    chosen.face = "Liberation Sans";
    chosen.height = -13;
    chosen.weight = 700;
    chosen.italic = true;
    return std::optional(chosen);
  }));
  Click(form, "Button3");
  const TPageFont& font = box().Font();
  EXPECT_EQ(font.face, "Liberation Sans");
  EXPECT_EQ(font.height, -13);
  EXPECT_TRUE(font.bold);
  EXPECT_TRUE(font.italic);
  EXPECT_EQ(font.color, MakeColor(0, 128, 0));
  EXPECT_EQ(edit("Edit1").font().family(), "Liberation Sans");
  EXPECT_EQ(edit("Edit1").font().pixelSize(), 13);
  EXPECT_TRUE(edit("Edit1").font().bold());
  EXPECT_EQ(memo().viewport()->font().family(), "Liberation Sans");
}

TEST_F(MainWindowTest, HelpPressedTwiceShowsOneWindow) {
  Click(form, "Button10");
  Click(form, "Button10");
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) shown += qobject_cast<Tpomoc*>(window) && window->isVisible();
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(form.isVisible());  // not modal: both windows stay

  Click(form, "Button5");  // "Wyjdź": the help window closes with the main window
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.pomoc()->isVisible());
}

TEST_F(MainWindowTest, AFailedRunReportsItsTextAndShowsTheBookAgain) {
  const auto folder = dir.Path() / "gone";
  std::filesystem::create_directory(folder);
  Load((folder / "ksiazka.txt").string(), kBook);
  std::filesystem::remove_all(folder);
  const std::string text = box().Text();

  bool memoShownWhenReported = false;
  EXPECT_CALL(dialogs, ShowError(StrEq("Cannot create file " + (folder / "0000.gif").string())))
      .WillOnce(Invoke([&](const std::string&) { memoShownWhenReported = !memo().isHidden(); }));
  Click(form, "Button2");
  EXPECT_TRUE(memoShownWhenReported);
  EXPECT_FALSE(memo().isHidden());
  EXPECT_EQ(box().Text(), text);
}

TEST_F(MainWindowTest, AFailedLoadReportsItsTextAndChangesNothing) {
  const std::string missing = dir.File("nie-ma.txt");
  EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(Return(missing));
  EXPECT_CALL(dialogs, ShowError(StrEq("Cannot open file " + missing)));
  Click(form, "Button1");
  EXPECT_EQ(box().LineCount(), 13);
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), HomeFolder());
}

}  // namespace
