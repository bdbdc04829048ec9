// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of stronix-cli: a command, a book and the settings of the page look.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/drawing/page_turn.h"
#include "app/drawing/screen_size.h"
#include "app/layout/color.h"
#include "app/pictures/picture_page.h"
#include "app/text/font_script.h"
#include "app/typeset/typeset_options.h"
#include "cli/encode_command.h"
#include "platform/exceptions.h"

// A command line that cannot be followed; the message says why.
class EUsageError : public Exception {
  using Exception::Exception;
};

enum class TCommand { Convert, Lines, Pages, Encode, Help, Version };

struct TCliOptions {
  TCommand command = TCommand::Help;
  bool help = false;                        // `COMMAND --help`: that command's usage
  std::vector<std::string> books;           // `lines` takes one; `encode` the picture and the GIF
  std::optional<std::string> outputFolder;  // -o: else the book's folder
  bool toCard = false;                      // into PSP/PHOTO on the one memory card
  std::optional<std::string> fontFace;
  std::optional<int> fontHeight;  // negative pixel height, from --size or --pixel-height
  bool bold = false, italic = false, underline = false, strikeOut = false;
  std::optional<TFontScript> script;  // none: detected from the book
  std::optional<int> colorSet;        // 1 to 4
  std::optional<TColor> textColor;
  std::optional<TColor> background;
  bool keepBlankLines = false;
  bool chapterPages = false;
  bool allItems = false;  // an EPUB's items outside its reading order follow the book
  bool pageTimes = true;
  bool compact = false;               // each page's colour table holds only the colours it uses
  int pagesPerFolder = 0;             // 0: no part folders
  int jobs = 0;                       // 0: one page worker per core
  bool raw = false;                   // `lines`: the book's own bytes instead of UTF-8
  TEncodeOptions encode;              // `encode`: the picture, the GIF and the GIF's settings
  std::optional<TLayoutKind> layout;  // none: as loading the book chose
  TTypesetOptions typeset;
  // The book layout's screen and portrait pages; either asks for the book layout.
  std::optional<TScreenSize> screen;
  std::optional<TConsoleTurn> portrait;
  pictures::TPictureColors pictureColors;
  bool json = false;  // `pages`: as JSON
};

// Parses the arguments after the program name. EUsageError on anything it cannot take.
TCliOptions ParseCommandLine(const std::vector<std::string>& args);

// The command line's one table: its commands and the options each takes. The usage text is
// made from it; the tests hold the manual page and the bash completion against it. A new
// command or option is one entry here.
enum TCommandSet : unsigned {
  kConvert = 1,
  kLines = 2,
  kPages = 4,
  kEncode = 8,
  kLook = kConvert | kLines | kPages,  // the commands that read a book and set it
};

struct TCommandDef {
  std::string_view name;
  TCommand command;
  TCommandSet bit;
  std::string_view operands;  // as the synopsis shows them
  const char* text;           // what it does, for the usage (translated)
};

struct TOptionDef {
  std::string_view name;
  std::string_view shortName;        // the synopsis shows it where there is one
  std::string value;                 // its value in the synopsis; empty: the option takes none
  unsigned takenBy;                  // TCommandSet bits
  std::vector<std::string> choices;  // the values it takes, where they are a list
  bool orPrevious;  // an alternative to the option before it: [--size PT | --pixel-height PX]
  std::function<void(TCliOptions&, const std::string&)> apply;
  bool valueOptional = false;  // given as --name=value only; --name alone takes none
};

const std::vector<TCommandDef>& CommandDefs();
const std::vector<TOptionDef>& OptionDefs();

// The usage text: the whole, or one command's.
std::string UsageText();
std::string UsageText(TCommand command);
