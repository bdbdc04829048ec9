// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run in the book layout typesets: the book as a structured book, in the text box's
// font, with the run's layout options.
#include "app/layout/text_box.h"
#include "app/run/conversion_run.h"
#include "app/typeset/typeset_page.h"

TTypesetBook TypesetForRun(const TTextBox& box, const TRunSettings& settings);
