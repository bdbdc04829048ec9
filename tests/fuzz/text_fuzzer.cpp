// SPDX-License-Identifier: GPL-3.0-or-later
// The book's way to the pages: bytes read as a book file (code page, UTF-16, NUL bytes),
// in the text box with a font the first bytes choose, wrapped, drawn page by page on the
// page raster (by Qt alone and by the line printer, alike), a page written as the run
// writes it and read back by giflib; and the same text as a structured book, well shaped.
// Input: script (a value past the last script detects it from the text), height (low six
// bits) and whether to write the page (top bit), style and colours, then the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/document/plain_text.h"
#include "app/drawing/appearance.h"
#include "app/drawing/page_drawing.h"
#include "app/drawing/page_raster.h"
#include "app/layout/page_layout.h"
#include "app/layout/pagination.h"
#include "app/layout/text_box.h"
#include "app/text/text_file.h"
#include "document/document_check.h"
#include "fuzz/fuzz_support.h"
#include "gif/model/image.h"
#include "gif/model/page_encoder.h"
#include "platform/stream.h"

namespace {

constexpr std::size_t kSettingBytes = 3;
// Longer texts and more pages only repeat what the first pages do, more slowly.
constexpr std::size_t kMaxFuzzedBytes = 4096;
constexpr int kMaxPages = 3;
// Two installed faces, a fixed-pitch one and one the font database has to substitute.
constexpr const char* kFaces[] = {"Times New Roman", "Liberation Sans", "Liberation Mono", "No Such Face"};

TPageFont FontOf(const std::uint8_t* settings, std::string_view text) {
  constexpr std::size_t kScripts = std::size(kAllScripts);
  TPageFont font;
  font.script = settings[0] % (kScripts + 1) < kScripts ? kAllScripts[settings[0] % (kScripts + 1)]
                                                        : DetectScript(text);
  font.height = -(1 + settings[1] % 64);  // -1 is the one-point font that fails the layout
  const std::uint8_t style = settings[2];
  font.bold = style & 1;
  font.italic = style & 2;
  font.underline = style & 4;
  font.strikeOut = style & 8;
  font.face = kFaces[(style >> 4) % 4];
  return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingBytes) return 0;
  static TMemoryFile file;
  file.Fill(data + kSettingBytes, std::min(size - kSettingBytes, kMaxFuzzedBytes));
  std::string text;
  try {
    text = ReadBookText(file.Path()).text;
  } catch (const ENotText&) {
    return 0;  // a binary file: refused, rightly
  }
  if (const std::string fault = document::DocumentFault(document::DocumentOfText(text)); !fault.empty())
    FuzzFailure("badly shaped document: " + fault);
  TTextBox box;
  box.SetFont(FontOf(data, text));
  ApplyColorSet(box, 1 + (data[2] >> 6));
  box.SetText(text);

  const TLineList& lines = box.Lines();
  TPageRaster raster, printed;
  const std::unique_ptr<TLinePrinter> printer = MakeLinePrinter(box);
  try {
    const int perPage = ComputeLayout(box.Font().height).linesPerPage;
    if (perPage <= 0) return 0;  // not one line fits this font: the run refuses it
    const std::vector<TPageSpan> pages = Paginate(lines, perPage, false);
    for (int page = 0; page < kMaxPages && page < static_cast<int>(pages.size()); ++page) {
      ClearPage(raster, box);
      DrawPageLines(raster, box, lines, pages[static_cast<std::size_t>(page)]);
      // The printer's lines are Qt's to the pixel, and so are the lines it leaves to Qt.
      ClearPage(printed, box);
      DrawPageLines(printed, box, lines, pages[static_cast<std::size_t>(page)], printer.get());
      const std::size_t bytes = static_cast<std::size_t>(raster.Bitmap().Stride()) * kPageHeight;
      if (std::memcmp(raster.Bitmap().ScanLine(0), printed.Bitmap().ScanLine(0), bytes) != 0)
        FuzzFailure("the line printer draws otherwise than Qt");
      // Writing takes most of the time and varies little with the text: the first page, when
      // the height byte's top bit asks for it.
      if (page > 0 || !(data[1] & 0x80)) continue;
      TGIFImage image;
      image.AssignFrom(&raster.Bitmap());
      CheckWrittenGif(image, kPageWidth, kPageHeight);
      // The run's own encoder writes the same bytes as the image model.
      TMemoryStream general, direct;
      image.SaveToStream(general);
      TPageEncoder().Encode(raster.Bitmap(), direct);
      if (general.Bytes() != direct.Bytes()) FuzzFailure("the page encoder differs from the image model");
    }
  } catch (const EFontTooSmall&) {
    // The one-point font: the run reports it.
  }
  return 0;
}
