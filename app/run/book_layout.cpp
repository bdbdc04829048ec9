// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/book_layout.h"

#include "app/text/code_page.h"
#include "app/text/text_file.h"
#include "app/typeset/book_typesetter.h"
#include "app/typeset/text_document.h"

TTypesetBook TypesetForRun(const TTextBox& box, const TRunSettings& settings) {
  const TFontScript script = box.Font().script;
  TTypesetOptions options = settings.typeset;
  // A book in the Central European code page is taken for Polish unless told otherwise.
  if (options.language.empty() && script == TFontScript::CentralEuropean) options.language = "pl";
  const std::string title = settings.bookTitle.empty()
                                ? std::string(FileNamePart(settings.chosenFileName))
                                : CodePageOf(script).Decode(settings.bookTitle).toStdString();
  return TypesetBook(DocumentOfClassicText(box.Text(), script), box.Font(), options, title);
}
