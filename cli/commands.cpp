#include "cli/commands.h"

#include <exception>
#include <filesystem>

#include "app/appearance.h"
#include "app/conversion_run.h"
#include "app/main_state.h"
#include "cli/progress_bar.h"

namespace {

// A folder as a prefix of output paths.
std::string FolderPrefix(const std::string& folder) { return folder.ends_with('/') ? folder : folder + "/"; }

void Convert(TMainState& state, std::ostream& out, std::ostream& err, bool terminal) {
  int written = 0;
  {
    TProgressBar bar(err, terminal);
    written = state.Generate([&](int done, int total) { bar.Update(done, total); });
  }
  const std::string& folder = state.Settings().targetFolder;
  out << "gotowe...\n";
  if (written == 0)
    out << "The book holds no line: nothing was written to " << folder << '\n';
  else
    out << "Wrote " << written << " files to " << folder << ": the title page 0000.gif and pages 0001.gif to "
        << PageLabel(written - 1) << ".gif\n";
}

void PrintLines(const TMainState& state, std::ostream& out) {
  for (const auto& line : PageLines(state.Memo(), state.Settings().squeezeBlankLines)) out << line << '\n';
}

}  // namespace

void PrepareState(TMainState& state, const TCliOptions& options) {
  state.LoadTextFile(std::filesystem::absolute(options.book).string());
  TTextBox& memo = state.Memo();
  TPageFont font = memo.Font();
  font.face = options.fontFace.value_or(font.face);
  font.height = options.fontHeight.value_or(font.height);
  font.bold = options.bold;
  font.italic = options.italic;
  font.underline = options.underline;
  font.strikeOut = options.strikeOut;
  font.script = options.script.value_or(DetectScript(memo.Text()));
  memo.SetFont(font);
  // A colour set first, so that single colours given beside it win.
  if (options.colorSet) ApplyColorSet(memo, *options.colorSet);
  if (options.textColor) {
    font = memo.Font();
    font.color = *options.textColor;
    memo.SetFont(font);
  }
  if (options.background) memo.SetColor(*options.background);
  if (options.outputFolder) state.Settings().targetFolder = FolderPrefix(*options.outputFolder);
  state.Settings().squeezeBlankLines = !options.keepBlankLines;
}

int RunCommand(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal) {
  try {
    TMainState state;
    PrepareState(state, options);
    if (options.command == TCommand::Convert)
      Convert(state, out, err, terminal);
    else
      PrintLines(state, out);
    out.flush();
    return kExitSuccess;
  } catch (const std::exception& e) {
    err << "stronix-cli: " << e.what() << '\n';
    return kExitFailure;
  }
}
