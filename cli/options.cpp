// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

#include "app/delivery/part_folders.h"
#include "app/l10n/translation.h"
#include "app/layout/page_layout.h"
#include "cli/encode_command.h"

namespace {

// The largest font the command line takes; far past the size at which no line fits.
constexpr int kMaxPixelHeight = 5000;
constexpr double kMaxPoints = kMaxPixelHeight * 72.0 / 96;
// The smallest size in points the layout can use: its pixel height rounds up to the smallest one.
constexpr double kSmallestPoints = (kSmallestPixelHeight - 0.5) * 72 / kScreenPpi;
constexpr int kMaxPagesPerFolder = 1000000;
constexpr int kMaxJobs = 256;
constexpr int kMaxMargin = 160;  // a third of the page's width

[[noreturn]] void Refuse(std::string_view pattern, std::initializer_list<std::string_view> args = {}) {
  throw EUsageError(FormatMessage(pattern, args));
}

int ParseInt(std::string_view option, const std::string& value, int low, int high) {
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size() || number < low || number > high)
    Refuse("%s takes a whole number from %s to %s, not \"%s\"",
           {option, std::to_string(low), std::to_string(high), value});
  return number;
}

double ParsePoints(const std::string& value) {
  std::size_t used = 0;
  double points = 0;
  try {
    points = std::stod(value, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != value.size() || !(points >= kSmallestPoints) || points > kMaxPoints) {
    char smallest[32];
    const auto end = std::to_chars(smallest, smallest + sizeof smallest, kSmallestPoints).ptr;
    Refuse("--size takes a size in points from %s up to %s, not \"%s\"",
           {std::string_view(smallest, static_cast<std::size_t>(end - smallest)),
            std::to_string(static_cast<int>(kMaxPoints)), value});
  }
  return points;
}

TColor ParseColor(std::string_view option, const std::string& value) {
  const std::string_view hex = std::string_view(value).substr(value.starts_with('#') ? 1 : 0);
  unsigned rgb = 0;
  const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
  if (hex.size() != 6 || error != std::errc() || end != hex.data() + hex.size())
    Refuse("%s takes a colour as RRGGBB in hexadecimal, not \"%s\"", {option, value});
  return MakeColor(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                   static_cast<std::uint8_t>(rgb));
}

std::optional<TFontScript> ParseScript(const std::string& value) {
  if (value == "auto") return std::nullopt;
  if (const auto script = ScriptFromName(value)) return script;
  std::string names;
  for (const TFontScript script : kAllScripts) names += std::string(ScriptName(script)) + ", ";
  Refuse("--script takes auto or one of %s, not \"%s\"", {names.substr(0, names.size() - 2), value});
}

// Which commands take an option: `lines` takes what changes the wrapping and the squeeze.
enum TTakenBy { kConvertOnly = 1, kLinesOnly = 2, kBoth = 3 };

struct TOptionSpec {
  std::string_view name;
  std::string_view shortName;
  bool takesValue;
  int takenBy;
  std::function<void(TCliOptions&, const std::string&)> apply;
};

const std::vector<TOptionSpec>& OptionSpecs() {
  static const std::vector<TOptionSpec> specs = {
      {"--output", "-o", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) { o.outputFolder = v; }},
      {"--font", "", true, kBoth, [](TCliOptions& o, const std::string& v) { o.fontFace = v; }},
      {"--size", "", true, kBoth,
       [](TCliOptions& o, const std::string& v) { o.fontHeight = FontHeightOfPoints(ParsePoints(v)); }},
      {"--pixel-height", "", true, kBoth,
       [](TCliOptions& o, const std::string& v) {
         o.fontHeight = -ParseInt("--pixel-height", v, kSmallestPixelHeight, kMaxPixelHeight);
       }},
      {"--bold", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.bold = true; }},
      {"--italic", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.italic = true; }},
      {"--underline", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.underline = true; }},
      {"--strikeout", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.strikeOut = true; }},
      {"--script", "", true, kBoth, [](TCliOptions& o, const std::string& v) { o.script = ParseScript(v); }},
      {"--text-color", "", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) { o.textColor = ParseColor("--text-color", v); }},
      {"--background", "", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) { o.background = ParseColor("--background", v); }},
      {"--colors", "", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) { o.colorSet = ParseInt("--colors", v, 1, 4); }},
      {"--keep-blank-lines", "", false, kBoth,
       [](TCliOptions& o, const std::string&) { o.keepBlankLines = true; }},
      {"--chapter-pages", "", false, kBoth,
       [](TCliOptions& o, const std::string&) { o.chapterPages = true; }},
      {"--all-items", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.allItems = true; }},
      {"--no-page-times", "", false, kConvertOnly,
       [](TCliOptions& o, const std::string&) { o.pageTimes = false; }},
      {"--compact", "", false, kConvertOnly, [](TCliOptions& o, const std::string&) { o.compact = true; }},
      {"--pages-per-folder", "", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) {
         o.pagesPerFolder = ParseInt("--pages-per-folder", v, kMinPagesPerFolder, kMaxPagesPerFolder);
       }},
      {"--to-card", "", false, kConvertOnly, [](TCliOptions& o, const std::string&) { o.toCard = true; }},
      {"--jobs", "-j", true, kConvertOnly,
       [](TCliOptions& o, const std::string& v) { o.jobs = ParseInt("--jobs", v, 1, kMaxJobs); }},
      {"--raw", "", false, kLinesOnly, [](TCliOptions& o, const std::string&) { o.raw = true; }},
      {"--layout", "", true, kBoth,
       [](TCliOptions& o, const std::string& v) {
         if (v != "book" && v != "classic") Refuse("--layout takes book or classic, not \"%s\"", {v});
         o.layout = v == "book" ? TLayoutKind::Book : TLayoutKind::Classic;
       }},
      {"--margin", "", true, kBoth,
       [](TCliOptions& o, const std::string& v) { o.typeset.margin = ParseInt("--margin", v, 0, kMaxMargin); }},
      {"--no-justify", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.typeset.justify = false; }},
      {"--no-hyphenate", "", false, kBoth,
       [](TCliOptions& o, const std::string&) { o.typeset.hyphenate = false; }},
      {"--no-footer", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.typeset.footer = false; }},
      {"--no-contents", "", false, kBoth, [](TCliOptions& o, const std::string&) { o.typeset.contents = false; }},
      {"--lang", "", true, kBoth, [](TCliOptions& o, const std::string& v) { o.typeset.language = v; }},
      {"--json", "", false, kLinesOnly, [](TCliOptions& o, const std::string&) { o.json = true; }},
      {"--help", "-h", false, kBoth, [](TCliOptions& o, const std::string&) { o.help = true; }},
  };
  return specs;
}

const TOptionSpec* FindOption(std::string_view name) {
  for (const auto& option : OptionSpecs())
    if (option.name == name || (!option.shortName.empty() && option.shortName == name)) return &option;
  return nullptr;
}

TCommand ParseCommand(const std::string& word) {
  if (word == "convert") return TCommand::Convert;
  if (word == "lines") return TCommand::Lines;
  if (word == "pages") return TCommand::Pages;
  if (word == "help" || word == "--help" || word == "-h") return TCommand::Help;
  if (word == "--version") return TCommand::Version;
  Refuse("unknown command \"%s\"; the commands are convert, lines, pages and encode", {word});
}

}  // namespace

std::vector<std::string> OptionNames() {
  std::vector<std::string> names;
  for (const auto& option : OptionSpecs()) {
    names.emplace_back(option.name);
    if (!option.shortName.empty()) names.emplace_back(option.shortName);
  }
  return names;
}

int FontHeightOfPoints(double points) { return -static_cast<int>(std::lround(points * 96 / 72)); }

TCliOptions ParseCommandLine(const std::vector<std::string>& args) {
  TCliOptions options;
  if (args.empty()) Refuse("no command given");
  options.command = ParseCommand(args[0]);
  if (options.command == TCommand::Help || options.command == TCommand::Version) return options;

  const std::string_view commandName = args[0];
  // pages takes what lines takes.
  const int command = options.command == TCommand::Convert ? kConvertOnly : kLinesOnly;
  bool sizeGiven = false, pixelHeightGiven = false, optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (command == kLinesOnly && !options.books.empty())
        Refuse(options.command == TCommand::Lines ? "lines takes one book: \"%s\" is one too many"
                                                  : "pages takes one book: \"%s\" is one too many",
               {arg});
      options.books.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const TOptionSpec* option = FindOption(name);
    if (!option) Refuse("unknown option %s", {name});
    if ((option->takenBy & command) == 0) Refuse("%s does not apply to %s", {option->name, commandName});
    std::string value;
    if (equals != std::string::npos) {
      if (!option->takesValue) Refuse("%s takes no value", {name});
      value = arg.substr(equals + 1);
    } else if (option->takesValue) {
      if (++i == args.size()) Refuse("%s needs a value", {name});
      value = args[i];
    }
    sizeGiven |= option->name == "--size";
    pixelHeightGiven |= option->name == "--pixel-height";
    option->apply(options, value);
  }
  if (options.help) return options;
  if (sizeGiven && pixelHeightGiven) Refuse("give either --size or --pixel-height, not both");
  if (options.toCard && options.outputFolder) Refuse("give either -o or --to-card, not both");
  if (options.books.empty()) Refuse("%s needs a book", {commandName});
  // An unset shell variable must not aim a run at the root folder or the working one.
  if (options.outputFolder && options.outputFolder->empty()) Refuse("-o needs a folder, not an empty name");
  if (std::ranges::find(options.books, "") != options.books.end()) Refuse("a book's path is empty");
  const auto standardInput = std::ranges::count(options.books, "-");
  if (standardInput > 1) Refuse("- (standard input) can be read once only");
  if (standardInput > 0 && options.command == TCommand::Convert && !options.outputFolder && !options.toCard)
    Refuse("convert - needs -o DIR or --to-card: standard input has no folder");
  return options;
}

namespace {

constexpr std::string_view kConvertUsage =
    "  stronix-cli convert BOOK... [-o DIR | --to-card] [--font FAMILY] [--size PT | --pixel-height PX]\n"
    "              [--bold] [--italic] [--underline] [--strikeout] [--script NAME|auto]\n"
    "              [--text-color RRGGBB] [--background RRGGBB] [--colors 1|2|3|4]\n"
    "              [--keep-blank-lines] [--chapter-pages] [--all-items] [--no-page-times]\n"
    "              [--pages-per-folder K] [--jobs N] [--compact] [--layout book|classic]\n"
    "              [--margin PX] [--no-justify] [--no-hyphenate] [--no-footer] [--no-contents]\n"
    "              [--lang CODE]\n";
constexpr std::string_view kLinesUsage =
    "  stronix-cli lines BOOK [--font FAMILY] [--size PT | --pixel-height PX] [--bold]\n"
    "              [--italic] [--underline] [--strikeout] [--script NAME|auto] [--keep-blank-lines]\n"
    "              [--chapter-pages] [--all-items] [--raw] [--layout book|classic] [BOOK LAYOUT]\n";
constexpr std::string_view kPagesUsage =
    "  stronix-cli pages BOOK [--json] [--font FAMILY] [--size PT | --pixel-height PX] [--bold]\n"
    "              [--italic] [--script NAME|auto] [--chapter-pages] [--all-items] [BOOK LAYOUT]\n"
    "  BOOK LAYOUT: [--margin PX] [--no-justify] [--no-hyphenate] [--no-footer] [--no-contents]\n"
    "              [--lang CODE]\n";
constexpr const char* kLookText = QT_TRANSLATE_NOOP(
    "stronix-cli",
    "The default look is Times New Roman, 12 pt (16 pixels), black on white; --colors picks\n"
    "set 1 white on black, 2 black on white, 3 green on black, 4 bright green on black, and\n"
    "--text-color and --background then override it. --script auto reads a book that is\n"
    "valid UTF-8 (or UTF-16) as UTF-8, any other as Windows-1250 (central-european). Scripts:\n"
    "western, central-european, cyrillic, greek, turkish, hebrew, arabic, baltic, vietnamese,\n"
    "thai, utf-8. Runs of blank lines are squeezed to one unless --keep-blank-lines is given.\n"
    "Books are plain text, EPUB, FB2 (also zipped) or HTML; --chapter-pages starts each chapter\n"
    "on a new page (and a form feed line of a text book). An EPUB's items outside its reading\n"
    "order (linear=\"no\": translations, notes) are left out unless --all-items is given. BOOK -\n"
    "reads standard input (convert - needs -o or --to-card).\n");
constexpr const char* kConvertText = QT_TRANSLATE_NOOP(
    "stronix-cli",
    "convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272\n"
    "pixels into DIR (default: the book's folder; made when missing). Several books go each into\n"
    "a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory\n"
    "card. The pages replace the book in the folder all at once, and pages of an older, longer\n"
    "book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless\n"
    "--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling\n"
    "folders \"NAME 01\", \"NAME 02\", ... of K pages. --jobs N makes pages on N cores (default: all).\n"
    "--compact gives each page a colour table of only the colours it uses: the same pictures\n"
    "in smaller files.\n");
constexpr const char* kLinesText = QT_TRANSLATE_NOOP(
    "stronix-cli",
    "lines prints the lines the pages hold, as UTF-8 (--raw: the book's own bytes).\n");

constexpr const char* kPagesText = QT_TRANSLATE_NOOP(
    "stronix-cli",
    "pages prints the pages convert --layout book with the same options would write: as JSON with\n"
    "--json (every line's text, place, width and face), else as text. The book layout (--layout book)\n"
    "sets the book in a page frame: margins (--margin PX, default 12), justified (--no-justify)\n"
    "and hyphenated lines (--no-hyphenate; --lang CODE for a book that names no language), a\n"
    "footer with the chapter and page / total (--no-footer) and a contents page (--no-contents).\n");

// The usage's prose in the language in use; the synopsis lines are the command line's own.
std::string Said(const char* text) { return Translate("stronix-cli", text).toStdString(); }

std::string UsageHeading() { return Said(QT_TRANSLATE_NOOP("stronix-cli", "Usage:")) + "\n"; }

}  // namespace

std::string UsageText(TCommand command) {
  switch (command) {
    case TCommand::Convert:
      return UsageHeading() + std::string(kConvertUsage) + "\n" + Said(kConvertText) + Said(kLookText);
    case TCommand::Lines:
      return UsageHeading() + std::string(kLinesUsage) + "\n" + Said(kLinesText) + Said(kLookText);
    case TCommand::Pages:
      return UsageHeading() + std::string(kPagesUsage) + "\n" + Said(kPagesText) + Said(kLookText);
    default:
      return UsageText();
  }
}

std::string UsageText() {
  return UsageHeading() + std::string(kConvertUsage) + std::string(kLinesUsage) + std::string(kPagesUsage) +
         EncodeUsageText() +
         "  stronix-cli COMMAND --help | --help | --version\n\n" + Said(kConvertText) + Said(kLinesText) + Said(kPagesText) +
         Said(kLookText) +
         Said(QT_TRANSLATE_NOOP("stronix-cli",
                                "encode writes one PNG, BMP or PPM picture as a GIF; by default it is reduced to the\n"
                                "216-colour web cube, mapped to the nearest colour and LZW-compressed. Indexed pictures\n"
                                "keep their own colours.\n"));
}
