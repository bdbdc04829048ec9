// stronix-cli: turns a plain-text book into numbered 480 x 272 GIF pages without a window.
#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/encode_command.h"
#include "cli/options.h"

namespace {

// Qt's own chatter (such as a missing runtime folder) is no concern of a command-line user.
void KeepOnlySeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  TCliOptions options;
  std::optional<TEncodeOptions> encode;
  try {
    if (!args.empty() && args[0] == "encode")
      encode = ParseEncodeCommandLine(std::vector<std::string>(args.begin() + 1, args.end()));
    else
      options = ParseCommandLine(args);
  } catch (const EUsageError& e) {
    std::cerr << "stronix-cli: " << e.what() << "\n\n" << UsageText();
    return kExitUsage;
  }
  if (!encode && options.command == TCommand::Help) {
    std::cout << UsageText();
    return kExitSuccess;
  }
  // Text is measured and drawn off screen: no display is needed.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(KeepOnlySeriousQtMessages);
  QGuiApplication application(argc, argv);
  if (encode) return RunEncode(*encode, std::cout, std::cerr);
  return RunCommand(options, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
