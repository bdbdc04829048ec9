// Runs the built stronix-cli as a user would: exit codes, output and the files written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/gif_decode.h"
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

class StronixCliTest : public testing::Test {
protected:
  // `input`: a file that standard input reads; none, /dev/null.
  TRun Cli(const std::vector<std::string>& args, const std::string& input = "/dev/null") {
    std::string command = Quoted(STRONIX_CLI_PATH);
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
  EXPECT_EQ(run.out, "gotowe...\nWrote 3 files to " + books_.Path().string() +
                         "/: the title page 0000.gif and pages 0001.gif to 0002.gif\n");
  EXPECT_EQ(run.err, "");  // not a terminal: no progress bar
  EXPECT_THAT(books_.Names(), ElementsAre("0000.gif", "0001.gif", "0002.gif", "ksiazka.txt"));
  EXPECT_EQ(Cli({"convert", Book("pusta.txt", "")}).out,
            "gotowe...\nThe book holds no line: nothing was written to " + books_.Path().string() + "/\n");
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
  const int full = std::system((Quoted(STRONIX_CLI_PATH) + " lines " + Quoted(book) + " >/dev/full 2>/dev/null").c_str());
  EXPECT_EQ(WEXITSTATUS(full), 1);
}

TEST_F(StronixCliTest, FailuresExitNonZeroWithAMessageAndWriteNothing) {
  const std::string missing = books_.File("brak.txt");
  const std::string book = Book("a.txt", "tekst\n");
  const std::string file = Book("plik", "x");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"convert", missing}, "stronix-cli: Cannot open file " + missing + ": No such file or directory\n"},
      {{"convert", book, "-o", file}, "stronix-cli: Cannot create file " + file + "/0000.gif: Not a directory\n"},
      {{"convert", Book("program", std::string("\x7F" "ELF\0", 5))},
       "stronix-cli: " + books_.File("program") + " is not a text file: it holds NUL bytes\n"},
      {{"convert", book, "--size", "1"}, "stronix-cli: Floating point division by zero\n"},
      {{"convert", book, "--size", "164"},
       "stronix-cli: Czcionka jest za du\xC5\xBC"
       "a: na stronie nie mie\xC5\x9B"
       "ci si\xC4\x99 ani jedna linia. "
       "Wybierz mniejsz\xC4\x85 czcionk\xC4\x99.\n"},
  };
  for (const auto& [args, message] : cases) {
    const TRun run = Cli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, message);
  }
  EXPECT_THAT(books_.Names(), ElementsAre("a.txt", "plik", "program"));
}

TEST_F(StronixCliTest, StandardInputIsABookAndAFifoIsRefused) {
  // A pipe's first bytes used to go to telling the format, lost to the text.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "word" + std::to_string(i) + (i % 9 == 8 ? "\n" : " ");
  const TRun piped = Cli({"lines", "-", "--keep-blank-lines"}, Book("a.txt", "\xEF\xBB\xBF" + text));
  EXPECT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_EQ(piped.out, Cli({"lines", Book("b.txt", text), "--keep-blank-lines"}).out);
  const TRun html =
      Cli({"convert", "-", "-o", io_.File("pages")}, Book("c.html", "<title>T</title><p>x</p>"));
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
  EXPECT_EQ(run.err, "stronix-cli: --colors takes a whole number from 1 to 4, not \"7\"\nTry 'stronix-cli --help'.\n");
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
  const TRun run = Cli({"convert", "-o", out.File("nowy/dir"), "--", Book("-a.txt", "a\n"), books_.File("brak.txt"),
                        Book("b:c.txt", "b\n")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "stronix-cli: Cannot open file " + books_.File("brak.txt") + ": No such file or directory\n");
  EXPECT_THAT(run.out, HasSubstr("-a.txt: gotowe...\nWrote 2 files to " + out.File("nowy/dir/-a/")));
  EXPECT_THAT(run.out, HasSubstr("b:c.txt: gotowe...\nWrote 2 files to " + out.File("nowy/dir/b_c/")));
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
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "Wiersz " + std::to_string(i) + "\n";
  const std::string book = Book("dluga.txt", text);
  TempDir out;
  std::ofstream(out.File("0000.gif")) << "stara";
  const std::string command = Quoted(STRONIX_CLI_PATH) + " convert " + Quoted(book) + " -o " +
                              Quoted(out.Path().string()) + " >/dev/null 2>&1 & pid=$!; sleep 0.5; kill -TERM $pid; wait $pid";
  const int status = std::system(("sh -c " + Quoted(command)).c_str());
  EXPECT_EQ(WEXITSTATUS(status), 143);
  EXPECT_THAT(out.Names(), ElementsAre("0000.gif"));
  EXPECT_EQ(Slurp(out.File("0000.gif")), "stara");
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
