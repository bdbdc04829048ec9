// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's status line after a run: how many pages went where.
#include <QString>
#include <string>

#include "app/run/conversion_run.h"

// "Zapisano 12 plików GIF (strona tytułowa i 11 stron) w: <folder>", with the part
// folders' first and last and the pages of an earlier book removed, in the language in
// use. `targetFolder` is named when nothing was written.
QString RunReportText(const TRunReport& report, const std::string& targetFolder);
