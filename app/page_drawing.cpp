#include "app/page_drawing.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>

#include "app/code_page.h"
#include "app/font_metrics.h"
#include "app/page_layout.h"
#include "app/text_file.h"

namespace {

QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

// Paints lines of the text box's font and colours on the raster.
class TLinePainter {
public:
  TLinePainter(TPageRaster& raster, const TTextBox& box)
      : image_(raster.PaintTarget()), painter_(&image_), codePage_(CodePageOf(box.Font().script)) {
    const QFont font = MakeQFont(box.Font());
    painter_.setFont(font);
    painter_.setPen(ToQColor(box.Font().color));
    // Qt paints the background behind each run of text, over the font's ascent and descent.
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(ToQColor(box.Color()));
    ascent_ = CellOf(font).ascent;
  }

  // Draws the bytes, read in the font's code page, with the line's cell top at y.
  void DrawLine(int y, std::string_view bytes) {
    if (!bytes.empty()) painter_.drawText(1, y + ascent_, codePage_.Decode(bytes));
  }

private:
  QImage image_;
  QPainter painter_;
  const TCodePage& codePage_;
  int ascent_ = 0;
};

// The title texts are Windows-1250 bytes whatever the font's script, as the tool has
// always drawn them; a UTF-8 page font gets them as UTF-8. Written here in UTF-8.
std::string TitleText(std::string_view utf8, TFontScript script) {
  return script == TFontScript::Utf8 ? std::string(utf8)
                                     : CodePageOf(TFontScript::CentralEuropean).FromUtf8(utf8);
}

}  // namespace

void ClearPage(TPageRaster& raster, const TTextBox& box) { raster.PaintTarget().fill(ToQColor(box.Color())); }

void DrawTitlePage(TPageRaster& raster, const TTextBox& box, std::string_view chosenFileName,
                   std::string_view bookTitle) {
  const int size = ComputeLayout(box.Font().height).size;
  const TFontScript script = box.Font().script;
  // File names are UTF-8 here; the page shows them in the font's own code page.
  const std::string lines[kTitleLineCount] = {
      "  Book: " + CodePageOf(script).FromUtf8(bookTitle.empty() ? FileNamePart(chosenFileName) : bookTitle),
      TitleText("  Strony przygotował program Stronix", script),
      "  www.stronix.example.org",
      TitleText("  pozdrowienia dla psp-czytelników", script),
      TitleText("  Miłej lektury!", script),
  };
  TLinePainter painter(raster, box);
  for (int line = 1; line <= kTitleLineCount; ++line)
    painter.DrawLine(TitleLineY(line, size), lines[line - 1]);
}

void DrawPage(TPageRaster& raster, const TTextBox& box, TLineList& lines) {
  const TPageLayout layout = ComputeLayout(box.Font().height);
  const int count = std::min<int>(layout.linesPerPage, static_cast<int>(lines.size()));
  if (count <= 0) return;
  DrawPageLines(raster, box, TLineViews(lines.begin(), lines.begin() + count), {0, count});
  lines.erase(lines.begin(), lines.begin() + count);
}

void DrawPageLines(TPageRaster& raster, const TTextBox& box, const TLineViews& lines, TPageSpan page) {
  const int size = ComputeLayout(box.Font().height).size;
  TLinePainter painter(raster, box);
  for (int k = 1; k <= page.count; ++k)
    painter.DrawLine(TextLineY(k, size), lines[page.first + static_cast<std::size_t>(k - 1)]);
}
