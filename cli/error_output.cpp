// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/error_output.h"

#include <cerrno>

#include "app/l10n/translation.h"
#include "cli/exit_codes.h"

void PrintError(std::ostream& err, const std::exception& error, const std::string& book) {
  err << "stronix-cli: ";
  if (!book.empty()) err << book << ": ";
  err << LocalizedError(error) << '\n';
}

int FinishOutput(std::ostream& out, std::ostream& err, int code) {
  // The stream keeps no reason of its own; errno still holds the failed write's.
  out.flush();
  if (out) return code;
  const int error = errno;
  err << "stronix-cli: " << Translate("stronix-cli", "cannot write the output").toStdString();
  if (error) err << ": " << LocalizedReason(SystemReason(error));
  err << '\n';
  return kExitFailure;
}
