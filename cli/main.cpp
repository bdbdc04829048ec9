// SPDX-License-Identifier: GPL-3.0-or-later
// stronix-cli: turns a book into numbered 480 x 272 GIF pages without a window.
#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/l10n/translation.h"
#include "app/run/run_monitor.h"
#include "cli/commands.h"
#include "cli/error_output.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/options.h"

namespace {

// Qt's own chatter (such as a missing runtime folder) is no concern of a command-line user.
void KeepOnlySeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Asks the run to stop once SIGINT or SIGTERM came.
class TSignalMonitor : public TRunMonitor {
public:
  bool CancelRequested() const override { return InterruptSignal() != 0; }
};

int UsageError(const std::string& message) {
  std::cerr << "stronix-cli: " << message << '\n'
            << Translate("stronix-cli", "Try 'stronix-cli --help'.").toStdString() << '\n';
  return kExitUsage;
}

int Run(int argc, char** argv) {
  // English, and Polish for Polish readers; the pages are the same whatever the language.
  UseLanguage(UserLanguage(TLanguage::English));
  const std::vector<std::string> args(argv + 1, argv + argc);
  TCliOptions options;
  try {
    options = ParseCommandLine(args);
  } catch (const EUsageError& e) {
    return UsageError(LocalizedMessage(e));
  }
  if (options.command == TCommand::Help || options.help) {
    std::cout << UsageText(options.command);
    return FinishOutput(std::cout, std::cerr, kExitSuccess);
  }
  if (options.command == TCommand::Version) {
    std::cout << "stronix-cli " << STRONIX_VERSION << '\n';
    return FinishOutput(std::cout, std::cerr, kExitSuccess);
  }
  // Text is measured and drawn off screen: no display is needed.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(KeepOnlySeriousQtMessages);
  QGuiApplication application(argc, argv);
  InstallInterruptHandlers();
  const TSignalMonitor monitor;
  const int code = RunCommand(options, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0, &monitor);
  return code == kExitCancelled ? 128 + InterruptSignal() : code;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    PrintError(std::cerr, std::bad_alloc());
    return kExitFailure;
  }
}
