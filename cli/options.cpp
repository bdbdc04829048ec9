// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <string_view>
#include <utility>

#include "app/delivery/part_folders.h"
#include "app/l10n/translation.h"
#include "app/layout/font_size.h"
#include "app/layout/page_layout.h"
#include "cli/encode_command.h"

namespace {

// The largest font the command line takes; far past the size at which no line fits.
constexpr int kMaxPixelHeight = 5000;
constexpr double kMaxPoints = kMaxPixelHeight * 72.0 / 96;
// The smallest size in points the layout can use: its pixel height rounds up to the smallest one.
constexpr double kSmallestPoints = (kSmallestPixelHeight - 0.5) * 72 / kScreenPpi;
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

template <class T, std::size_t N>
using TNames = std::array<std::pair<std::string_view, T>, N>;

// encode's settings as the command line spells them.
constexpr TNames<TReductionMethod, 9> kReductions = {{
    {"none", TReductionMethod::None},
    {"system20", TReductionMethod::System20},
    {"halftone256", TReductionMethod::Halftone256},
    {"gray4", TReductionMethod::SystemGray4},
    {"monochrome", TReductionMethod::Monochrome},
    {"gray256", TReductionMethod::GrayScale256},
    {"webcube216", TReductionMethod::WebCube216},
    {"optimized", TReductionMethod::Optimized},
    {"optimized-system", TReductionMethod::OptimizedSystem},
}};

constexpr TNames<TDitherMethod, 7> kDithers = {{
    {"nearest", TDitherMethod::Nearest},
    {"floyd-steinberg", TDitherMethod::FloydSteinberg},
    {"stucki", TDitherMethod::Stucki},
    {"sierra", TDitherMethod::Sierra},
    {"jajuni", TDitherMethod::JaJuNi},
    {"steve-arche", TDitherMethod::SteveArche},
    {"burkes", TDitherMethod::Burkes},
}};

constexpr TNames<std::uint8_t, 2> kCompressions = {{{"lzw", 0}, {"rle", 1}}};

template <class T, std::size_t N>
std::vector<std::string> NamesOf(const TNames<T, N>& names) {
  std::vector<std::string> list;
  for (const auto& entry : names) list.emplace_back(entry.first);
  return list;
}

std::string Joined(const std::vector<std::string>& words, std::string_view between) {
  std::string text;
  for (const auto& word : words) text += (text.empty() ? "" : std::string(between)) + word;
  return text;
}

template <class T, std::size_t N>
T Lookup(const TNames<T, N>& names, std::string_view option, const std::string& value) {
  for (const auto& [name, item] : names)
    if (name == value) return item;
  Refuse("%s takes one of %s, not \"%s\"", {option, Joined(NamesOf(names), "|"), value});
}

std::vector<std::string> ScriptChoices() {
  std::vector<std::string> names = {"auto"};
  for (const TFontScript script : kAllScripts) names.emplace_back(ScriptName(script));
  return names;
}

using TOptions = TCliOptions;
using TValue = const std::string;

}  // namespace

const std::vector<TCommandDef>& CommandDefs() {
  static const std::vector<TCommandDef> commands = {
      {"convert", TCommand::Convert, kConvert, "BOOK...",
       QT_TRANSLATE_NOOP(
           "stronix-cli",
           "convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272\n"
           "pixels into DIR (default: the book's folder; made when missing). Several books go each into\n"
           "a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory\n"
           "card. The pages replace the book in the folder all at once, and pages of an older, longer\n"
           "book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless\n"
           "--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling\n"
           "folders \"NAME 01\", \"NAME 02\", ... of K pages. --jobs N makes pages on N cores (default: "
           "all).\n"
           "--compact gives each page a colour table of only the colours it uses: the same pictures\n"
           "in smaller files.\n")},
      {"lines", TCommand::Lines, kLines, "BOOK",
       QT_TRANSLATE_NOOP("stronix-cli",
                         "lines prints the lines the pages hold, as UTF-8 (--raw: the book's own bytes).\n")},
      {"pages", TCommand::Pages, kPages, "BOOK",
       QT_TRANSLATE_NOOP(
           "stronix-cli",
           "pages prints the pages convert --layout book with the same options would write: as JSON with\n"
           "--json (every line's text, place, width and face), else as text. The book layout (--layout "
           "book)\n"
           "sets the book in a page frame: margins (--margin PX, default 12), justified (--no-justify)\n"
           "and hyphenated lines (--no-hyphenate; --lang CODE for a book that names no language), a\n"
           "footer with the chapter and page / total (--no-footer) and a contents page (--no-contents).\n"
           "--screen WxH sets it for another screen (960x544 for the larger console, any side from 64 to\n"
           "4096; margins and type grow with the page). --portrait[=left|right] typesets tall\n"
           "pages and turns each GIF for a console held sideways, turned right (clockwise) unless told.\n"
           "A book's pictures stand between paragraphs or on a page of their own, the cover on the title\n"
           "page; --no-pictures leaves them out. A page with a picture gets a palette of its own\n"
           "(--picture-colors N, 2 to 256, default 256; --picture-dither METHOD, default "
           "floyd-steinberg).\n")},
      {"encode", TCommand::Encode, kEncode, "IMAGE OUT.gif",
       QT_TRANSLATE_NOOP(
           "stronix-cli",
           "encode writes one PNG, BMP or PPM picture as a GIF; by default it is reduced to the\n"
           "216-colour web cube, mapped to the nearest colour and LZW-compressed. Indexed pictures\n"
           "keep their own colours.\n")},
  };
  return commands;
}

const std::vector<TOptionDef>& OptionDefs() {
  static const std::vector<TOptionDef> options = {
      {"--output", "-o", "DIR", kConvert, {}, false, [](TOptions& o, TValue& v) { o.outputFolder = v; }},
      {"--to-card", "", "", kConvert, {}, true, [](TOptions& o, TValue&) { o.toCard = true; }},
      {"--font", "", "FAMILY", kLook, {}, false, [](TOptions& o, TValue& v) { o.fontFace = v; }},
      {"--size",
       "",
       "PT",
       kLook,
       {},
       false,
       [](TOptions& o, TValue& v) { o.fontHeight = PixelHeightOfPoints(ParsePoints(v)); }},
      {"--pixel-height",
       "",
       "PX",
       kLook,
       {},
       true,
       [](TOptions& o, TValue& v) {
         o.fontHeight = -ParseInt("--pixel-height", v, kSmallestPixelHeight, kMaxPixelHeight);
       }},
      {"--bold", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.bold = true; }},
      {"--italic", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.italic = true; }},
      {"--underline", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.underline = true; }},
      {"--strikeout", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.strikeOut = true; }},
      {"--script", "", "NAME|auto", kLook, ScriptChoices(), false,
       [](TOptions& o, TValue& v) { o.script = ParseScript(v); }},
      {"--text-color",
       "",
       "RRGGBB",
       kConvert,
       {},
       false,
       [](TOptions& o, TValue& v) { o.textColor = ParseColor("--text-color", v); }},
      {"--background",
       "",
       "RRGGBB",
       kConvert,
       {},
       false,
       [](TOptions& o, TValue& v) { o.background = ParseColor("--background", v); }},
      {"--colors",
       "",
       "1|2|3|4",
       kConvert,
       {"1", "2", "3", "4"},
       false,
       [](TOptions& o, TValue& v) { o.colorSet = ParseInt("--colors", v, 1, 4); }},
      {"--keep-blank-lines", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.keepBlankLines = true; }},
      {"--chapter-pages", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.chapterPages = true; }},
      {"--all-items", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.allItems = true; }},
      {"--no-page-times", "", "", kConvert, {}, false, [](TOptions& o, TValue&) { o.pageTimes = false; }},
      {"--pages-per-folder",
       "",
       "K",
       kConvert,
       {},
       false,
       [](TOptions& o, TValue& v) {
         o.pagesPerFolder = ParseInt("--pages-per-folder", v, kMinPagesPerFolder, kMaxPagesPerFolder);
       }},
      {"--jobs",
       "-j",
       "N",
       kConvert,
       {},
       false,
       [](TOptions& o, TValue& v) { o.jobs = ParseInt("--jobs", v, 1, kMaxJobs); }},
      {"--compact", "", "", kConvert, {}, false, [](TOptions& o, TValue&) { o.compact = true; }},
      {"--raw", "", "", kLines, {}, false, [](TOptions& o, TValue&) { o.raw = true; }},
      {"--layout",
       "",
       "book|classic",
       kConvert | kLines,
       {"book", "classic"},
       false,
       [](TOptions& o, TValue& v) {
         if (v != "book" && v != "classic") Refuse("--layout takes book or classic, not \"%s\"", {v});
         o.layout = v == "book" ? TLayoutKind::Book : TLayoutKind::Classic;
       }},
      {"--margin",
       "",
       "PX",
       kLook,
       {},
       false,
       [](TOptions& o, TValue& v) { o.typeset.margin = ParseInt("--margin", v, 0, kMaxMargin); }},
      {"--no-justify", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.typeset.justify = false; }},
      {"--no-hyphenate", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.typeset.hyphenate = false; }},
      {"--no-footer", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.typeset.footer = false; }},
      {"--no-contents", "", "", kLook, {}, false, [](TOptions& o, TValue&) { o.typeset.contents = false; }},
      {"--lang", "", "CODE", kLook, {}, false, [](TOptions& o, TValue& v) { o.typeset.language = v; }},
      {"--screen",
       "",
       "WxH",
       kLook,
       {},
       false,
       [](TOptions& o, TValue& v) {
         o.screen = ParseScreenSize(v);
         if (!o.screen)
           Refuse("--screen takes a size WxH, each side from %s to %s (480x272, 960x544), not \"%s\"",
                  {std::to_string(kMinScreenSide), std::to_string(kMaxScreenSide), v});
       }},
      {"--portrait",
       "",
       "left|right",
       kLook,
       {},
       false,
       [](TOptions& o, TValue& v) {
         if (!v.empty() && v != "left" && v != "right")
           Refuse("--portrait takes left or right, not \"%s\"", {v});
         o.portrait = v == "left" ? TConsoleTurn::Left : TConsoleTurn::Right;
       },
       true},
      {"--no-pictures",
       "",
       "",
       kConvert | kPages,
       {},
       false,
       [](TOptions& o, TValue&) { o.typeset.pictures = false; }},
      {"--picture-dither", "", "METHOD", kConvert, NamesOf(kDithers), false,
       [](TOptions& o, TValue& v) { o.pictureColors.dither = Lookup(kDithers, "--picture-dither", v); }},
      {"--picture-colors",
       "",
       "N",
       kConvert,
       {},
       false,
       [](TOptions& o, TValue& v) {
         o.pictureColors.colors =
             ParseInt("--picture-colors", v, pictures::kMinPictureColors, pictures::kMaxPictureColors);
       }},
      {"--json", "", "", kPages, {}, false, [](TOptions& o, TValue&) { o.json = true; }},
      {"--reduction", "", "METHOD", kEncode, NamesOf(kReductions), false,
       [](TOptions& o, TValue& v) { o.encode.reduction = Lookup(kReductions, "--reduction", v); }},
      {"--dither", "", "METHOD", kEncode, NamesOf(kDithers), false,
       [](TOptions& o, TValue& v) { o.encode.dither = Lookup(kDithers, "--dither", v); }},
      {"--palette-bits",
       "",
       "0..8",
       kEncode,
       {},
       false,
       [](TOptions& o, TValue& v) { o.encode.paletteBits = ParseInt("--palette-bits", v, 0, 8); }},
      {"--compression", "", "lzw|rle", kEncode, NamesOf(kCompressions), false,
       [](TOptions& o, TValue& v) { o.encode.compression = Lookup(kCompressions, "--compression", v); }},
  };
  return options;
}

namespace {

// Every command takes --help; it is no part of any synopsis.
const TOptionDef kHelpOption = {
    "--help", "-h", "", kLook | kEncode, {}, false, [](TOptions& o, TValue&) { o.help = true; }};

const TOptionDef* FindOption(std::string_view name) {
  if (name == kHelpOption.name || name == kHelpOption.shortName) return &kHelpOption;
  for (const auto& option : OptionDefs())
    if (option.name == name || (!option.shortName.empty() && option.shortName == name)) return &option;
  return nullptr;
}

const TCommandDef& ParseCommand(const std::string& word) {
  static const TCommandDef help = {"help", TCommand::Help, TCommandSet{}, "", nullptr};
  static const TCommandDef version = {"--version", TCommand::Version, TCommandSet{}, "", nullptr};
  for (const auto& command : CommandDefs())
    if (command.name == word) return command;
  if (word == "help" || word == "--help" || word == "-h") return help;
  if (word == "--version") return version;
  // The list comes from the table; "and" before the last name stays in the translated pattern.
  std::vector<std::string> names;
  for (const auto& command : CommandDefs()) names.emplace_back(command.name);
  const std::string last = names.back();
  names.pop_back();
  Refuse("unknown command \"%s\"; the commands are %s and %s", {word, Joined(names, ", "), last});
}

}  // namespace

TCliOptions ParseCommandLine(const std::vector<std::string>& args) {
  TCliOptions options;
  if (args.empty()) Refuse("no command given");
  const TCommandDef& command = ParseCommand(args[0]);
  options.command = command.command;
  if (options.command == TCommand::Help || options.command == TCommand::Version) return options;

  const std::string_view commandName = command.name;
  bool sizeGiven = false, pixelHeightGiven = false, optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (command.command == TCommand::Lines && !options.books.empty())
        Refuse("lines takes one book: \"%s\" is one too many", {arg});
      if (command.command == TCommand::Pages && !options.books.empty())
        Refuse("pages takes one book: \"%s\" is one too many", {arg});
      options.books.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const TOptionDef* option = FindOption(name);
    if (!option) Refuse("unknown option %s", {name});
    if ((option->takenBy & command.bit) == 0) Refuse("%s does not apply to %s", {option->name, commandName});
    std::string value;
    if (equals != std::string::npos) {
      if (option->value.empty()) Refuse("%s takes no value", {name});
      value = arg.substr(equals + 1);
    } else if (!option->value.empty() && !option->valueOptional) {
      if (++i == args.size()) Refuse("%s needs a value", {name});
      value = args[i];
    }
    sizeGiven |= option->name == "--size";
    pixelHeightGiven |= option->name == "--pixel-height";
    option->apply(options, value);
  }
  if (options.help) return options;
  if (options.command == TCommand::Encode) {
    if (options.books.size() != 2) Refuse("encode takes a picture file and an output GIF file");
    options.encode.input = options.books[0];
    options.encode.output = options.books[1];
    return options;
  }
  // The classic pages have one size; a silent 480 x 272 would not be what was asked for.
  if (options.layout == TLayoutKind::Classic && (options.screen || options.portrait))
    Refuse("--screen and --portrait set the pages of the book layout; the classic layout's are 480 x 272");
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

// The usage's prose in the language in use; the synopsis lines are the command line's own.
std::string Said(const char* text) { return Translate("stronix-cli", text).toStdString(); }

std::string UsageHeading() { return Said(QT_TRANSLATE_NOOP("stronix-cli", "Usage:")) + "\n"; }

// A command's synopsis: its operands, then each option it takes in brackets, alternatives in
// one; lines wrapped at 100 columns. Options whose value is one of a list named by a word
// (METHOD) have that list under the synopsis.
std::string Synopsis(const TCommandDef& command) {
  constexpr std::size_t kWidth = 100;
  const std::string indent(14, ' ');
  std::vector<std::string> items;
  std::string lists;
  std::size_t listIndent = 0;
  for (const auto& option : OptionDefs()) {
    if ((option.takenBy & command.bit) == 0) continue;
    std::string item(option.shortName.empty() ? option.name : option.shortName);
    if (!option.value.empty())
      item += (option.valueOptional ? "[=" + option.value + "]" : " " + option.value);
    if (option.orPrevious && !items.empty())
      items.back().insert(items.back().size() - 1, " | " + item);
    else
      items.push_back("[" + item + "]");
    if (!option.choices.empty() && option.value.find('|') == std::string::npos)
      listIndent = std::max(listIndent, option.name.size() - 2);
  }
  for (const auto& option : OptionDefs()) {
    if ((option.takenBy & command.bit) == 0 || option.choices.empty() ||
        option.value.find('|') != std::string::npos)
      continue;
    const std::string name(option.name.substr(2));
    lists += "      " + name + ":" + std::string(listIndent - name.size() + 1, ' ') +
             Joined(option.choices, "|") + "\n";
  }
  std::string text = "  stronix-cli " + std::string(command.name) + " " + std::string(command.operands);
  std::size_t lineStart = 0;
  for (const auto& item : items) {
    if (text.size() - lineStart + 1 + item.size() > kWidth) {
      text += "\n";
      lineStart = text.size();
      text += indent + item;
    } else {
      text += " " + item;
    }
  }
  return text + "\n" + lists;
}

}  // namespace

std::string UsageText(TCommand command) {
  for (const auto& def : CommandDefs())
    if (def.command == command)
      return UsageHeading() + Synopsis(def) + "\n" + Said(def.text) +
             ((def.bit & kLook) ? Said(kLookText) : "");
  return UsageText();
}

std::string UsageText() {
  std::string synopses, look, others;
  for (const auto& def : CommandDefs()) {
    synopses += Synopsis(def);
    ((def.bit & kLook) ? look : others) += Said(def.text);
  }
  return UsageHeading() + synopses + "  stronix-cli COMMAND --help | --help | --version\n\n" + look +
         Said(kLookText) + others;
}
