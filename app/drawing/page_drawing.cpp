// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/page_drawing.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "app/drawing/qt_color.h"
#include "app/layout/blank_lines.h"
#include "app/layout/font_metrics.h"
#include "app/layout/line_list.h"
#include "app/layout/page_layout.h"
#include "app/text/code_page.h"
#include "app/text/text_file.h"

namespace {

// Paints lines of the text box's font and colours on the raster: the printer those it can
// draw, Qt the rest.
class TLinePainter {
public:
  TLinePainter(TPageRaster& raster, const TTextBox& box, TLinePrinter* printer = nullptr)
      : image_(raster.PaintTarget()),
        // Taken before any painter works on the image, which then keeps its memory.
        pixels_{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4, image_.width(),
                image_.height()},
        box_(box),
        font_(MakeQFont(box.Font())),
        codePage_(CodePageOf(box.Font().script)),
        printer_(printer),
        ascent_(CellOf(font_).ascent) {}

  // Draws the bytes, read in the font's code page, with the line's cell top at y.
  void DrawLine(int y, std::string_view line) {
    const std::string_view bytes = DrawnPart(line);
    if (bytes.empty()) return;
    const QString text = codePage_.Decode(bytes);
    if (!printer_ || !printer_->Draw(pixels_, 1, y + ascent_, text)) Painter().drawText(1, y + ascent_, text);
  }

private:
  QPainter& Painter() {
    if (!painter_) {
      painter_.emplace(&image_);
      painter_->setFont(font_);
      painter_->setPen(ToQColor(box_.Font().color));
      // Qt paints the background behind each run of text, over the font's ascent and descent.
      painter_->setBackgroundMode(Qt::OpaqueMode);
      painter_->setBackground(ToQColor(box_.Color()));
    }
    return *painter_;
  }

  QImage image_;
  const TPixelRows pixels_;
  const TTextBox& box_;
  const QFont font_;
  const TCodePage& codePage_;
  TLinePrinter* const printer_;
  const int ascent_;
  std::optional<QPainter> painter_;
};

// The title texts are Windows-1250 bytes whatever the font's script, so that a single-byte
// script's title page keeps the bytes it has had from the start; a UTF-8 page font gets
// them as UTF-8. Written here in UTF-8.
std::string TitleText(std::string_view utf8, TFontScript script) {
  return script == TFontScript::Utf8 ? std::string(utf8)
                                     : CodePageOf(TFontScript::CentralEuropean).FromUtf8(utf8);
}

// The most lines a book's title and author take on the title page.
constexpr std::size_t kMaxBookLines = 4;

int TextWidth(std::string_view bytes, const TPageFont& font) {
  TGlyphWidths widths(font);
  float pen = 0;
  for (int length = 1; !bytes.empty(); bytes.remove_prefix(static_cast<std::size_t>(length)))
    pen += widths.Next(bytes, length).advance;
  return static_cast<int>(std::ceil(pen));
}

// The title page's first line, "  Book: " and the file name. A book's own title and author
// (which can be long) wrap instead onto the lines below it, indented alike, within the page's
// width; past kMaxBookLines the last line ends in "...".
std::vector<std::string> BookLines(std::string_view chosenFileName, std::string_view bookTitle,
                                   const TPageFont& font) {
  constexpr std::string_view kIndent = "  ", kCut = "...";
  const TCodePage& codePage = CodePageOf(font.script);
  if (bookTitle.empty())
    return {std::string(kIndent) + "Book: " + codePage.FromUtf8(FileNamePart(chosenFileName))};
  const std::string text = "Book: " + codePage.FromUtf8(bookTitle);
  const int width = kWrapWidth - TextWidth(kIndent, font);
  const TLineViews wrapped = WrapText(text, font, width);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < std::min(wrapped.size(), kMaxBookLines); ++i) {
    std::string_view line = wrapped[i];
    std::string_view cut;
    if (i + 1 == kMaxBookLines && wrapped.size() > kMaxBookLines) {
      line = WrapText(line, font, width - TextWidth(kCut, font)).front();
      cut = kCut;
    }
    lines.push_back(std::string(kIndent).append(line).append(cut));
  }
  return lines;
}

}  // namespace

void ClearPage(TPageRaster& raster, const TTextBox& box) { raster.PaintTarget().fill(ToQColor(box.Color())); }

void DrawTitlePage(TPageRaster& raster, const TTextBox& box, std::string_view chosenFileName,
                   std::string_view bookTitle) {
  const int size = ComputeLayout(box.Font().height).size;
  const TFontScript script = box.Font().script;
  // File names and titles are UTF-8 here; the page shows them in the font's own code page.
  const std::vector<std::string> book = BookLines(chosenFileName, bookTitle, box.Font());
  static_assert(std::size(kTitleToolLines) == kTitleLineCount - 1);
  // A title that wraps moves the rest of the page down by its extra lines.
  const int step = TextLineY(2, size) - TextLineY(1, size);
  const int extra = step * static_cast<int>(book.size() - 1);
  TLinePainter painter(raster, box);
  for (std::size_t i = 0; i < book.size(); ++i)
    painter.DrawLine(TitleLineY(1, size) + step * static_cast<int>(i), book[i]);
  for (int line = 2; line <= kTitleLineCount; ++line)
    painter.DrawLine(TitleLineY(line, size) + extra,
                     TitleText("  " + std::string(kTitleToolLines[line - 2]), script));
}

std::unique_ptr<TLinePrinter> MakeLinePrinter(const TTextBox& box) {
  return std::make_unique<TLinePrinter>(MakeQFont(box.Font()), ToQColor(box.Font().color).rgb(),
                                        ToQColor(box.Color()).rgb());
}

void DrawPageLines(TPageRaster& raster, const TTextBox& box, const TLineList& lines, const TPageSpan& page,
                   TLinePrinter* printer, std::shared_ptr<TGlyphWidths> widths) {
  const int size = ComputeLayout(box.Font().height).size;
  TLinePainter painter(raster, box, printer);
  TLineCursor cursor = lines.From(page.place, std::move(widths));
  for (int k = 1; k <= page.count; ++k) painter.DrawLine(TextLineY(k, size), cursor.Next());
}
