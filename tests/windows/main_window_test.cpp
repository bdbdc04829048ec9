// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/drawing/qt_color.h"
#include "app/text/about_text.h"
#include "app/text/code_page.h"
#include "app/windows/help_window.h"
#include "app/windows/memo_view.h"
#include "app/windows/run_report_text.h"
#include "books/book_fixtures.h"
#include "main_window_fixture.h"
#include "support/gif_decode.h"

namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::Invoke;
using ::testing::IsEmpty;
using ::testing::Return;
using ::testing::StartsWith;
using ::testing::StrEq;

TEST_F(MainWindowTest, StartsWithTheAboutTextAndInitialValues) {
  EXPECT_EQ(form.windowTitle(), "Stronix - by morvik 2006");
  EXPECT_EQ(box().LineCount(), 13);
  EXPECT_EQ(box().Text(), AboutText());
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

    Generate();
    const DecodedFrame page = DecodeGifFile(dir.File("0001.gif")).frames.at(0);
    const auto colorAt = [&](std::size_t i) { return page.localColors.at(page.pixels.at(i)); };
    EXPECT_EQ(colorAt(0),
              (DecodedColor{RedOf(set.background), GreenOf(set.background), BlueOf(set.background)}));
    bool textDrawn = false;
    for (std::size_t i = 0; i < page.pixels.size(); ++i)
      textDrawn = textDrawn || colorAt(i) == set.storedText;
    EXPECT_TRUE(textDrawn);
    Load(dir.File("book.txt"), "Tekst strony");
  }
}

TEST_F(MainWindowTest, LoadingAFileShowsItsLinesAndTakesItsFolder) {
  Load(dir.File("ksiazka.txt"), kBook);
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), dir.Path().string() + "/");
  EXPECT_THAT(box().Lines(),
              ElementsAre("Rozdzia\xB3 1", "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1", "", "Koniec"));
  EXPECT_EQ(form.State().Settings().chosenFileName, dir.File("ksiazka.txt"));
  EXPECT_EQ(memo().TopLine(), 0);
}

TEST_F(MainWindowTest, ARunWritesThePagesAndLeavesGotowe) {
  Load(dir.File("ksiazka.txt"), kBook);
  Generate();
  EXPECT_THAT(dir.Names(), ElementsAre("0000.gif", "0001.gif", "ksiazka.txt"));
  EXPECT_EQ(DecodeGifFile(dir.File("0001.gif")).screenWidth, 480);
  EXPECT_EQ(box().Text(), "gotowe...\r\n");
  EXPECT_THAT(box().Lines(), ElementsAre("gotowe..."));
  EXPECT_FALSE(memo().isHidden());
}

TEST_F(MainWindowTest, GenerujWaitsForABookAndTheStatusLineSaysWhatWentWhere) {
  QWidget* generuj = form.findChild<QWidget*>("Button2");
  auto* status = form.findChild<QLabel*>("StatusLine");
  // The about text is no book: nothing is written into the home folder unasked.
  EXPECT_FALSE(generuj->isEnabled());
  form.Button2Click();
  EXPECT_FALSE(form.Running());
  EXPECT_TRUE(status->text().isEmpty());

  Load(dir.File("ksiazka.txt"), kBook);
  EXPECT_TRUE(generuj->isEnabled());
  Generate();
  EXPECT_TRUE(generuj->isEnabled());
  EXPECT_THAT(box().Lines(), ElementsAre("gotowe..."));
  EXPECT_EQ(status->text().toStdString(), "Zapisano 2 pliki GIF w: " + dir.Path().string() + "/");
  EXPECT_GE(status->geometry().top(), form.findChild<QWidget*>("CheckBox2")->geometry().bottom());
  EXPECT_LE(status->geometry().bottom(), form.height());
}

TEST(RunReportTextTest, CountsFoldersAndRemovedPagesInEitherLanguage) {
  const TRunReport parts{1002, 7, {"/k/Lalka 01/", "/k/Lalka 02/", "/k/Lalka 03/"}, std::nullopt, 0};
  EXPECT_EQ(RunReportText(parts, "/k/").toStdString(),
            "Zapisano 1002 pliki GIF w: /k/Lalka 01/ … /k/Lalka 03/ (3 foldery); usunięto 7 stron "
            "poprzedniej książki");
  EXPECT_EQ(RunReportText({}, "/k/").toStdString(),
            "Książka nie ma ani jednej linii: nic nie zapisano w /k/");
  UseLanguage(TLanguage::English);
  EXPECT_EQ(RunReportText(parts, "/k/").toStdString(),
            "Wrote 1002 GIF files to: /k/Lalka 01/ … /k/Lalka 03/ (3 folders); removed 7 pages of the "
            "earlier book");
  UseLanguage(TLanguage::Polish);
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
  Generate();
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
  Generate();
  EXPECT_FALSE(std::filesystem::exists(dir.File("0002.gif")));

  form.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
  Load(dir.File("a.txt"), book);
  Generate();
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

TEST_F(MainWindowTest, AFontNoPageCanUseIsRefusedWithAMessage) {
  for (const int height : {-1, -219}) {
    EXPECT_CALL(dialogs, ChooseFont(_)).WillOnce(Invoke([height](TFontChoice chosen) {
      chosen.height = height;
      return std::optional(chosen);
    }));
    EXPECT_CALL(dialogs, ShowError(StartsWith(height == -1 ? "Czcionka jest za mała: układ strony potrzebuje "
                                                             "co najmniej 2 pikseli wysokości (2 pkt)."
                                                           : "Czcionka jest za duża"),
                                   _));
    Click(form, "Button3");
    EXPECT_EQ(box().Font().height, -16);
  }
}

TEST_F(MainWindowTest, HelpPressedTwiceShowsOneWindow) {
  Click(form, "Button10");
  Click(form, "Button10");
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    shown += qobject_cast<Tpomoc*>(window) && window->isVisible();
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
  EXPECT_CALL(dialogs, ShowError(StrEq("Nie można utworzyć pliku " + (folder / "0000.gif").string()), _))
      .WillOnce(Invoke(
          [&](const std::string&, const std::string&) { memoShownWhenReported = !memo().isHidden(); }));
  Generate();
  EXPECT_TRUE(memoShownWhenReported);
  EXPECT_FALSE(memo().isHidden());
  EXPECT_EQ(box().Text(), text);
}

TEST_F(MainWindowTest, AFailedLoadReportsItsTextAndChangesNothing) {
  const std::string missing = dir.File("nie-ma.txt");
  EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(Return(missing));
  EXPECT_CALL(dialogs, ShowError(StrEq("Nie można otworzyć pliku " + missing),
                                 StrEq("Nie ma takiego pliku ani katalogu")));
  Click(form, "Button1");
  EXPECT_EQ(box().LineCount(), 13);
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), HomeFolder());

  // The conversion's lower-case message opens the box as a sentence.
  const std::string broken = dir.File("zla.epub");
  std::ofstream(broken) << "no ZIP here";
  EXPECT_CALL(dialogs, OpenTextFile()).WillOnce(Return(broken));
  EXPECT_CALL(dialogs, ShowError(StrEq("Książka nie jest poprawnym archiwum ZIP"), IsEmpty()));
  Click(form, "Button1");
  EXPECT_EQ(box().LineCount(), 13);
}

// `count` lines "linia 0", "linia 1", ...
std::string NumberedLines(int count) {
  std::string book;
  for (int i = 0; i < count; ++i) book += "linia " + std::to_string(i) + "\n";
  return book;
}

void Activate(QWidget& window) {
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &activate);
}

TEST_F(MainWindowTest, ANewBookShowsFromItsFirstLine) {
  Load(dir.File("a.txt"), NumberedLines(100));
  QTest::keyClick(&memo(), Qt::Key_End);
  ASSERT_GT(memo().TopLine(), 0);
  Load(dir.File("b.txt"), NumberedLines(100));
  EXPECT_EQ(memo().TopLine(), 0);
}

TEST_F(MainWindowTest, AUtf8BookShowsAndPagesExactlyAsTheSameTextInWindows1250) {
  constexpr char kUtf8Book[] = "Rozdział 1\nZażółć gęślą jaźń\r\n\r\nKoniec";
  for (const char* folder : {"cp1250", "utf8"}) std::filesystem::create_directory(dir.Path() / folder);
  const auto file = [&](const char* folder, const char* name) {
    return (dir.Path() / folder / name).string();
  };

  Load(file("cp1250", "ksiazka.txt"), kBook);
  const QImage shown1250 = memo().viewport()->grab().toImage();
  Generate();
  Load(file("utf8", "ksiazka.txt"), kUtf8Book);
  EXPECT_EQ(box().Font().script, TFontScript::Utf8);
  EXPECT_TRUE(memo().viewport()->grab().toImage() == shown1250);
  EXPECT_EQ(edit("Edit1").font().family(), "Times New Roman");
  EXPECT_CALL(dialogs, ChooseFont(_)).WillOnce(Invoke([](const TFontChoice& start) {
    EXPECT_EQ(start.script, TFontScript::Utf8);
    return std::nullopt;
  }));
  Click(form, "Button3");
  Generate();

  const auto bytes = [](const std::string& path) {
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
  };
  ASSERT_TRUE(std::filesystem::exists(file("utf8", "0001.gif")));
  EXPECT_TRUE(bytes(file("utf8", "0001.gif")) == bytes(file("cp1250", "0001.gif")));
}

TEST_F(MainWindowTest, TheFolderButtonChoosesTheTargetForThisAndLaterBooks) {
  const auto pages = dir.Path() / "strony";
  std::filesystem::create_directory(pages);
  Load(dir.File("ksiazka.txt"), kBook);
  EXPECT_CALL(dialogs, ChooseFolder(dir.Path().string() + "/")).WillOnce(Return(pages.string()));
  Click(form, "Button12");
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), pages.string() + "/");
  EXPECT_FALSE(form.State().Settings().createFolder);

  EXPECT_CALL(dialogs, ChooseFolder(pages.string() + "/")).WillOnce(Return(std::nullopt));
  Click(form, "Button12");
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), pages.string() + "/");

  Generate();
  EXPECT_TRUE(std::filesystem::exists(pages / "0001.gif"));
  // Kept for the next book while the program runs.
  Load(dir.File("ksiazka.txt"), kBook);
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), pages.string() + "/");
}

TEST_F(MainWindowTest, TheCardButtonNeedsExactlyOneCardAndSendsTheBookToItsOwnFolderThere) {
  const auto photo = dir.Path() / "karta" / "PSP" / "PHOTO";
  std::filesystem::create_directories(photo);
  Load(dir.File("Pan Tadeusz.txt"), kBook);
  auto& button = *form.findChild<QPushButton*>("Button13");

  const std::pair<std::vector<std::string>, bool> mounted[] = {
      {{}, false}, {{photo.string(), "/media/druga/PSP/PHOTO"}, false}, {{photo.string()}, true}};
  for (const auto& [found, enabled] : mounted) {
    cards = found;
    Activate(form);
    EXPECT_EQ(button.isEnabled(), enabled) << found.size() << " cards";
  }
  Click(form, "Button13");
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), (photo / "Pan Tadeusz").string() + "/");
  EXPECT_TRUE(form.State().Settings().createFolder);
  Generate();
  EXPECT_TRUE(std::filesystem::exists(photo / "Pan Tadeusz" / "0001.gif"));
}

TEST_F(MainWindowTest, TheRunOptionBoxesReachTheRun) {
  auto& pageTimes = *form.findChild<QCheckBox*>("CheckBox3");
  auto& split = *form.findChild<QCheckBox*>("CheckBox4");
  auto& perFolder = *form.findChild<QSpinBox*>("SpinEdit1");
  EXPECT_TRUE(pageTimes.isChecked());
  EXPECT_FALSE(split.isChecked());
  EXPECT_FALSE(perFolder.isEnabled());
  EXPECT_EQ(perFolder.value(), 500);
  EXPECT_EQ(perFolder.minimum(), 10);

  // Page times on: each page two seconds after the one before.
  Load(dir.File("ksiazka.txt"), NumberedLines(20));
  Generate();
  const auto gap = [&] {
    return std::filesystem::last_write_time(dir.File("0002.gif")) -
           std::filesystem::last_write_time(dir.File("0001.gif"));
  };
  EXPECT_EQ(gap(), std::chrono::seconds(2));
  EXPECT_EQ(form.State().Settings().pagesPerFolder, 0);

  pageTimes.click();
  split.click();
  EXPECT_TRUE(perFolder.isEnabled());
  perFolder.setValue(25);
  Load(dir.File("ksiazka.txt"), NumberedLines(20));
  Generate();
  EXPECT_FALSE(form.State().Settings().pageTimes);
  EXPECT_EQ(form.State().Settings().pagesPerFolder, 25);

  split.click();
  EXPECT_FALSE(perFolder.isEnabled());
  Generate();
  EXPECT_EQ(form.State().Settings().pagesPerFolder, 0);
}

TEST_F(MainWindowTest, TheSmallFilesBoxGivesEachPageOnlyItsColours) {
  auto& compact = *form.findChild<QCheckBox*>("CheckBox5");
  EXPECT_FALSE(compact.isChecked());
  Load(dir.File("ksiazka.txt"), NumberedLines(20));
  Generate();
  EXPECT_EQ(DecodeGifFile(dir.File("0001.gif")).frames.at(0).localColors.size(), 256u);
  compact.click();
  Generate();
  EXPECT_TRUE(form.State().Settings().compactPages);
  EXPECT_LE(DecodeGifFile(dir.File("0001.gif")).frames.at(0).localColors.size(), 8u);
}

// An EPUB of two chapters, "Jeden" and an untitled one.
std::string TwoChapterEpub() {
  return MakeZip({{"mimetype", "application/epub+zip"},
                  {"META-INF/container.xml", Container("book.opf")},
                  {"book.opf", Package("<dc:title>Dwa</dc:title>",
                                       {{"a", "a.xhtml", "application/xhtml+xml"},
                                        {"b", "b.xhtml", "application/xhtml+xml"}},
                                       {"a", "b"})},
                  {"a.xhtml", Xhtml("<h1>Jeden</h1><p>Pierwszy.</p>")},
                  {"b.xhtml", Xhtml("<p>Drugi.</p>")}});
}

TEST_F(MainWindowTest, AnEpubShowsItsTextAndTheChapterBoxSwitchesChapterPages) {
  auto& chapters = *form.findChild<QCheckBox*>("CheckBox2");
  EXPECT_FALSE(chapters.isChecked());
  Load(dir.File("ksiazka.epub"), TwoChapterEpub());
  EXPECT_THAT(box().Lines(), ElementsAre("Jeden", "", "Pierwszy.", "", kChapterMark, "Drugi."));
  EXPECT_TRUE(chapters.isChecked());
  EXPECT_TRUE(form.State().Settings().chapterPages);
  const auto marks = [&] { return std::ranges::count(box().Lines(), std::string(kChapterMark)); };
  EXPECT_GT(marks(), 0);

  chapters.click();
  EXPECT_FALSE(form.State().Settings().chapterPages);
  EXPECT_EQ(marks(), 0);
}

TEST_F(MainWindowTest, ALoadSetsTheBookLayoutBoxAndItsTickDecidesTheNextRun) {
  auto& bookLayout = *form.findChild<QCheckBox*>("CheckBox6");
  EXPECT_FALSE(bookLayout.isChecked());
  const auto gifCount = [&] {
    return std::ranges::count_if(std::filesystem::directory_iterator(dir.Path()),
                                 [](const auto& entry) { return entry.path().extension() == ".gif"; });
  };
  const std::pair<const char*, std::string> markupBooks[] = {
      {"ksiazka.fb2",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?><FictionBook><body><section><title><p>Jeden</p>"
       "</title><p>Pierwszy.</p></section></body></FictionBook>"},
      {"ksiazka.html",
       "<html><head><title>Dwa</title></head><body><h1>Jeden</h1><p>Pierwszy.</p></body></html>"},
      {"ksiazka.epub", TwoChapterEpub()},
  };
  for (const auto& [name, bytes] : markupBooks) {
    Load(dir.File("ksiazka.txt"), "Zwykły tekst.");
    EXPECT_FALSE(bookLayout.isChecked()) << name;
    Load(dir.File(name), bytes);
    EXPECT_TRUE(bookLayout.isChecked()) << name;
  }

  // The book layout adds a contents page to the title page and the chapters' pages.
  Generate();
  EXPECT_EQ(form.State().Settings().layout, TLayoutKind::Book);
  const auto bookFiles = gifCount();
  bookLayout.click();
  Generate();
  EXPECT_EQ(form.State().Settings().layout, TLayoutKind::Classic);
  EXPECT_EQ(gifCount(), 3);  // the title page and a page for each chapter
  EXPECT_GT(bookFiles, gifCount());

  // The screen box sets the book layout's pages; the classic pages keep their size.
  auto& screen = *form.findChild<QComboBox*>("ComboBox1");
  ASSERT_EQ(screen.count(), 2);
  EXPECT_EQ(screen.itemText(1), "960x544");
  screen.setCurrentIndex(1);
  Generate();
  EXPECT_EQ(DecodeGifFile(dir.File("0001.gif")).screenWidth, 480);
  bookLayout.click();
  Generate();
  const DecodedGif large = DecodeGifFile(dir.File("0001.gif"));
  EXPECT_EQ(std::make_pair(large.screenWidth, large.screenHeight), std::make_pair(960, 544));
}

}  // namespace

// What a reader expects of the window: the book's own encoding, a question before another
// book's pages go, kept settings, dropped books and the window's language at the run's end.
TEST_F(MainWindowTest, AWindows1250TextAfterAUtf8EpubIsReadInWindows1250) {
  const std::string epub = MakeZip({{"mimetype", "application/epub+zip"},
                                    {"META-INF/container.xml", Container("book.opf")},
                                    {"book.opf", Package("<dc:title>Jeden</dc:title>",
                                                         {{"a", "a.xhtml", "application/xhtml+xml"}}, {"a"})},
                                    {"a.xhtml", Xhtml("<p>Zażółć gęślą jaźń.</p>")}});
  Load(dir.File("jeden.epub"), epub);
  EXPECT_EQ(box().Font().script, TFontScript::Utf8);
  EXPECT_EQ(form.findChild<QLabel*>("Label6")->text(), "UTF-8");
  Load(dir.File("polski.txt"), kBook);
  EXPECT_EQ(box().Font().script, TFontScript::CentralEuropean);
  EXPECT_EQ(form.findChild<QLabel*>("Label6")->text(), "windows-1250");
  EXPECT_FALSE(form.findChild<QCheckBox*>("CheckBox2")->isChecked());  // chapter pages follow the format
  EXPECT_EQ(CodePageOf(box().Font().script).Decode(box().Lines().at(0)), QString::fromUtf8("Rozdział 1"));
}

TEST_F(MainWindowTest, AnotherBooksPagesAreReplacedOnlyWhenTheUserSaysSo) {
  Load(dir.File("pierwsza.txt"), kBook);
  EXPECT_CALL(dialogs, AskReplaceBook(_, _)).Times(0);
  Generate();
  Generate();  // the same book: no question
  ::testing::Mock::VerifyAndClearExpectations(&dialogs);
  const auto firstTitle = ReadFileBytes(dir.File("0000.gif"));

  Load(dir.File("druga.txt"), "Druga\nksiazka\n");
  EXPECT_CALL(dialogs, AskReplaceBook("pierwsza.txt", _))
      .WillOnce(Return(TDialogs::TReplaceAnswer::Cancel))
      .WillOnce(Return(TDialogs::TReplaceAnswer::SeparateFolder));
  Click(form, "Button2");
  EXPECT_FALSE(form.Running());
  EXPECT_EQ(ReadFileBytes(dir.File("0000.gif")), firstTitle);
  Generate();
  EXPECT_EQ(ReadFileBytes(dir.File("0000.gif")), firstTitle);
  EXPECT_TRUE(std::filesystem::exists(dir.File("druga/0001.gif")));
  EXPECT_EQ(edit("katalog_docelowy").text().toStdString(), dir.File("druga/"));
}

TEST_F(MainWindowTest, TheLookAndTheOptionsSurviveARestart) {
  EXPECT_CALL(dialogs, ChooseColor(_)).WillOnce(Return(MakeColor(255, 255, 0)));
  Click(form, "Button4");
  form.findChild<QCheckBox*>("CheckBox5")->click();
  form.findChild<QSpinBox*>("SpinEdit1")->setValue(120);
  TForm1 restarted(dialogs);
  EXPECT_EQ(restarted.State().Memo().Color(), MakeColor(255, 255, 0));
  EXPECT_TRUE(restarted.findChild<QCheckBox*>("CheckBox5")->isChecked());
  EXPECT_EQ(restarted.findChild<QSpinBox*>("SpinEdit1")->value(), 120);
  EXPECT_TRUE(restarted.State().Settings().compactPages);
}

TEST_F(MainWindowTest, ABookDroppedOnTheWindowLoadsAndIsOfferedAgainAmongTheRecentBooks) {
  WriteFile(dir.File("upuszczona.txt"), kBook);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.File("upuszczona.txt")))});
  // As a drag ends: entering makes the window the target, the drop goes to it.
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);
  ASSERT_TRUE(form.State().Book());
  EXPECT_EQ(form.State().Book()->path, dir.File("upuszczona.txt"));
  emit form.RecentMenu()->aboutToShow();
  ASSERT_FALSE(form.RecentMenu()->actions().isEmpty());
  EXPECT_EQ(form.RecentMenu()->actions().front()->text().toStdString(), dir.File("upuszczona.txt"));
}

TEST_F(MainWindowTest, TheEnglishWindowSaysDoneAndOpensTheFolderItWrote) {
  UseLanguage(TLanguage::English);
  Load(dir.File("ksiazka.txt"), kBook);
  Generate();
  UseLanguage(TLanguage::Polish);
  EXPECT_EQ(box().Text(), "done...\r\n");
  EXPECT_CALL(dialogs, OpenFolder(dir.File("")));
  Click(form, "Button16");
}
