// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the main window holds apart from its widgets: the text box with the book and
// the look of the pages, the loaded book, the target folder and the run's settings. The
// window shows this state and calls these operations; a run converts a job taken from it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/layout/text_box.h"
#include "app/run/conversion_run.h"
#include "app/text/font_script.h"

// A loaded book: what "Generuj" converts, whatever the text box shows meanwhile.
struct TLoadedBook {
  std::string path;
  std::shared_ptr<const std::string> text;  // as the text box takes it
  std::string title;               // "Title — Author" from a markup book's metadata; empty: the file name
  bool hasChapters = false;        // read from EPUB, FB2 or HTML
  bool marksShown = true;          // the text holds its chapter-mark lines (chapter pages on)
  std::vector<std::size_t> marks;  // else where they stood in it
  std::size_t bytesAfterNul = 0;   // text left out after a NUL byte
  std::shared_ptr<const document::TDocument> document;  // a markup book as a structured book
};

// Reads a plain-text, EPUB, FB2 or HTML book as "Załaduj TXT" does. The path "-" reads
// standard input. `allItems`: an EPUB's items outside its reading order (linear="no")
// follow the book.
// Without `structured` a markup book is read as text alone, for the classic layout: the
// largest books have no room for both forms.
TLoadedBook ReadBook(const std::string& path, bool allItems = false, bool structured = true);

// A text box and a run's settings take a book just read: the text box its text (from its
// first line), the target folder the file's folder (standard input leaves it, and is named
// "stdin" on the title page), the title page the book's name and title. With
// `eightBitScript` the script follows the book (--script auto): UTF-8 for a book in UTF-8 (or
// UTF-16), else `eightBitScript`; without, the script in force stays. Chapter pages are on
// for markup books and off for text; the layout is the book layout for them and the classic
// one for text.
void TakeBook(TLoadedBook& book, TTextBox& box, TRunSettings& settings,
              std::optional<TFontScript> eightBitScript = TFontScript::CentralEuropean);

// The text box shows the book, with its chapter marks only when `chapterPages` is on.
void ShowBook(TLoadedBook& book, TTextBox& box, bool chapterPages);

class TMainState {
public:
  // The state at start: the about text in Times New Roman, height −16, Central European,
  // black on white; the target folder is the home folder followed by "/"; squeezing on.
  TMainState();

  TTextBox& Memo() { return memo_; }
  const TTextBox& Memo() const { return memo_; }
  TRunSettings& Settings() { return settings_; }
  const TRunSettings& Settings() const { return settings_; }
  // The loaded book, none before the first successful load.
  const std::optional<TLoadedBook>& Book() const { return book_; }

  // "Załaduj TXT" once a file is chosen: ReadBook, then TakeBook. The script follows the
  // book, its 8-bit code page the last 8-bit script in force (Central European at first),
  // unless the user chose a script since the last load. On failure nothing changes.
  void LoadTextFile(const std::string& path, bool allItems = false);
  // The user chose `script` in the font dialog: the next load keeps it.
  void ChooseScript(TFontScript script);
  // The 8-bit script a detecting load falls back to (kept settings at start); UTF-8 changes nothing.
  void SetEightBitScript(TFontScript script);

  // Turns chapter pages on or off; the text box shows the book's chapter marks only when on.
  void SetChapterPages(bool on);

  // "Generuj"'s job: the loaded book (before any load, what the text box shows) with the
  // look and settings in force. RunConversion converts it on any thread; the state may
  // change meanwhile.
  TConversionJob Job();
  // After a run of Job() succeeded: the text box shows "gotowe..." (ShowRunEnd).
  void ShowRunEnd(const TRunReport& report);
  // Job, RunConversion and ShowRunEnd in one, on the calling thread.
  TRunReport Generate(TRunMonitor* monitor = nullptr);

private:
  TTextBox memo_;
  TRunSettings settings_;
  std::optional<TLoadedBook> book_;
  TFontScript eightBitScript_ = TFontScript::CentralEuropean;
  bool scriptChosen_ = false;  // in the font dialog since the last load
};

// The user's home folder followed by "/" (HOME, else the password database, else "/").
std::string HomeFolder();
