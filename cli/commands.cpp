// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <QFontInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <exception>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "app/books/book_file.h"
#include "app/delivery/book_name.h"
#include "app/delivery/card_finder.h"
#include "app/delivery/commit_journal.h"
#include "app/drawing/appearance.h"
#include "app/l10n/translation.h"
#include "app/layout/font_metrics.h"
#include "app/main_state.h"
#include "app/run/book_layout.h"
#include "app/run/conversion_run.h"
#include "app/text/code_page.h"
#include "app/text/text_file.h"
#include "app/typeset/pages_json.h"
#include "cli/encode_command.h"
#include "cli/error_output.h"
#include "cli/exit_codes.h"
#include "cli/progress_bar.h"

namespace {

// The bar on the terminal, and the stop asked for by a signal.
class TCliMonitor : public TRunMonitor {
public:
  TCliMonitor(TProgressBar& bar, const TRunMonitor* stop) : bar_(bar), stop_(stop) {}
  void PageDone(int done, int total) override { bar_.Update(done, total); }
  bool CancelRequested() const override { return stop_ && stop_->CancelRequested(); }

private:
  TProgressBar& bar_;
  const TRunMonitor* stop_;
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::ostream& operator<<(std::ostream& out, const QString& text) { return out << text.toStdString(); }

void ReportKilledRun(const std::optional<TMessage>& notice, std::ostream& out) {
  if (notice) out << Localized(*notice) << '\n';
}

void Report(const TRunReport& report, const std::string& folder, std::ostream& out) {
  ReportKilledRun(report.killedRunNotice, out);
  out << Translate("stronix-cli", "gotowe...") << '\n';
  if (report.filesWritten == 0) {
    out << Translate("stronix-cli", "The book holds no line: nothing was written to %1").arg(Q(folder))
        << '\n';
    return;
  }
  const int folders = static_cast<int>(report.folders.size());
  const QString where = folders == 1 ? Q(report.folders.front())
                                     : Translate("stronix-cli", "%1 ... %2 (%n folders)", nullptr, folders)
                                           .arg(Q(report.folders.front()), Q(report.folders.back()));
  out << Translate("stronix-cli",
                   "Wrote %n files to %1: the title page 0000.gif and pages 0001.gif to %2.gif", nullptr,
                   report.filesWritten)
             .arg(where, Q(PageLabel(report.filesWritten - 1)));
  if (report.oldPagesRemoved > 0)
    out << Translate("stronix-cli", "; removed %n pages of the earlier book", nullptr,
                     report.oldPagesRemoved);
  out << '\n';
  if (report.unreadablePictures > 0)
    out << Translate("stronix-cli", "%n pictures could not be read", nullptr, report.unreadablePictures)
        << '\n';
}

// `label` goes before the report, once the run has succeeded.
void Convert(const TConversionJob& job, std::ostream& out, std::ostream& err, bool terminal,
             const TRunMonitor* stop, const std::string& label) {
  TRunReport report;
  {
    TProgressBar bar(err, terminal);
    TCliMonitor monitor(bar, stop);
    report = RunConversion(job, &monitor);
  }
  out << label;
  Report(report, job.settings.targetFolder, out);
}

void PrintLines(const TConversionJob& job, bool raw, std::ostream& out) {
  const TCodePage& codePage = CodePageOf(job.box.Font().script);
  // A byte at a time is a character at a time: a line of millions is decoded in pieces.
  constexpr std::size_t kPiece = 1 << 16;
  for (const std::string_view line : PageLines(job.box, job.settings.squeezeBlankLines)) {
    if (raw || !codePage.SingleByte())
      out << line;
    else
      for (std::size_t at = 0; at < line.size(); at += kPiece)
        out << codePage.Decode(line.substr(at, kPiece)).toStdString();
    out << '\n';
  }
}

// The typeset pages: as JSON, or page by page with their lines.
void PrintPages(const TConversionJob& job, bool json, std::ostream& out) {
  const TTypesetBook book = TypesetForRun(job);
  if (json) {
    out << PagesJson(book);
    return;
  }
  for (const TTypesetPage& page : book.pages) {
    out << "-- " << PageLabel(page.number) << (page.footer.empty() ? "" : " (" + page.footer + ")") << '\n';
    for (const TTypesetLine& line : page.lines) out << line.Text() << '\n';
  }
}

// The typeset lines of the pages after the title page, in order.
void PrintTypesetLines(const TConversionJob& job, std::ostream& out) {
  for (const TTypesetPage& page : TypesetForRun(job).pages)
    if (page.kind != TPageKind::Title)
      for (const TTypesetLine& line : page.lines) out << line.Text() << '\n';
}

// A font family the system lacks is stood in for by another: say which.
void WarnOfSubstitutedFont(const TConversionJob& job, const TCliOptions& options, std::ostream& err) {
  if (!options.fontFace) return;
  const QString used = QFontInfo(MakeQFont(job.box.Font())).family();
  if (used.compare(QString::fromStdString(*options.fontFace), Qt::CaseInsensitive) != 0)
    err << "stronix-cli: "
        << Translate("stronix-cli", "warning: no font \"%1\"; using \"%2\"").arg(Q(*options.fontFace), used)
        << '\n';
}

// What the command line says besides the result: text left out, a font stood in for.
void Warn(const TPreparedBook& prepared, const TCliOptions& options, const std::string& book,
          std::ostream& err) {
  if (prepared.bytesAfterNul > 0) {
    // The count is cast apart: lupdate overlooks a call whose count holds a template's brackets.
    const int leftOut = static_cast<int>(std::min<std::size_t>(prepared.bytesAfterNul, INT_MAX));
    err << "stronix-cli: "
        << Translate("stronix-cli", "%1: the text ends at a NUL byte; %n bytes after it were left out",
                     nullptr, leftOut)
               .arg(Q(book))
        << '\n';
  }
  WarnOfSubstitutedFont(prepared.job, options, err);
}

// Where a book's pages go.
struct TPlace {
  std::string folder;    // empty: the book's own folder, as loading sets it
  std::string partName;  // the part folders' "<Name>"; empty: from the book's file name
  bool createFolder = false;
};

// Where each book goes: one book into -o DIR or its own folder as the window does;
// several books, or a card, each into a folder of its own named after the book (or its
// part folders, side by side, where the viewer reads one level).
class TTargets {
public:
  explicit TTargets(const TCliOptions& options) : options_(options) {
    if (options.toCard)
      base_ = FolderPrefix(TheCardPhotoFolder(MountedVolumes()));
    else if (options.outputFolder)
      base_ = FolderPrefix(*options.outputFolder);
  }

  TPlace PlaceOf(const std::string& book) {
    const bool ownFolder = options_.toCard || options_.books.size() > 1;
    if (!ownFolder) return {base_, {}, !base_.empty()};
    const std::string name =
        UniqueBookName(FatSafeBookName(book == kStandardInputPath ? kStandardInputName : book), taken_);
    taken_.insert(name);
    const std::string base = base_.empty() ? TargetFolderOf(std::filesystem::absolute(book).string()) : base_;
    return {options_.pagesPerFolder > 0 ? base : base + name + "/", name, true};
  }

private:
  const TCliOptions& options_;
  std::string base_;
  std::set<std::string> taken_;
};

// What converting one book said, kept until it can be printed in the books' order.
struct TBookRun {
  std::ostringstream out, err;
  int code = kExitSuccess;
};

// `oneCore`: the book runs beside others, on one page worker.
int ConvertBook(const TCliOptions& options, const std::string& book, const TPlace& place, bool oneCore,
                std::ostream& out, std::ostream& err, bool terminal, const TRunMonitor* stop) {
  // Among several books, each line says which book it is about.
  const std::string named = options.books.size() > 1 ? book : std::string();
  try {
    // Loading a long book takes a while: the stop reaches it too.
    const TCancelScope cancel([stop] { return stop && stop->CancelRequested(); });
    // A commit a kill left in the folder is finished before anything else happens there.
    const std::string folder =
        place.folder.empty() ? TargetFolderOf(std::filesystem::absolute(book).string()) : place.folder;
    ReportKilledRun(FinishInterruptedConversion(folder), out);
    TPreparedBook prepared = PrepareBook(options, book);
    Warn(prepared, options, book, err);
    TRunSettings& settings = prepared.job.settings;
    if (!place.folder.empty()) settings.targetFolder = place.folder;
    settings.partName = place.partName;
    settings.createFolder = place.createFolder;
    if (oneCore) settings.jobs = 1;
    Convert(prepared.job, out, err, terminal, stop, named.empty() ? named : named + ": ");
    return kExitSuccess;
  } catch (const ERunCancelled& e) {
    PrintError(err, e, named);
    return kExitCancelled;
  } catch (const std::exception& e) {
    PrintError(err, e, named);
    return kExitFailure;
  }
}

// With several books, which failed and that the others are complete; the exit code.
int ReportFailedBooks(const std::vector<std::string>& books, const std::vector<TBookRun>& runs,
                      std::ostream& err) {
  std::string failed;
  std::size_t failures = 0;
  for (std::size_t i = 0; i < runs.size(); ++i)
    if (runs[i].code != kExitSuccess) failed += (failures++ ? ", " : "") + books[i];
  if (failures == 0) return kExitSuccess;
  const int complete = static_cast<int>(runs.size() - failures);  // cast apart, for lupdate
  if (complete > 0)
    err << "stronix-cli: "
        << Translate("stronix-cli", "not converted: %1; the other %n book(s) complete", nullptr, complete)
               .arg(Q(failed))
        << '\n';
  return kExitFailure;
}

// Books this small keep one core busy at most (their own serial steps outweigh their
// pages), so several of them run side by side, a core each.
constexpr std::uintmax_t kSmallBookBytes = 256 * 1024;

bool AllSmall(const std::vector<std::string>& books) {
  return std::ranges::all_of(books, [](const std::string& book) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(book, error);
    return !error && size <= kSmallBookBytes;
  });
}

int ConvertAll(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal,
               const TRunMonitor* stop) {
  std::vector<TPlace> places;
  try {
    TTargets targets(options);
    for (const std::string& book : options.books) places.push_back(targets.PlaceOf(book));
  } catch (const std::exception& e) {
    PrintError(err, e);
    return kExitFailure;
  }
  // Part folders of several books share one folder, which one run at a time holds.
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int side =
      options.books.size() > 1 && options.pagesPerFolder == 0 && AllSmall(options.books)
          ? std::min<int>(options.jobs > 0 ? options.jobs : cores, static_cast<int>(options.books.size()))
          : 1;
  std::vector<TBookRun> runs(options.books.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t i; (i = next++) < runs.size();) {
      TBookRun& run = runs[i];
      run.code = side > 1
                     ? ConvertBook(options, options.books[i], places[i], true, run.out, run.err, false, stop)
                     : ConvertBook(options, options.books[i], places[i], false, out, err, terminal, stop);
      if (run.code == kExitCancelled) next = runs.size();
    }
  };
  if (side == 1) {
    work();
  } else {
    std::vector<std::jthread> threads;
    for (int t = 0; t < side; ++t) threads.emplace_back(work);
    threads.clear();  // joins
    for (const auto& run : runs) out << run.out.str(), err << run.err.str();
  }
  for (const auto& run : runs)
    if (run.code == kExitCancelled) return kExitCancelled;
  return ReportFailedBooks(options.books, runs, err);
}

}  // namespace

TPreparedBook PrepareBook(const TCliOptions& options, const std::string& book) {
  // The classic layout draws the text alone; `pages` typesets whatever the layout.
  const bool structured = options.layout != TLayoutKind::Classic || options.command == TCommand::Pages;
  TLoadedBook loaded = ReadBook(book == kStandardInputPath ? book : std::filesystem::absolute(book).string(),
                                options.allItems, structured);
  TPreparedBook prepared;
  prepared.job.book = loaded.document;
  prepared.bytesAfterNul = loaded.bytesAfterNul;
  TTextBox& box = prepared.job.box;
  TRunSettings& settings = prepared.job.settings;
  settings.targetFolder = HomeFolder();  // standard input's, as the window's at start
  TakeBook(loaded, box, settings);
  TPageFont font = box.Font();
  font.face = options.fontFace.value_or(font.face);
  font.height = options.fontHeight.value_or(font.height);
  font.bold = options.bold;
  font.italic = options.italic;
  font.underline = options.underline;
  font.strikeOut = options.strikeOut;
  // Reading has already taken a UTF-8 or UTF-16 book as UTF-8 (--script auto).
  if (options.script) font.script = *options.script;
  box.SetFont(font);
  // A colour set first, so that single colours given beside it win.
  if (options.colorSet) ApplyColorSet(box, *options.colorSet);
  if (options.textColor) {
    font = box.Font();
    font.color = *options.textColor;
    box.SetFont(font);
  }
  if (options.background) box.SetColor(*options.background);
  settings.squeezeBlankLines = !options.keepBlankLines;
  settings.pageTimes = options.pageTimes;
  settings.compactPages = options.compact;
  settings.pagesPerFolder = options.pagesPerFolder;
  settings.jobs = options.jobs;
  settings.chapterPages = options.chapterPages;
  if (options.layout) settings.layout = *options.layout;
  settings.typeset = options.typeset;
  settings.typeset.ownFace = options.fontFace.has_value();
  settings.typeset.ownSize = options.fontHeight.has_value();
  if (options.screen) settings.screen = *options.screen;
  settings.portrait = options.portrait;
  // Only the book layout fits another screen or a tall page: asking for one asks for it.
  if ((options.screen || options.portrait) && !options.layout) settings.layout = TLayoutKind::Book;
  settings.pictureColors = options.pictureColors;
  // The book layout (which pages always shows) starts each chapter on a page of its own.
  const bool typeset = settings.layout == TLayoutKind::Book || options.command == TCommand::Pages;
  if (typeset) settings.chapterPages = true;
  ShowBook(loaded, box, settings.chapterPages);
  return prepared;
}

int RunCommand(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal,
               const TRunMonitor* monitor) {
  if (options.command == TCommand::Convert)
    return FinishOutput(out, err, ConvertAll(options, out, err, terminal, monitor));
  if (options.command == TCommand::Encode) return RunEncode(options.encode, out, err);
  try {
    const TCancelScope cancel([monitor] { return monitor && monitor->CancelRequested(); });
    const TPreparedBook prepared = PrepareBook(options, options.books.front());
    Warn(prepared, options, options.books.front(), err);
    if (options.command == TCommand::Pages)
      PrintPages(prepared.job, options.json, out);
    else if (prepared.job.settings.layout == TLayoutKind::Book)
      PrintTypesetLines(prepared.job, out);
    else
      PrintLines(prepared.job, options.raw, out);
    return FinishOutput(out, err, kExitSuccess);
  } catch (const ERunCancelled& e) {
    PrintError(err, e);
    return kExitCancelled;
  } catch (const std::exception& e) {
    PrintError(err, e);
  }
  return kExitFailure;
}
