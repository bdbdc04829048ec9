// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/book_layout.h"

#include <optional>

#include "app/document/plain_text.h"
#include "app/pictures/book_pictures.h"
#include "app/text/code_page.h"
#include "app/text/text_file.h"
#include "app/typeset/book_typesetter.h"

TTypesetBook TypesetForRun(const TConversionJob& job) {
  const TTextBox& box = job.box;
  const TRunSettings& settings = job.settings;
  const TFontScript script = box.Font().script;
  const TCodePage& codePage = CodePageOf(script);
  TTypesetOptions options = settings.typeset;
  const TScreenSize page = settings.portrait ? PortraitPage(settings.screen) : settings.screen;
  options.pageWidth = page.width;
  options.pageHeight = page.height;
  // A book in the Central European code page is taken for Polish unless told otherwise.
  if (options.language.empty() && script == TFontScript::CentralEuropean) options.language = "pl";
  const std::string title = settings.bookTitle.empty() ? std::string(FileNamePart(settings.chosenFileName))
                                                       : codePage.Decode(settings.bookTitle).toStdString();
  if (job.book) {
    // A book read from standard input has no place to find its pictures in.
    std::optional<pictures::TBookPictures> pictures;
    if (options.pictures && !settings.picturesPath.empty()) pictures.emplace(settings.picturesPath);
    return TypesetBook(*job.book, box.Font(), options, title, pictures ? &*pictures : nullptr);
  }
  const auto toUtf8 = [&](std::string_view line) { return codePage.Decode(line).toStdString(); };
  return TypesetBook(document::DocumentOfText(box.Text(), toUtf8), box.Font(), options, title);
}
