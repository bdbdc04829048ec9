// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A manual page of the package as `man` shows it, for tests that check what it describes.
#include <string>

// The page `name` (such as "stronix-cli") as built in packaging/, rendered to UTF-8 text by
// groff without hyphenation, every run of white space made one space; empty when groff fails.
std::string RenderedManPage(const std::string& name);
