// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of stronix-cli: a command, a book and the settings of the page look.
#include <optional>
#include <string>
#include <vector>

#include "app/layout/color.h"
#include "app/text/font_script.h"
#include "app/typeset/typeset_options.h"
#include "platform/exceptions.h"

// A command line that cannot be followed; the message says why.
class EUsageError : public Exception {
  using Exception::Exception;
};

enum class TCommand { Convert, Lines, Pages, Help, Version };

struct TCliOptions {
  TCommand command = TCommand::Help;
  bool help = false;  // `COMMAND --help`: that command's usage
  std::vector<std::string> books;  // `lines` takes one
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
  bool compact = false;    // each page's colour table holds only the colours it uses
  int pagesPerFolder = 0;  // 0: no part folders
  int jobs = 0;            // 0: one page worker per core
  bool raw = false;        // `lines`: the book's own bytes instead of UTF-8
  std::optional<TLayoutKind> layout;  // none: as loading the book chose
  TTypesetOptions typeset;
  bool json = false;  // `pages`: as JSON
};

// Parses the arguments after the program name. EUsageError on anything it cannot take.
TCliOptions ParseCommandLine(const std::vector<std::string>& args);

// Every option convert and lines take, long and short names.
std::vector<std::string> OptionNames();

// The usage text: the whole, or one command's.
std::string UsageText();
std::string UsageText(TCommand command);

// Points at 96 pixels per inch as a font dialog turns them into a height: −round(pt × 96 / 72).
int FontHeightOfPoints(double points);
