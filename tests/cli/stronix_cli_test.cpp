// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built stronix-cli as a user would: exit codes, output and the files written.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "books/book_fixtures.h"
#include "books/zip_writer.h"
#include "pictures/picture_fixtures.h"
#include "support/gif_decode.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

struct TRun {
  int exitCode = -1;
  std::string out, err;
};

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted.append(c == '\'' ? "'\\''" : std::string(1, c));
  return quoted.append("'");
}

std::string Slurp(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// Every file's and folder's bytes under a folder, by relative path, hidden ones included.
std::map<std::string, std::string> Contents(const TempDir& dir) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
    contents[entry.path().lexically_relative(dir.Path()).string()] =
        entry.is_directory() ? "/" : Slurp(entry.path());
  return contents;
}

// Runs the program with its commit stopped once `renames` pages have moved and kills it
// there with SIGKILL; false when it ended before (there were fewer pages to move).
bool KillInCommit(const std::vector<std::string>& args, int renames) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("STRONIX_TEST_STOP_AFTER_RENAME", std::to_string(renames).c_str(), 1);
    const int null = ::open("/dev/null", O_RDWR);
    for (const int fd : {0, 1, 2}) ::dup2(null, fd);
    std::vector<char*> argv{const_cast<char*>(STRONIX_CLI_PATH)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(STRONIX_CLI_PATH, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, WUNTRACED);
  if (!WIFSTOPPED(status)) return false;
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return true;
}

class StronixCliTest : public testing::Test {
protected:
  // Runs the program under `locale` (LANG, with the variables that would override it unset).
  TRun Cli(const std::vector<std::string>& args, const std::string& locale = "en_US.UTF-8") {
    return Run(args, locale, "/dev/null");
  }
  // Runs the program with standard input read from the file `input`.
  TRun CliReading(const std::vector<std::string>& args, const std::string& input) {
    return Run(args, "en_US.UTF-8", input);
  }
  TRun Run(const std::vector<std::string>& args, const std::string& locale, const std::string& input) {
    std::string command =
        "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + locale + " " + Quoted(STRONIX_CLI_PATH);
    for (const auto& arg : args) command.append(" ").append(Quoted(arg));
    command.append(" >").append(Quoted(io_.File("out"))).append(" 2>").append(Quoted(io_.File("err")));
    const int status = std::system(command.append(" <").append(Quoted(input)).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(io_.File("out")), Slurp(io_.File("err"))};
  }
  std::string Book(const std::string& name, const std::string& bytes) {
    std::ofstream(books_.File(name), std::ios::binary) << bytes;
    return books_.File(name);
  }

  TempDir io_, books_;
};

TEST_F(StronixCliTest, ConvertWritesIntoTheBooksFolder) {
  std::string text;
  for (int i = 1; i <= 20; ++i) text += "Linia " + std::to_string(i) + "\n";
  const TRun run = Cli({"convert", Book("ksiazka.txt", text)});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "done...\nWrote 3 files to " + books_.Path().string() +
                         "/: the title page 0000.gif and pages 0001.gif to 0002.gif\n");
  EXPECT_EQ(run.err, "");  // not a terminal: no progress bar
  EXPECT_THAT(books_.Names(), ElementsAre("0000.gif", "0001.gif", "0002.gif", "ksiazka.txt"));
  EXPECT_EQ(Cli({"convert", Book("pusta.txt", "")}).out,
            "done...\nThe book holds no line: nothing was written to " + books_.Path().string() + "/\n");
}

TEST_F(StronixCliTest, ConvertTakesTheLookFromTheOptions) {
  TempDir out;
  const TRun run = Cli({"convert", Book("b.txt", "MMMM\n"), "-o", out.Path().string(), "--colors", "1",
                        "--background", "00FF00", "--size", "24", "--bold"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const DecodedFrame frame = DecodeGifFile(out.File("0001.gif")).frames.at(0);
  EXPECT_EQ(frame.localColors[frame.pixels[0]], (DecodedColor{0, 255, 0}));
  EXPECT_THAT(frame.localColors, testing::Contains(DecodedColor{255, 255, 255}));
}

TEST_F(StronixCliTest, LinesPrintsThePageLinesInUtf8OrAsBytes) {
  std::string words;
  for (int i = 0; i < 30; ++i) words += "s\xB3owo ";
  const std::string book = Book("linie.txt", "pierwsza\r\n\n\n\n\xBF\xF3\xB3w\n" + words + "\n");
  const TRun squeezed = Cli({"lines", book});
  ASSERT_EQ(squeezed.exitCode, 0) << squeezed.err;
  EXPECT_THAT(squeezed.out, StartsWith("pierwsza\n\n\xC5\xBC\xC3\xB3\xC5\x82w\ns\xC5\x82owo "));  // "żółw"
  EXPECT_GT(std::count(squeezed.out.begin(), squeezed.out.end(), '\n'), 4);  // the long line wrapped
  EXPECT_THAT(Cli({"lines", book, "--keep-blank-lines", "--raw"}).out,
              StartsWith("pierwsza\n\n\n\n\xBF\xF3\xB3w\n"));
  const TRun substituted = Cli({"lines", book, "--font", "Brak Takiej"});
  EXPECT_EQ(substituted.exitCode, 0);
  EXPECT_THAT(substituted.err, StartsWith("stronix-cli: warning: no font \"Brak Takiej\"; using \""));
  const int full =
      std::system((Quoted(STRONIX_CLI_PATH) + " lines " + Quoted(book) + " >/dev/full 2>/dev/null").c_str());
  EXPECT_EQ(WEXITSTATUS(full), 1);
}

TEST_F(StronixCliTest, PagesPrintsTheBookLayoutAsJsonAndConvertDrawsThosePages) {
  // Windows-1250 text is taken for Polish and hyphenated by its patterns.
  std::string text;
  for (int i = 0; i < 40; ++i)
    text +=
        "Przedstawiciele towarzystwa wydawniczego rozmawiali z nauczycielami o niepodleg\xB3o\x9C"
        "ci "
        "i rzeczywisto\x9C"
        "ci, a potem poszli do teatru.\n";
  const std::string book = Book("ksiazka.txt", text);
  const TRun run = Cli({"pages", book, "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  EXPECT_EQ(json["width"].toInt(), 480);
  EXPECT_EQ(json["height"].toInt(), 272);
  const QJsonArray pages = json["pages"].toArray();
  ASSERT_GT(pages.size(), 3);
  EXPECT_EQ(pages[0]["kind"].toString(), "title");
  std::string lines;
  int hyphens = 0;
  for (int number = 1; number < pages.size(); ++number) {
    EXPECT_EQ(pages[number]["footer"].toString().toStdString(),
              std::to_string(number) + " / " + std::to_string(pages.size() - 1));
    for (const auto& value : pages[number]["lines"].toArray()) {
      const QJsonObject line = value.toObject();
      EXPECT_GE(line["x"].toInt(), 12);
      EXPECT_LE(line["x"].toInt() + line["width"].toInt(), 468);
      if (line["hyphen"].toBool()) {
        ++hyphens;
        EXPECT_TRUE(line["text"].toString().endsWith(u'-'));
      }
      lines += line["text"].toString().toStdString() + "\n";
    }
  }
  EXPECT_GT(hyphens, 0);
  EXPECT_EQ(Cli({"lines", book, "--layout", "book"}).out, lines);
  TempDir out;
  ASSERT_EQ(Cli({"convert", book, "--layout", "book", "-o", out.Path().string()}).exitCode, 0);
  EXPECT_EQ(out.Names().size(), static_cast<std::size_t>(pages.size()));
  EXPECT_EQ(DecodeGifFile(out.File("0001.gif")).screenWidth, 480);
}

// The words of every page's lines in order, a hyphenated word joined again.
std::vector<std::string> WordsOfPages(const QJsonObject& json) {
  std::string text;
  for (const auto& page : json["pages"].toArray())
    for (const auto& value : page.toObject()["lines"].toArray()) {
      const QJsonObject line = value.toObject();
      const std::string words = line["text"].toString().toStdString();
      // A word broken at its own hyphen ("psp-czytelników") keeps it.
      text += line["hyphen"].toBool() ? words.substr(0, words.size() - 1)
              : words.ends_with('-')  ? words
                                      : words + " ";
    }
  std::istringstream split(text);
  return {std::istream_iterator<std::string>(split), std::istream_iterator<std::string>()};
}

// The leftmost and rightmost pixel any text line of the text pages takes.
std::pair<int, int> InkedColumns(const QJsonObject& json) {
  int left = json["width"].toInt(), right = 0;
  for (const auto& page : json["pages"].toArray()) {
    if (page.toObject()["kind"].toString() != "text") continue;
    for (const auto& value : page.toObject()["lines"].toArray()) {
      const QJsonObject line = value.toObject();
      left = std::min(left, line["x"].toInt());
      right = std::max(right, line["x"].toInt() + line["width"].toInt());
    }
  }
  return {left, right};
}

TEST_F(StronixCliTest, OtherScreensAndPortraitPagesHoldTheSameWordsAtTheirSize) {
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += "Paragraph " + std::to_string(i) +
            " tells of the lighthouse keeper who counted the ships "
            "passing through the narrow strait every evening.\n";
  const std::string book = Book("book.txt", text);
  const auto pages = [&](std::vector<std::string> options) {
    options.insert(options.begin(), {"pages", book, "--json"});
    const TRun run = Cli(options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  };
  const QJsonObject small = pages({}), large = pages({"--screen", "960x544"}), tall = pages({"--portrait"});
  EXPECT_EQ(std::make_pair(large["width"].toInt(), large["height"].toInt()), std::make_pair(960, 544));
  EXPECT_EQ(std::make_pair(tall["width"].toInt(), tall["height"].toInt()), std::make_pair(272, 480));
  EXPECT_EQ(WordsOfPages(large), WordsOfPages(small));
  EXPECT_EQ(WordsOfPages(tall), WordsOfPages(small));
  // The type grows with the screen unless its size is given.
  EXPECT_LT(pages({"--screen", "960x544", "--pixel-height", "16"})["pages"].toArray().size(),
            small["pages"].toArray().size());
  // Justified lines reach both margins (their last column a pixel short at most): 12 pixels
  // on the default screen and on its tall page, twice that on a screen twice as large.
  for (const auto& [json, margin] : {std::pair(small, 12), std::pair(tall, 12), std::pair(large, 24)}) {
    const auto [leftmost, rightmost] = InkedColumns(json);
    EXPECT_EQ(leftmost, margin);
    EXPECT_GE(rightmost, json["width"].toInt() - margin - 1);
    EXPECT_LE(rightmost, json["width"].toInt() - margin);
  }

  TempDir out;
  const auto convert = [&](const std::string& folder, std::vector<std::string> options) {
    options.insert(options.begin(), {"convert", book, "-o", out.File(folder)});
    EXPECT_EQ(Cli(options).exitCode, 0);
    return DecodeGifFile(out.File(folder + "/0001.gif"));
  };
  const DecodedGif largeGif = convert("large", {"--screen", "960x544"});
  EXPECT_EQ(std::make_pair(largeGif.screenWidth, largeGif.screenHeight), std::make_pair(960, 544));
  // Turned for a console held turned right, the page's top is at the GIF's left and its
  // left margin along the GIF's bottom; held left, the other way round.
  const DecodedGif right = convert("right", {"--portrait"}), left = convert("left", {"--portrait=left"});
  ASSERT_EQ(std::make_pair(right.screenWidth, right.screenHeight), std::make_pair(480, 272));
  const DecodedFrame& r = right.frames.at(0);
  const DecodedFrame& l = left.frames.at(0);
  const auto inked = [](const DecodedFrame& frame, int x, int y) {
    return frame.localColors[frame.pixels[static_cast<std::size_t>(y * frame.width + x)]] !=
           frame.localColors[frame.pixels[0]];
  };
  int inkedRows = 0;
  for (int y = 0; y < 272; ++y) {
    bool row = false;
    for (int x = 0; x < 480; ++x) {
      ASSERT_EQ(inked(r, x, y), inked(l, 479 - x, 271 - y)) << x << "," << y;
      row |= inked(r, x, y);
    }
    inkedRows += row;
    // The first line's first letters, 12 pixels in from the page's left edge.
    if (y > 259) EXPECT_FALSE(row) << y;
  }
  EXPECT_GT(inkedRows, 200);
  bool firstLetterAtTopLeft = false;
  for (int x = 8; x < 20; ++x) firstLetterAtTopLeft |= inked(r, x, 258);
  EXPECT_TRUE(firstLetterAtTopLeft);
}

std::string PageNumber(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "%04d.gif", number);
  return name;
}

// An EPUB and an FB2 holding a cover (repeated at the start, as EPUBs do), a small and a
// large picture, a damaged one and a bomb.
std::vector<std::pair<std::string, std::string>> IllustratedBooks() {
  const std::string cover = PngBytes(60, 80), small = PngBytes(40, 20), large = PngBytes(400, 300);
  std::string text;
  for (int i = 0; i < 30; ++i) text += "<p>Akapit tekstu, który stoi wokół ilustracji tej książki.</p>";
  const std::string epub = MakeZip(
      {{"mimetype", "application/epub+zip"},
       {"META-INF/container.xml", Container("OEBPS/content.opf")},
       {"OEBPS/content.opf", Package("<dc:title>Obrazki</dc:title>",
                                     {{"c", "cover.xhtml", "application/xhtml+xml"},
                                      {"t", "text.xhtml", "application/xhtml+xml"},
                                      {"cover", "cover.png", "image/png", "cover-image"},
                                      {"small", "small.png", "image/png"},
                                      {"large", "large.png", "image/png"},
                                      {"broken", "broken.png", "image/png"},
                                      {"bomb", "bomb.png", "image/png"}},
                                     {"c", "t"}, "3.0")},
       {"OEBPS/cover.xhtml", Xhtml(R"(<img src="cover.png" alt="Okładka"/>)")},
       {"OEBPS/text.xhtml", Xhtml(text + R"(<img src="small.png" alt="Mały"/>)" + text +
                                  R"(<img src="large.png" alt="Duży"/><img src="broken.png" alt="Zepsuty"/>)"
                                  R"(<img src="bomb.png" alt="Bomba"/>)" +
                                  text)},
       {"OEBPS/cover.png", cover},
       {"OEBPS/small.png", small},
       {"OEBPS/large.png", large},
       {"OEBPS/broken.png", BrokenPicture()},
       {"OEBPS/bomb.png", PictureBomb()}});
  const auto binary = [](const std::string& id, const std::string& bytes) {
    return R"(<binary id=")" + id + R"(" content-type="image/png">)" +
           QByteArray::fromStdString(bytes).toBase64().toStdString() + "</binary>";
  };
  const std::string fb2 =
      R"(<?xml version="1.0" encoding="UTF-8"?><FictionBook xmlns="http://www.gribuser.ru/xml/fictionbook/2.0")"
      R"( xmlns:l="http://www.w3.org/1999/xlink"><description><title-info><book-title>Obrazki</book-title>)"
      R"(<coverpage><image l:href="#cover.png"/></coverpage></title-info></description><body><section>)" +
      text + R"(<image l:href="#small.png"/>)" + text +
      R"(<image l:href="#large.png" title="Duży"/><image l:href="#broken.png"/><image l:href="#bomb.png"/>)" +
      text + "</section></body>" + binary("cover.png", cover) + binary("small.png", small) +
      binary("large.png", large) + binary("broken.png", BrokenPicture()) + binary("bomb.png", PictureBomb()) +
      "</FictionBook>";
  return {{"obrazki.epub", epub}, {"obrazki.fb2", fb2}};
}

TEST_F(StronixCliTest, PicturesStandOnTheirPagesInTheirOwnColoursAndBadOnesAreCounted) {
  for (const auto& [name, bytes] : IllustratedBooks()) {
    SCOPED_TRACE(name);
    const std::string book = Book(name, bytes);
    const TRun run = Cli({"pages", book, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray pages =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object()["pages"].toArray();
    // The cover is the first page, whole: a small screen does not enlarge it.
    EXPECT_EQ(pages[0]["pictures"].toArray().size(), 1);
    const TRun small = Cli({"pages", book, "--json", "--screen", "200x120"});
    const QJsonValue cover =
        QJsonDocument::fromJson(QByteArray::fromStdString(small.out))["pages"][0]["pictures"][0];
    EXPECT_EQ(cover["width"].toInt(), 60);
    EXPECT_EQ(cover["height"].toInt(), 80);
    int imagePage = -1, inline_ = -1, pictures = 0;
    std::vector<std::string> placeholders;
    for (int number = 1; number < pages.size(); ++number) {
      const QJsonArray shown = pages[number]["pictures"].toArray();
      pictures += static_cast<int>(shown.size());
      if (pages[number]["kind"].toString() == "image")
        imagePage = number;
      else if (!shown.isEmpty())
        inline_ = number;
      for (const auto& line : pages[number]["lines"].toArray())
        if (const QString text = line.toObject()["text"].toString(); text.startsWith("[Illustration"))
          placeholders.push_back(text.toStdString());
    }
    EXPECT_EQ(pictures, 2);  // the cover is not repeated
    ASSERT_GT(imagePage, 0);
    ASSERT_GT(inline_, 0);
    EXPECT_EQ(placeholders.size(), 2u);

    const TRun bare = Cli({"pages", book, "--json", "--no-pictures"});
    int bareHolders = 0;
    for (std::size_t at = 0; (at = bare.out.find("[Illustration", at)) != std::string::npos; ++at)
      ++bareHolders;
    EXPECT_EQ(bareHolders, 2 * 4);  // four lines, each in the line's text and its run's

    TempDir out;
    const TRun convert = Cli({"convert", book, "--layout", "book", "-o", out.Path().string()});
    ASSERT_EQ(convert.exitCode, 0) << convert.err;
    EXPECT_THAT(convert.out, testing::HasSubstr("2 pictures could not be read"));
    const DecodedGif picture = DecodeGifFile(out.File(PageNumber(imagePage)));
    ASSERT_EQ(picture.frames.size(), 1u);
    EXPECT_GT(picture.frames[0].localColors.size(), 16u);
    EXPECT_LE(picture.frames[0].localColors.size(), 256u);
    TempDir few;
    ASSERT_EQ(Cli({"convert", book, "--layout", "book", "--picture-colors", "8", "--picture-dither", "sierra",
                   "-o", few.Path().string()})
                  .exitCode,
              0);
    // Text pages keep their four-colour path whatever pictures get.
    EXPECT_EQ(ReadFileBytes(out.File("0001.gif")), ReadFileBytes(few.File("0001.gif")));
    EXPECT_LE(DecodeGifFile(few.File(PageNumber(imagePage))).frames[0].localColors.size(), 8u);
  }
}

// pandoc's EPUBs open with a cover page and a title page of their own: the book's first
// page shows both, no page after it repeats them, and the contents follow it.
TEST_F(StronixCliTest, APandocEpubHasOneTitlePageTheCoverPage) {
  if (std::system("pandoc --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "pandoc is not installed";
  Book("cover.png", PngBytes(300, 450));
  Book("book.md",
       "---\ntitle: Frost Fair\nauthor: Anna Nowak\nlang: en\n---\n\n"
       "# One\n\nThe river froze.\n\n# Two\n\nThe fair began.\n");
  for (const std::string format : {"epub2", "epub3"}) {
    SCOPED_TRACE(format);
    const std::string command = "cd '" + books_.File("") + "' && pandoc -s -t " + format +
                                " --epub-cover-image=cover.png -o book.epub book.md 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const TRun run = Cli({"pages", books_.File("book.epub"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray pages =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object()["pages"].toArray();
    ASSERT_EQ(pages.size(), 4);  // cover, contents, two chapters
    EXPECT_EQ(pages[0]["pictures"].toArray().size(), 1);
    EXPECT_EQ(pages[0]["lines"][0]["text"].toString(), "Frost Fair");
    EXPECT_EQ(pages[0]["footer"].toString(), "");
    EXPECT_EQ(pages[1]["kind"].toString(), "contents");
    EXPECT_EQ(pages[1]["lines"].toArray().size(), 3);  // the heading and the two chapters
    for (int number = 1; number < pages.size(); ++number)
      EXPECT_THAT(QJsonDocument(pages[number].toObject()).toJson().toStdString(),
                  testing::Not(HasSubstr("Frost Fair")))
          << number;
  }
}

// Every line of the book's text pages, each with its page number as "page".
std::vector<QJsonObject> TextLines(const std::string& json) {
  std::vector<QJsonObject> lines;
  for (const auto& value :
       QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["pages"].toArray()) {
    const QJsonObject page = value.toObject();
    if (page["kind"].toString() != "text") continue;
    for (const auto& text : page["lines"].toArray()) {
      QJsonObject line = text.toObject();
      line["page"] = page["number"];
      lines.push_back(line);
    }
  }
  return lines;
}

// Lines break where the book breaks them, unjustified: a letter's address lines, each verse
// of a poem (one too long for the measure going on under a hanging indent, stanzas apart),
// an epigraph within margins and its author's line and a signature at the right.
TEST_F(StronixCliTest, PagesKeepTheBooksLineBreaksVerseEpigraphsAndSignatures) {
  const std::string longVerse =
      "of a long winter evening while snow fell slowly over quiet houses and lamps burned behind windows";
  const auto at = [](const std::vector<QJsonObject>& lines, const std::string& start) {
    const auto found = std::ranges::find_if(
        lines, [&](const QJsonObject& line) { return line["text"].toString().startsWith(start.c_str()); });
    EXPECT_NE(found, lines.end()) << start;
    return found == lines.end() ? QJsonObject() : *found;
  };
  const auto right = [](const QJsonObject& line) { return line["x"].toInt() + line["width"].toInt(); };
  const auto checkVerse = [&](const std::vector<QJsonObject>& lines) {
    const QJsonObject first = at(lines, "The reader turned another page"), wrapped = at(lines, "of a long");
    EXPECT_EQ(first["text"].toString(), "The reader turned another page");
    EXPECT_FALSE(wrapped["justified"].toBool());
    const auto next = std::ranges::find(lines, wrapped) + 1;
    ASSERT_NE(next, lines.end());
    EXPECT_GE((*next)["x"].toInt(), wrapped["x"].toInt() + 20) << "the continuation hangs";
    const QJsonObject stanza = at(lines, "Short line");
    if (stanza["page"] == (*next)["page"]) {
      EXPECT_GT(stanza["y"].toInt(), (*next)["y"].toInt() + (*next)["height"].toInt());
    }
  };
  const std::string fb2 = Book(
      "verse.fb2",
      "<?xml version=\"1.0\" encoding=\"utf-8\"?><FictionBook "
      "xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\"><description><title-info><book-title>Verse</"
      "book-title><lang>en</lang></title-info></description><body><section><title><p>Songs</p></title>"
      "<epigraph><p>Who reads this shall read it slowly, as snow falls on quiet houses and lamps burn behind "
      "windows.</p><text-author>Anna Nowak</text-author></epigraph>"
      "<poem><stanza><v>The reader turned another page</v><v>" +
          longVerse +
          "</v></stanza><stanza><v>Short line</v><v>Another short line</v></stanza></poem>"
          "<cite><p>Your letter came.</p><text-author>Yours, A. N.</text-author></cite></section></body>"
          "</FictionBook>");
  const std::vector<QJsonObject> lines = TextLines(Cli({"pages", fb2, "--json"}).out);
  checkVerse(lines);
  const QJsonObject epigraph = at(lines, "Who reads"), author = at(lines, "Anna Nowak");
  EXPECT_GT(epigraph["x"].toInt(), 40);
  EXPECT_LT(right(epigraph), 440);
  EXPECT_NEAR(right(author), right(epigraph), 2);
  EXPECT_GT(at(lines, "Yours, A. N.")["x"].toInt(), 240);

  if (std::system("pandoc --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "pandoc is not installed";
  Book("letter.md",
       "# A letter\n\n12 Long Road\\\nTownsville\\\nNorthshire\n\n| The reader turned another page\n| " +
           longVerse + "\n|\n| Short line\n");
  for (const auto& [format, file] :
       {std::pair{"epub3", "letter.epub"}, {"fb2", "letter.fb2"}, {"html", "letter.html"}}) {
    SCOPED_TRACE(format);
    const std::string command = "cd '" + books_.File("") + "' && pandoc -s --metadata title=Letter -t " +
                                format + " -o " + file + " letter.md 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<QJsonObject> read = TextLines(Cli({"pages", books_.File(file), "--json"}).out);
    // FB2 has no line breaks in a paragraph: pandoc joins the address lines there.
    if (std::string(format) != "fb2") {
      for (const std::string line : {"12 Long Road", "Townsville", "Northshire"}) {
        EXPECT_EQ(at(read, line)["text"].toString().toStdString(), line);
        EXPECT_FALSE(at(read, line)["justified"].toBool());
      }
    }
    // EPUB's line block is a paragraph of lines: its long line runs on as prose.
    if (std::string(format) != "epub3") checkVerse(read);
  }
}

// On a 960 × 544 screen a book's type is twice the default size: lines as long as a reader
// takes in at a glance, not twice as long as on the smaller screen.
TEST_F(StronixCliTest, APandocBookOnTheLargeScreenHasLinesOfReadableLength) {
  if (std::system("pandoc --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "pandoc is not installed";
  std::string markdown = "---\ntitle: Lighthouse\nlang: en\n---\n\n# One\n\n";
  for (int i = 0; i < 40; ++i)
    markdown +=
        "The keeper of the lighthouse counted the ships that passed through the narrow strait, "
        "wrote their names in a book and watched the weather turn over the grey water.\n\n";
  Book("book.md", markdown);
  const std::string command = "cd '" + books_.File("") + "' && pandoc -o book.epub book.md 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto medianLength = [&](std::vector<std::string> options) {
    options.insert(options.begin(), {"pages", books_.File("book.epub"), "--json", "--screen", "960x544"});
    const TRun run = Cli(options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<qsizetype> lengths;
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    for (const auto& page : json["pages"].toArray())
      for (const auto& line : page.toObject()["lines"].toArray())
        if (line.toObject()["justified"].toBool())
          lengths.push_back(line.toObject()["text"].toString().size());
    std::ranges::nth_element(lengths, lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2));
    return lengths.empty() ? 0 : lengths[lengths.size() / 2];
  };
  const qsizetype scaled = medianLength({});
  EXPECT_GE(scaled, 55);
  EXPECT_LE(scaled, 80);
  EXPECT_GT(medianLength({"--size", "12"}), 100) << "a given size stays";
}

// An icon in a sentence stands in its line; a figure's caption shows once; alt text shows
// only for a picture left out, and never when it names a file.
TEST_F(StronixCliTest, IconsStandInTheirLinesAndAltTextOnlyStandsForAMissingPicture) {
  if (std::system("pandoc --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "pandoc is not installed";
  Book("icon.png", PngBytes(24, 24));
  Book("big.png", PngBytes(400, 300));
  Book(
      "book.md",
      "---\ntitle: Icons\nlang: en\n---\n\n# One\n\nPress the ![Save](icon.png) button to keep your work.\n\n"
      "![A large figure](big.png)\n\nAn icon named by its path ![../_images/save.png](icon.png) here.\n");
  const std::string command = "cd '" + books_.File("") + "' && pandoc -s -o book.epub book.md 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const TRun run = Cli({"pages", books_.File("book.epub"), "--json", "--no-contents"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.out, testing::Not(HasSubstr("_images")));
  EXPECT_THAT(run.out, testing::Not(HasSubstr("Save")));
  const QJsonArray pages = QJsonDocument::fromJson(QByteArray::fromStdString(run.out))["pages"].toArray();
  int captions = 0, icons = 0;
  for (const auto& page : pages) {
    const QJsonArray lines = page.toObject()["lines"].toArray();
    for (const auto& line : lines) captions += line.toObject()["text"].toString() == "A large figure" ? 1 : 0;
    for (const auto& shown : page.toObject()["pictures"].toArray()) {
      const QJsonObject picture = shown.toObject();
      if (picture["height"].toInt() > 30) continue;
      ++icons;
      // Within one line's box, the words around it on the same line.
      const auto inside = [&](const QJsonValue& value) {
        const QJsonObject line = value.toObject();
        return line["y"].toInt() <= picture["y"].toInt() &&
               picture["y"].toInt() + picture["height"].toInt() <=
                   line["y"].toInt() + line["height"].toInt() &&
               line["x"].toInt() <= picture["x"].toInt() &&
               picture["x"].toInt() + picture["width"].toInt() <= line["x"].toInt() + line["width"].toInt();
      };
      const auto holder = std::find_if(lines.begin(), lines.end(), inside);
      ASSERT_NE(holder, lines.end());
      EXPECT_THAT(
          (*holder).toObject()["text"].toString().toStdString(),
          testing::AnyOf(HasSubstr("Press the  button to keep your work."), HasSubstr("path  here.")));
    }
  }
  EXPECT_EQ(captions, 1);
  EXPECT_EQ(icons, 2);
  const TRun bare = Cli({"pages", books_.File("book.epub"), "--no-pictures", "--no-contents"});
  EXPECT_THAT(bare.out, HasSubstr("Press the [Illustration: Save] button"));
  EXPECT_THAT(bare.out, testing::Not(HasSubstr("_images")));
}

// A web page's banner, navigation bars, logo links and foot are no part of the book.
TEST_F(StronixCliTest, AWebPagesChromeIsLeftOut) {
  Book("logo.png", PngBytes(120, 40));
  const std::string page = Book(
      "manual.html",
      R"(<html><head><title>Manual</title></head><body>)"
      R"(<div role="banner"><a href="https://example.org/ebook">Download the ebook</a></div>)"
      R"(<header><a href="https://example.org"><img src="logo.png" alt="Example Site"/></a> Example Site</header>)"
      R"(<div class="navheader"><table><tr><td><a href="prev.html">Prev</a></td><td>Chapter 2</td></tr></table></div>)"
      R"(<p><a href="https://gnu.org"><img src="logo.png" alt="GNU"/></a> <a href="https://fsf.org"><img src="logo.png" alt="FSF"/></a></p>)"
      R"(<h1>Installing</h1><p>Unpack the archive and run the installer.</p>)"
      R"(<footer role="contentinfo"><p>Copyright Example Ltd</p></footer></body></html>)");
  for (const bool pictures : {true, false}) {
    const TRun run = Cli({"pages", page, "--no-contents", pictures ? "--json" : "--no-pictures"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Unpack the archive"));
    for (const char* chrome : {"Download", "Example", "Prev", "Chapter 2", "GNU", "FSF", "Copyright"})
      EXPECT_THAT(run.out, testing::Not(HasSubstr(chrome))) << chrome;
    EXPECT_THAT(run.out, testing::Not(HasSubstr("pictures")));
  }
}

TEST_F(StronixCliTest, FailuresExitNonZeroWithAMessageAndWriteNothing) {
  const std::string missing = books_.File("brak.txt");
  const std::string book = Book("a.txt", "tekst\n");
  const std::string file = Book("plik", "x");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"convert", missing}, "stronix-cli: Cannot open file " + missing + ": No such file or directory\n"},
      {{"convert", book, "-o", file},
       "stronix-cli: Cannot create file " + file + "/0000.gif: Not a directory\n"},
      {{"convert", Book("program", std::string("\x7F"
                                               "ELF\0",
                                               5))},
       "stronix-cli: " + books_.File("program") + " is not a text file: it holds NUL bytes\n"},
      {{"convert", book, "--size", "164"},
       "stronix-cli: The font is too large: not one line fits on a page. Choose a smaller font.\n"},
  };
  for (const auto& [args, message] : cases) {
    const TRun run = Cli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, message);
  }
  EXPECT_THAT(books_.Names(), ElementsAre("a.txt", "plik", "program"));
}

TEST_F(StronixCliTest, SpeaksPolishToPolishReadersAndEnglishToOthersWithTheSamePages) {
  const std::string book = Book("k.txt", "Linia 1\nLinia 2\n");
  TempDir polish, english;
  const TRun pl = Cli({"convert", book, "-o", polish.Path().string()}, "pl_PL.UTF-8");
  EXPECT_EQ(pl.out,
            "gotowe...\nZapisano 2 pliki w " + polish.Path().string() +
                "/: stron\xC4\x99 tytu\xC5\x82ow\xC4\x85 0000.gif i strony od 0001.gif do 0001.gif\n");
  for (const std::string locale : {"C", "de_DE.UTF-8"})
    EXPECT_THAT(Cli({"convert", book, "-o", english.Path().string()}, locale).out,
                StartsWith("done...\nWrote 2 files"));
  for (const char* page : {"0000.gif", "0001.gif"})
    EXPECT_EQ(Slurp(polish.File(page)), Slurp(english.File(page)));

  const std::string file = Book("plik", "x");
  EXPECT_EQ(
      Cli({"convert", book, "-o", file}, "pl_PL.UTF-8").err,
      "stronix-cli: Nie mo\xC5\xBCna utworzy\xC4\x87 pliku " + file + "/0000.gif: Nie jest katalogiem\n");
  EXPECT_EQ(Cli({"convert", book, "--colors", "7"}, "pl_PL.UTF-8").err,
            "stronix-cli: --colors przyjmuje liczb\xC4\x99 ca\xC5\x82kowit\xC4\x85 od 1 do 4, nie \"7\"\n"
            "Wi\xC4\x99"
            "cej: 'stronix-cli --help'.\n");
  EXPECT_THAT(Cli({"--help"}, "pl_PL.UTF-8").out, StartsWith("U\xC5\xBCycie:\n"));
  EXPECT_EQ(Cli({"convert", book, "--size", "164"}, "pl_PL.UTF-8").err,
            "stronix-cli: Czcionka jest za du\xC5\xBC"
            "a: na stronie nie mie\xC5\x9B"
            "ci si\xC4\x99 ani jedna linia. Wybierz mniejsz\xC4\x85 czcionk\xC4\x99.\n");
}

// The counted warnings come from the catalogues: "1 byte ... was" is in no source.
TEST_F(StronixCliTest, TextAfterALateNulByteIsLeftOutWithAWarningInTheReadersLanguage) {
  const std::string book = Book("nul.txt", std::string(10000, 'x') + '\0');  // past the binary probe
  const TRun english = Cli({"lines", book});
  EXPECT_EQ(english.exitCode, 0);
  EXPECT_EQ(english.err,
            "stronix-cli: " + book + ": the text ends at a NUL byte; 1 byte after it was left out\n");
  EXPECT_EQ(Cli({"lines", book}, "pl_PL.UTF-8").err,
            "stronix-cli: " + book +
                ": tekst ko\xC5\x84"
                "czy si\xC4\x99 na bajcie NUL; pomini\xC4\x99to 1 bajt po nim\n");
}

TEST_F(StronixCliTest, StandardInputIsABookAndAFifoIsRefused) {
  // A pipe's first bytes used to go to telling the format, lost to the text.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "word" + std::to_string(i) + (i % 9 == 8 ? "\n" : " ");
  const TRun piped = CliReading({"lines", "-", "--keep-blank-lines"}, Book("a.txt", "\xEF\xBB\xBF" + text));
  EXPECT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_EQ(piped.out, Cli({"lines", Book("b.txt", text), "--keep-blank-lines"}).out);
  const TRun html =
      CliReading({"convert", "-", "-o", io_.File("pages")}, Book("c.html", "<title>T</title><p>x</p>"));
  EXPECT_EQ(html.exitCode, 0) << html.err;
  EXPECT_THAT(io_.Names(), testing::Contains("pages"));

  const std::string fifo = books_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const TRun refused = Cli({"lines", fifo});  // no writer: it would wait for ever
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "stronix-cli: " + fifo +
                             " is a FIFO, not a regular file; to pipe a book in, give - as its path\n");
}

TEST_F(StronixCliTest, BadCommandLinesExitWithTheUsage) {
  const TRun run = Cli({"convert", Book("a.txt", "x"), "--colors", "7"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err,
            "stronix-cli: --colors takes a whole number from 1 to 4, not \"7\"\nTry 'stronix-cli --help'.\n");
  const TRun tooSmall = Cli({"convert", Book("b.txt", "x"), "--size", "1"});
  EXPECT_EQ(tooSmall.exitCode, 2);
  EXPECT_EQ(tooSmall.err,
            "stronix-cli: --size takes a size in points from 1.125 up to 3750, not \"1\"\n"
            "Try 'stronix-cli --help'.\n");
  EXPECT_EQ(Cli({}).exitCode, 2);
  EXPECT_THAT(Cli({"--help"}).out, StartsWith("Usage:"));
  for (const std::string command : {"convert", "lines", "encode"}) {
    const TRun help = Cli({command, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, StartsWith("Usage:\n  stronix-cli " + command));
  }
  EXPECT_EQ(Cli({"--version"}).out, "stronix-cli " STRONIX_VERSION "\n");
}

TEST_F(StronixCliTest, SeveralBooksEachIntoItsOwnFolderAndOneBadBookFailsAlone) {
  TempDir out;
  const TRun run = Cli({"convert", "-o", out.File("nowy/dir"), "--", Book("-a.txt", "a\n"),
                        books_.File("brak.txt"), Book("b:c.txt", "b\n")});
  EXPECT_EQ(run.exitCode, 1);
  // Among several books, the error names its book.
  EXPECT_EQ(run.err, "stronix-cli: " + books_.File("brak.txt") + ": Cannot open file " +
                         books_.File("brak.txt") + ": No such file or directory\n" +
                         "stronix-cli: not converted: " + books_.File("brak.txt") +
                         "; the other 2 books are complete\n");
  EXPECT_THAT(run.out, HasSubstr("-a.txt: done...\nWrote 2 files to " + out.File("nowy/dir/-a/")));
  EXPECT_THAT(run.out, HasSubstr("b:c.txt: done...\nWrote 2 files to " + out.File("nowy/dir/b_c/")));
}

TEST_F(StronixCliTest, SeveralBooksNamedRelativelyGoBesideThemselves) {
  Book("a.txt", "a\n");
  Book("b.txt", "b\n");
  const std::string command = "cd " + Quoted(books_.Path().string()) + " && " + Quoted(STRONIX_CLI_PATH) +
                              " convert a.txt b.txt >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_THAT(books_.Names(), ElementsAre("a", "a.txt", "b", "b.txt"));
}

TEST_F(StronixCliTest, SigtermStopsTheRunAndLeavesTheOldBook) {
  // Long enough that no run of it ends within the half second before the signal.
  std::string text;
  for (int i = 0; i < 400000; ++i) text += "Wiersz " + std::to_string(i) + "\n";
  const std::string book = Book("dluga.txt", text);
  TempDir out;
  std::ofstream(out.File("0000.gif")) << "stara";
  const std::string command = Quoted(STRONIX_CLI_PATH) + " convert " + Quoted(book) + " -o " +
                              Quoted(out.Path().string()) +
                              " >/dev/null 2>&1 & pid=$!; sleep 0.5; kill -TERM $pid; wait $pid";
  const int status = std::system(("sh -c " + Quoted(command)).c_str());
  EXPECT_EQ(WEXITSTATUS(status), 143);
  EXPECT_THAT(out.Names(), ElementsAre("0000.gif"));
  EXPECT_EQ(Slurp(out.File("0000.gif")), "stara");
}

TEST_F(StronixCliTest, AKillAtAnyMomentOfTheCommitEndsAsTheNewBookAfterTheNextRun) {
  std::string oldText, newText, otherText;
  for (int i = 0; i < 60; ++i) oldText += "Stara " + std::to_string(i) + "\n";
  for (int i = 0; i < 30; ++i) newText += "Nowa " + std::to_string(i) + "\n";
  const std::string newBook = Book("nowa.txt", newText), otherBook = Book("inna.txt", "Inna\n");
  const auto into = [](const std::string& book, const TempDir& dir) {
    return std::vector<std::string>{"convert", book, "-o", dir.Path().string()};
  };
  TempDir expected, other;
  ASSERT_EQ(Cli(into(newBook, expected)).exitCode, 0);
  ASSERT_EQ(Cli(into(otherBook, other)).exitCode, 0);
  const auto newPages = Contents(expected), otherPages = Contents(other);

  int renames = 0;
  for (;; ++renames) {
    SCOPED_TRACE(testing::Message() << "killed after " << renames << " renames");
    TempDir out;
    ASSERT_EQ(Cli(into(Book("stara.txt", oldText), out)).exitCode, 0);
    if (!KillInCommit(into(newBook, out), renames)) break;
    // The next run finishes the new book first, whichever book it brings.
    const bool sameBook = renames % 2 == 0;
    const TRun next = Cli(into(sameBook ? newBook : otherBook, out));
    EXPECT_EQ(next.exitCode, 0) << next.err;
    EXPECT_THAT(next.out, StartsWith("Finished an interrupted conversion of nowa.txt\ndone...\n"));
    if (sameBook) {
      EXPECT_TRUE(Contents(out) == newPages);
    } else {
      EXPECT_TRUE(Contents(out) == otherPages);  // the new book's pages 0001 on went as old pages
    }
  }
  // Before the first page, after each; the book record is no page.
  EXPECT_EQ(renames, static_cast<int>(newPages.size() - newPages.count(".stronix-book")) + 1);
}

TEST_F(StronixCliTest, AKillBetweenPartFoldersEndsAsTheNewBookAfterTheNextRun) {
  std::string oldText, newText;
  for (int i = 0; i < 35 * 13; ++i) oldText += "Stara " + std::to_string(i) + "\n";  // parts 01 to 04
  for (int i = 0; i < 15 * 13; ++i) newText += "Nowa " + std::to_string(i) + "\n";   // parts 01 and 02
  TempDir expected, out;
  const auto into = [&](const TempDir& dir) {
    return std::vector<std::string>{"convert", books_.File("ksiega.txt"), "--pages-per-folder", "10",
                                    "-o",      dir.Path().string()};
  };
  Book("ksiega.txt", newText);
  ASSERT_EQ(Cli(into(expected)).exitCode, 0);
  Book("ksiega.txt", oldText);
  ASSERT_EQ(Cli(into(out)).exitCode, 0);
  Book("ksiega.txt", newText);
  ASSERT_TRUE(KillInCommit(into(out), 13));  // part 01 moved, part 02 begun
  EXPECT_THAT(Cli(into(out)).out, StartsWith("Finished an interrupted conversion of ksiega.txt\n"));
  EXPECT_TRUE(Contents(out) == Contents(expected));
}

TEST_F(StronixCliTest, AFullDiskNamesTheFileAndTheFailedBookAndKeepsNoFolderItMade) {
  TempDir out;
  const TSmallDisk disk(out.Path().string(), "1m");
  if (!disk.Mounted()) GTEST_SKIP() << "needs root to mount a small tmpfs";
  const TRun run = Cli(
      {"convert", "-j", "1", "-o", out.Path().string(), Book("a.txt", "a\n"), Book("b.txt", FillingText())});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err,
              testing::MatchesRegex("stronix-cli: .*/b.txt: Cannot write " + out.File("b/0[0-9]+\\.gif") +
                                    ": No space left on device\n"
                                    "stronix-cli: not converted: .*/b.txt; the other book is complete\n"));
  EXPECT_THAT(out.Names(), ElementsAre("a"));
}

TEST_F(StronixCliTest, ATooSmallFatCardRefusesTheBookAndKeepsNoEmptyBookFolder) {
  TempDir mount, image;
  TFatImage card(image.File("card.img"), mount.Path().string(), 1024, 64);  // clusters of 32 KiB
  if (!card.Mounted()) GTEST_SKIP() << "needs root, fusefat and mtools";
  std::filesystem::create_directories(mount.File("PSP/PHOTO"));
  ASSERT_EQ(Cli({"convert", Book("mala.txt", "mala\n"), "-o", mount.File("PSP/PHOTO/Mala")}).exitCode, 0);
  // 32 files: 192 KB at the least a page takes, but 1 MB in whole clusters.
  const TRun run = Cli({"convert", Book("gesta.txt", DenseText(400)), "-o", mount.File("PSP/PHOTO/Gesta")});
  card.Unmount();
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, StartsWith("stronix-cli: Not enough space in " + mount.File("PSP/PHOTO/Gesta") +
                                  "/: the book needs about 1.0 MB, "));
  EXPECT_EQ(card.List("/PSP/PHOTO"), "::/PSP/PHOTO/Mala/\n");
  EXPECT_EQ(card.List("/PSP/PHOTO/Mala"),
            "::/PSP/PHOTO/Mala/.stronix-book\n::/PSP/PHOTO/Mala/0000.gif\n::/PSP/PHOTO/Mala/0001.gif\n");
}

TEST_F(StronixCliTest, EncodeWritesAPictureAsAGif) {
  // A 2 x 1 binary PPM: red, white.
  const std::string picture = Book("bild.ppm", std::string("P6\n2 1\n255\n\xFF\x00\x00\xFF\xFF\xFF", 17));
  const std::string gif = books_.File("bild.gif");
  const TRun run = Cli({"encode", picture, gif, "--compression", "rle"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const DecodedFrame frame = DecodeGifFile(gif).frames.at(0);
  EXPECT_THAT(frame.pixels, ElementsAre(180, 215));

  const TRun bad = Cli({"encode", picture, gif, "--dither", "ordered"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_THAT(bad.err, StartsWith("stronix-cli: --dither takes one of nearest|"));
  EXPECT_EQ(Cli({"encode", books_.File("none.png"), books_.File("x.gif")}).exitCode, 1);
  EXPECT_THAT(books_.Names(), ElementsAre("bild.gif", "bild.ppm"));
}

}  // namespace
