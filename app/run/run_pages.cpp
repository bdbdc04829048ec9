// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/run_pages.h"

#include <memory>
#include <optional>

#include "app/delivery/free_space.h"
#include "app/drawing/page_drawing.h"
#include "app/layout/page_layout.h"
#include "app/pictures/picture_page.h"
#include "app/run/book_layout.h"
#include "app/typeset/typeset_drawing.h"
#include "gif/model/page_encoder.h"

EFontTooLarge::EFontTooLarge()
    : Exception(
          "Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.") {}

int UsableLinesPerPage(int fontHeight) {
  const int perPage = ComputeLayout(fontHeight).linesPerPage;
  if (perPage <= 0) throw EFontTooLarge();
  return perPage;
}

TLineList PageLines(const TTextBox& box, bool squeezeBlankLines) {
  return squeezeBlankLines ? TLineList(box.SharedText(), box.Font(), true) : box.Lines();
}

TRunPages::TRunPages(TConversionJob job)
    : job_(std::move(job)), book_(job_.settings.layout == TLayoutKind::Book) {
  const TTextBox& box = job_.box;
  if (box.LineCount() == 0) return;
  // Checked before the first page, so that a font that fits no line makes none instead of
  // drawing empty pages forever.
  const int perPage = UsableLinesPerPage(box.Font().height);
  if (book_) {
    typeset_ = TypesetForRun(job_);
    count_ = static_cast<int>(typeset_.pages.size());
  } else {
    lines_ = PageLines(box, job_.settings.squeezeBlankLines);
    pages_ = Paginate(lines_, perPage, job_.settings.chapterPages);
    count_ = 1 + static_cast<int>(pages_.size());
  }
}

std::uint64_t TRunPages::PagePixels() const {
  // The classic pages are always of the default screen's size.
  return book_ ? static_cast<std::uint64_t>(typeset_.width) * typeset_.height : kPagePixels;
}

TPageMaker TRunPages::Maker() const {
  const TTextBox& box = job_.box;
  const TRunSettings& settings = job_.settings;
  const bool book = book_;
  return [&box, &settings, &lines = lines_, &pages = pages_, &typeset = typeset_,
          raster = book ? std::make_shared<TPageRaster>(typeset_.width, typeset_.height)
                        : std::make_shared<TPageRaster>(),
          drawing = book ? std::make_shared<TTypesetDrawing>(box, typeset_.font) : nullptr,
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
      DrawPageLines(*raster, box, lines, pages[static_cast<std::size_t>(index - 1)], printer.get(), widths);
    // A tall page is turned for the console held sideways, pictures and all.
    std::optional<TBitmap> turned;
    if (drawing && settings.portrait) turned = TurnPage(raster->Bitmap(), *settings.portrait);
    const TBitmap& finished = turned ? *turned : raster->Bitmap();
    if (drawing && !typeset.pages[static_cast<std::size_t>(index)].pictures.empty()) {
      std::vector<QRect> places;
      for (const TPagePicture& picture : typeset.pages[static_cast<std::size_t>(index)].pictures)
        places.push_back(settings.portrait
                             ? TurnPlace(picture.rect, {typeset.width, typeset.height}, *settings.portrait)
                             : picture.rect);
      return TPageBytes(pictures::EncodePicturePage(finished, settings.pictureColors, places));
    }
    // A copy: the encoder keeps its buffer for the next page.
    return TPageBytes(encoder->Encode(finished));
  };
}
