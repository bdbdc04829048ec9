// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/conversion_run.h"

#include <QGuiApplication>
#include <filesystem>
#include <optional>

#include "app/delivery/book_name.h"
#include "app/delivery/commit_journal.h"
#include "app/delivery/free_space.h"
#include "app/delivery/part_folders.h"
#include "app/drawing/page_drawing.h"
#include "app/l10n/translation.h"
#include "app/layout/page_layout.h"
#include "app/layout/pagination.h"
#include "app/pictures/picture_page.h"
#include "app/run/book_layout.h"
#include "app/run/page_pipeline.h"
#include "app/text/text_file.h"
#include "app/typeset/typeset_drawing.h"
#include "gif/model/page_encoder.h"

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

}  // namespace

EFontTooLarge::EFontTooLarge()
    : Exception(
          "Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.") {}

int UsableLinesPerPage(int fontHeight) {
  const int perPage = ComputeLayout(fontHeight).linesPerPage;
  if (perPage <= 0) throw EFontTooLarge();
  return perPage;
}

std::string PageLabel(int number) {
  const std::string digits = std::to_string(number);
  return digits.size() < 4 ? std::string(4 - digits.size(), '0') + digits : digits;
}

TLineList PageLines(const TTextBox& box, bool squeezeBlankLines) {
  return squeezeBlankLines ? TLineList(box.SharedText(), box.Font(), true) : box.Lines();
}

TRunReport RunConversion(const TConversionJob& job, TRunMonitor* monitor, const TFileWriter& writer) {
  const TTextBox& box = job.box;
  const TRunSettings& settings = job.settings;
  TRunReport report;
  const auto [folder, prefix] = SplitTarget(settings.targetFolder);
  // A commit a kill left in the folder is finished before anything else happens there.
  report.killedRunNotice = FinishInterruptedConversion(folder);
  // Wrapping and paginating a long book take a while too: the monitor's stop reaches them.
  const TCancelScope cancel([monitor] { return monitor && monitor->CancelRequested(); });
  if (box.LineCount() > 0) {
    // Checked before the first file, so that a font that fits no line writes nothing
    // instead of drawing empty pages forever.
    const int perPage = UsableLinesPerPage(box.Font().height);
    const bool book = settings.layout == TLayoutKind::Book;
    const TTypesetBook typeset = book ? TypesetForRun(job) : TTypesetBook();
    const TLineList lines = book ? TLineList() : PageLines(box, settings.squeezeBlankLines);
    const std::vector<TPageSpan> pages = Paginate(lines, perPage, settings.chapterPages);
    const int total = book ? static_cast<int>(typeset.pages.size()) : 1 + static_cast<int>(pages.size());

    const TPartFolders parts(settings.pagesPerFolder, settings.partName.empty()
                                                          ? FatSafeBookName(settings.chosenFileName)
                                                          : settings.partName);
    const auto placeOf = [&, prefix = prefix](int index) {
      const std::string name = PageLabel(index) + ".gif";
      return parts.HasParts() ? parts.FolderOf(index) + "/" + name : prefix + name;
    };
    // The folder first: one that cannot be made or written is that, not a lack of space.
    TStagedBook staged(folder, folder + placeOf(0), settings.createFolder, writer);
    // The classic pages are always of the default screen's size.
    CheckFreeSpace(folder, total,
                   book ? static_cast<std::uint64_t>(typeset.width) * typeset.height : kPagePixels);

    const auto makeMaker = [&]() -> TPageMaker {
      return [&box, &settings, &lines, &pages, &typeset,
              raster = book ? std::make_shared<TPageRaster>(typeset.width, typeset.height)
                            : std::make_shared<TPageRaster>(),
              drawing = book ? std::make_shared<TTypesetDrawing>(box, typeset.font) : nullptr,
              printer = book ? nullptr : std::shared_ptr<TLinePrinter>(MakeLinePrinter(box)),
              widths = book ? nullptr : std::make_shared<TGlyphWidths>(box.Font()),
              encoder = std::make_shared<TPageEncoder>(
                  settings.compactPages ? TPageColors::UsedOnly : TPageColors::WholeCube)](int index) {
        ClearPage(*raster, box);
        if (drawing)
          drawing->Draw(*raster, typeset.pages[static_cast<std::size_t>(index)]);
        else if (index == 0)
          DrawTitlePage(*raster, box, settings.chosenFileName, settings.bookTitle);
        else
          DrawPageLines(*raster, box, lines, pages[static_cast<std::size_t>(index - 1)], printer.get(),
                        widths);
        // A tall page is turned for the console held sideways, pictures and all.
        std::optional<TBitmap> turned;
        if (drawing && settings.portrait) turned = TurnPage(raster->Bitmap(), *settings.portrait);
        const TBitmap& finished = turned ? *turned : raster->Bitmap();
        if (drawing && !typeset.pages[static_cast<std::size_t>(index)].pictures.empty()) {
          std::vector<QRect> places;
          for (const TPagePicture& picture : typeset.pages[static_cast<std::size_t>(index)].pictures)
            places.push_back(settings.portrait ? TurnPlace(picture.rect, {typeset.width, typeset.height},
                                                           *settings.portrait)
                                               : picture.rect);
          return TPageBytes(pictures::EncodePicturePage(finished, settings.pictureColors, places));
        }
        // A copy: the encoder keeps its buffer for the next page.
        return TPageBytes(encoder->Encode(finished));
      };
    };
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
    const std::string bookName = settings.chosenFileName.empty()
                                     ? parts.BookName()
                                     : std::string(FileNamePart(settings.chosenFileName));
    const TStagedBook::TCommit commit = staged.Commit(bookName, parts.HasParts() ? parts.BookName() : "",
                                                      settings.pageTimes, StaleParts(folder, parts, total));
    report.filesWritten = total;
    report.unreadablePictures = typeset.unreadablePictures;
    report.oldPagesRemoved = commit.oldPagesRemoved;
    report.folders = commit.folders;
    if (!report.killedRunNotice) report.killedRunNotice = staged.KilledRunNotice();
  }
  return report;
}

void ShowRunEnd(TTextBox& box, const TRunReport& report) {
  box.Clear();
  box.AppendLine("gotowe...");
  if (report.killedRunNotice) box.AppendLine(Localized(*report.killedRunNotice));
}
