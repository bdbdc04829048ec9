#pragma once
// The conversion run ("Generuj"): the text box's lines become a title picture "0000.gif"
// and the page pictures 0001.gif, 0002.gif, ... in the target folder.
#include <functional>
#include <string>
#include <string_view>

#include "app/page_raster.h"
#include "app/text_box.h"
#include "platform/exceptions.h"

// Refuses a run whose font is so large that not one line fits on a page.
class EFontTooLarge : public Exception {
public:
  EFontTooLarge();
};

// What a run reads besides the text box.
struct TRunSettings {
  std::string targetFolder;    // the prefix of every output path, normally ending in "/"
  std::string chosenFileName;  // the book's path, for the title page; empty before any load
  bool squeezeBlankLines = true;
};

// Called after every file with the files written so far and the files the run writes.
using TRunProgress = std::function<void(int written, int total)>;

// A page number as its file is named: four digits, zero-padded, or all of its digits
// from 10000 on.
std::string PageLabel(int number);

// A run's working list: a copy of the text box's display lines, squeezed when asked.
TLineList PageLines(const TTextBox& box, bool squeezeBlankLines);

// Converts the text box's display lines: the title picture when there is a line, then
// the pages, squeezed first when asked. The box is left holding "gotowe..." and a line
// break. Returns the number of files written. EZeroDivide for a layout size of 0 and
// EFontTooLarge when N ≤ 0, both before any file is written; the GIF writer's failures
// ("Cannot create file %s", ...) end the run where they happen, leaving complete files
// only and the text box unchanged.
int RunConversion(TTextBox& box, TPageRaster& raster, const TRunSettings& settings,
                  const TRunProgress& progress = {});
