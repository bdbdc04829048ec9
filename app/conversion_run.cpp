#include "app/conversion_run.h"

#include "app/blank_lines.h"
#include "app/page_drawing.h"
#include "app/page_layout.h"
#include "gif/model/image.h"

namespace {

// The four GIF-writer steps for one file: a fresh image with the default settings takes
// the raster as its one frame and is written out, then destroyed.
void WritePicture(TPageRaster& raster, const std::string& path) {
  TGIFImage image;
  image.AssignFrom(&raster.Bitmap());
  image.WriteToFile(path);
}

}  // namespace

EFontTooLarge::EFontTooLarge()
    : Exception(
          "Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.") {}

std::string PageLabel(int number) {
  const std::string digits = std::to_string(number);
  return digits.size() < 4 ? std::string(4 - digits.size(), '0') + digits : digits;
}

TLineList PageLines(const TTextBox& box, bool squeezeBlankLines) {
  TLineList lines = box.Lines();
  if (squeezeBlankLines) SqueezeBlankLines(lines);
  return lines;
}

int RunConversion(TTextBox& box, TPageRaster& raster, const TRunSettings& settings,
                  const TRunProgress& progress) {
  const bool hasLines = box.LineCount() > 0;
  TLineList lines = PageLines(box, settings.squeezeBlankLines);

  int total = 0;
  if (hasLines) {
    // Checked before the first file, so that a font that fits no line writes nothing
    // instead of drawing empty pages forever.
    const int perPage = ComputeLayout(box.Font().height).linesPerPage;
    if (perPage <= 0) throw EFontTooLarge();
    total = 1 + static_cast<int>((lines.size() + static_cast<std::size_t>(perPage) - 1) /
                                 static_cast<std::size_t>(perPage));
  }
  int written = 0;
  const auto write = [&](const std::string& name) {
    WritePicture(raster, settings.targetFolder + name);
    ++written;
    if (progress) progress(written, total);
  };

  if (hasLines) {
    ClearPage(raster, box);
    DrawTitlePage(raster, box, settings.chosenFileName);
    write("0000.gif");
  }
  for (int number = 1; !lines.empty(); ++number) {
    ClearPage(raster, box);
    DrawPage(raster, box, lines);
    write(PageLabel(number) + ".gif");
  }
  box.Clear();
  box.AppendLine("gotowe...");
  return written;
}
