// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/conversion_run.h"

#include <QGuiApplication>
#include <filesystem>
#include <optional>

#include "app/delivery/book_name.h"
#include "app/delivery/book_record.h"
#include "app/delivery/commit_journal.h"
#include "app/delivery/free_space.h"
#include "app/delivery/part_folders.h"
#include "app/l10n/translation.h"
#include "app/layout/page_layout.h"
#include "app/run/page_pipeline.h"
#include "app/run/run_pages.h"
#include "app/text/text_file.h"

namespace {

// The target folder text split into the folder the pages go to and what precedes each
// page's label: "/books/" gives "/books/" and "", "/books/x" gives "/books/" and "x".
std::pair<std::string, std::string> SplitTarget(const std::string& target) {
  const auto slash = target.rfind('/');
  if (slash == std::string::npos) return {"./", target};
  return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

// The part folders of an older, longer book past this one's last part; a link is none.
std::vector<std::string> StaleParts(const std::string& folder, const TPartFolders& parts, int files) {
  std::vector<std::string> stale;
  if (!parts.HasParts()) return stale;
  std::error_code error;
  const auto isFolder = [&](int part) {
    return std::filesystem::is_directory(
        std::filesystem::symlink_status(folder + parts.PartFolder(part), error));
  };
  for (int part = parts.PartCount(files - 1) + 1; isFolder(part); ++part)
    stale.push_back(parts.PartFolder(part));
  return stale;
}

// The name the commit journal and the book record give the book.
std::string BookNameOf(const TRunSettings& settings, const TPartFolders& parts) {
  return settings.chosenFileName.empty() ? parts.BookName()
                                         : std::string(FileNamePart(settings.chosenFileName));
}

TPartFolders PartFoldersOf(const TRunSettings& settings) {
  return TPartFolders(settings.pagesPerFolder, settings.partName.empty()
                                                   ? FatSafeBookName(settings.chosenFileName)
                                                   : settings.partName);
}

}  // namespace

std::optional<std::string> OtherBookInTarget(const TRunSettings& settings) {
  return OtherBookIn(SplitTarget(settings.targetFolder).first, BookNameOf(settings, PartFoldersOf(settings)));
}

std::string PageLabel(int number) {
  const std::string digits = std::to_string(number);
  return digits.size() < 4 ? std::string(4 - digits.size(), '0') + digits : digits;
}

TRunReport RunConversion(const TConversionJob& job, TRunMonitor* monitor, const TFileWriter& writer) {
  const TRunSettings& settings = job.settings;
  TRunReport report;
  const auto [folder, prefix] = SplitTarget(settings.targetFolder);
  // A commit a kill left in the folder is finished before anything else happens there.
  report.killedRunNotice = FinishInterruptedConversion(folder);
  // Wrapping and paginating a long book take a while too: the monitor's stop reaches them.
  const TCancelScope cancel([monitor] { return monitor && monitor->CancelRequested(); });
  const TRunPages made(job);
  if (made.Count() > 0) {
    const int total = made.Count();
    const TPartFolders parts = PartFoldersOf(settings);
    const auto placeOf = [&, prefix = prefix](int index) {
      const std::string name = PageLabel(index) + ".gif";
      return parts.HasParts() ? parts.FolderOf(index) + "/" + name : prefix + name;
    };
    // The folder's own failures before space: an existing folder is locked first, and a
    // missing one is judged by the folder above it, then made only once there is room, so
    // that a refusal leaves nothing to take away again.
    const bool toMake = settings.createFolder && CheckFolderToMake(folder, folder + placeOf(0));
    if (toMake) CheckFreeSpace(folder, total, made.PagePixels());
    TStagedBook staged(folder, folder + placeOf(0), settings.createFolder, writer);
    if (!toMake) CheckFreeSpace(folder, total, made.PagePixels());
    const auto makeMaker = [&made] { return made.Maker(); };
    TSpaceWatch space(folder, total);
    // Qt 6 draws text on images in any thread, but only once the application object has set
    // up the font database: without one the pages are drawn on this thread alone.
    const int workers = QGuiApplication::instance() ? PageWorkerCount(settings.jobs, total) : 1;
    RunPagePipeline(total, workers, makeMaker, [&](int index, TPageBytes&& page) {
      staged.AddPage(placeOf(index), page.data(), page.size());
      space.FileWritten(index + 1);
      if (monitor) {
        monitor->PageDone(index + 1, total);
        if (index + 1 < total && monitor->CancelRequested()) throw ERunCancelled();
      }
    });
    const std::string bookName = BookNameOf(settings, parts);
    const TStagedBook::TCommit commit = staged.Commit(bookName, parts.HasParts() ? parts.BookName() : "",
                                                      settings.pageTimes, StaleParts(folder, parts, total));
    report.filesWritten = total;
    report.unreadablePictures = made.UnreadablePictures();
    report.oldPagesRemoved = commit.oldPagesRemoved;
    report.folders = commit.folders;
    if (!report.killedRunNotice) report.killedRunNotice = staged.KilledRunNotice();
  }
  return report;
}

void ShowRunEnd(TTextBox& box, const TRunReport& report) {
  box.Clear();
  // The window's language; the text box holds it in any script, being ASCII either way.
  box.AppendLine(Translate("stronix-cli", "gotowe...").toStdString());
  if (report.killedRunNotice) box.AppendLine(Localized(*report.killedRunNotice));
}
