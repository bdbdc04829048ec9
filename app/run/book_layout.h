// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run in the book layout typesets: the job's structured book (a plain-text book's
// paragraphs found in the text box's text), in the text box's font, with the run's layout
// options.
#include "app/run/conversion_job.h"
#include "app/typeset/typeset_page.h"

TTypesetBook TypesetForRun(const TConversionJob& job);
