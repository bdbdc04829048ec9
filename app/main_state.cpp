// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_state.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "app/books/book_file.h"
#include "app/books/book_reader.h"
#include "app/text/about_text.h"
#include "app/text/font_script.h"
#include "app/text/text_file.h"

namespace {

const std::string kMarkLine = std::string(kChapterMark) + "\r\n";

// The text without its chapter-mark lines; `marks` gets where they stood in what is left.
std::string WithoutChapterMarks(const std::string& text, std::vector<std::size_t>& marks) {
  std::string out;
  out.reserve(text.size());
  marks.clear();
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    const std::size_t next = std::min(end + 2, text.size());
    if (text.compare(start, next - start, kMarkLine) != 0)
      out.append(text, start, next - start);
    else
      marks.push_back(out.size());
    start = next;
  }
  return out;
}

// The text with its chapter-mark lines back where they stood.
std::string WithChapterMarks(const std::string& text, const std::vector<std::size_t>& marks) {
  std::string out;
  out.reserve(text.size() + marks.size() * kMarkLine.size());
  std::size_t start = 0;
  for (const std::size_t mark : marks) {
    out.append(text, start, mark - start).append(kMarkLine);
    start = mark;
  }
  return out.append(text, start);
}

// What the title page names: the title, with the author after a dash when there is one.
std::string TitleLine(const std::string& title, const std::string& author) {
  if (title.empty()) return {};  // the file name, then
  return author.empty() ? title : title + " \xE2\x80\x94 " + author;
}

}  // namespace

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : "";
  }
  std::string folder = home;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// EPUB, FB2 and HTML books say enough of their structure to be set as books.
constexpr TLayoutKind kMarkupBookLayout = TLayoutKind::Book;

TLoadedBook ReadBook(const std::string& path, bool allItems, bool structured) {
  TLoadedBook book;
  book.path = path;
  const bool standardInput = path == kStandardInputPath;
  // Standard input is read once, whole, and the format told from the bytes read.
  std::string input = standardInput ? ReadStandardInput() : std::string();
  if (std::optional<TBook> markup =
          standardInput ? ReadMarkupBook(input, kStandardInputName, kMaxTextBytes, {}, allItems)
                        : ReadMarkupBook(path, kMaxTextBytes, allItems)) {
    book.text = std::make_shared<const std::string>(std::move(markup->text));
    book.title = TitleLine(markup->title, markup->author);
    book.hasChapters = true;
    std::optional<document::TDocument> document;
    if (structured)
      document = standardInput ? ReadBookDocument(input, kStandardInputName, kMaxTextBytes, {}, allItems)
                               : ReadBookDocument(path, kMaxTextBytes, allItems);
    if (document) book.document = std::make_shared<const document::TDocument>(std::move(*document));
  } else {
    TTextFile file = standardInput ? BookTextOf(std::move(input), kStandardInputName) : ReadBookText(path);
    book.text = std::make_shared<const std::string>(std::move(file.text));
    book.bytesAfterNul = file.bytesAfterNul;
  }
  return book;
}

void TakeBook(TLoadedBook& book, TTextBox& box, TRunSettings& settings,
              std::optional<TFontScript> eightBitScript) {
  if (eightBitScript) {
    const TFontScript script =
        DetectScript(*book.text) == TFontScript::Utf8 ? TFontScript::Utf8 : *eightBitScript;
    if (box.Font().script != script) {
      TPageFont font = box.Font();
      font.script = script;
      box.SetFont(font);
    }
  }
  const bool standardInput = book.path == kStandardInputPath;
  settings.chapterPages = book.hasChapters;
  settings.layout = book.hasChapters ? kMarkupBookLayout : TLayoutKind::Classic;
  if (!standardInput) settings.targetFolder = TargetFolderOf(book.path);
  settings.chosenFileName = standardInput ? kStandardInputName : book.path;
  settings.picturesPath = standardInput ? std::string() : book.path;
  settings.bookTitle = book.title;
  ShowBook(book, box, settings.chapterPages);
}

void ShowBook(TLoadedBook& book, TTextBox& box, bool chapterPages) {
  if (book.hasChapters && book.marksShown != chapterPages) {
    // The book is held in one form at a time: the largest have no room for two.
    box.Clear();
    std::string text =
        chapterPages ? WithChapterMarks(*book.text, book.marks) : WithoutChapterMarks(*book.text, book.marks);
    book.text = std::make_shared<const std::string>(std::move(text));
    book.marksShown = chapterPages;
  }
  if (&box.Text() != book.text.get()) box.SetText(book.text);
}

TMainState::TMainState() {
  memo_.SetText(AboutText());
  settings_.targetFolder = HomeFolder();
}

void TMainState::LoadTextFile(const std::string& path, bool allItems) {
  TLoadedBook book = ReadBook(path, allItems);
  TakeBook(book, memo_, settings_,
           scriptChosen_ ? std::nullopt : std::optional<TFontScript>(eightBitScript_));
  scriptChosen_ = false;
  book_ = std::move(book);
}

void TMainState::ChooseScript(TFontScript script) {
  scriptChosen_ = true;
  if (script != TFontScript::Utf8) eightBitScript_ = script;
}

void TMainState::SetEightBitScript(TFontScript script) {
  if (script != TFontScript::Utf8) eightBitScript_ = script;
}

void TMainState::SetChapterPages(bool on) {
  settings_.chapterPages = on;
  if (book_) ShowBook(*book_, memo_, on);
}

TConversionJob TMainState::Job() {
  if (book_) ShowBook(*book_, memo_, settings_.chapterPages);
  return {memo_, settings_, book_ ? book_->document : nullptr};
}

void TMainState::ShowRunEnd(const TRunReport& report) { ::ShowRunEnd(memo_, report); }

TRunReport TMainState::Generate(TRunMonitor* monitor) {
  const TRunReport report = RunConversion(Job(), monitor);
  ShowRunEnd(report);
  return report;
}
