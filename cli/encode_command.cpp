// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encode_command.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

#include "app/l10n/translation.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/picture_file.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"

namespace {

template <class T, std::size_t N>
using TNames = std::array<std::pair<std::string_view, T>, N>;

constexpr TNames<TReductionMethod, 9> kReductions = {{
    {"none", TReductionMethod::None},
    {"system20", TReductionMethod::System20},
    {"halftone256", TReductionMethod::Halftone256},
    {"gray4", TReductionMethod::SystemGray4},
    {"monochrome", TReductionMethod::Monochrome},
    {"gray256", TReductionMethod::GrayScale256},
    {"webcube216", TReductionMethod::WebCube216},
    {"optimized", TReductionMethod::Optimized},
    {"optimized-system", TReductionMethod::OptimizedSystem},
}};

constexpr TNames<TDitherMethod, 7> kDithers = {{
    {"nearest", TDitherMethod::Nearest},
    {"floyd-steinberg", TDitherMethod::FloydSteinberg},
    {"stucki", TDitherMethod::Stucki},
    {"sierra", TDitherMethod::Sierra},
    {"jajuni", TDitherMethod::JaJuNi},
    {"steve-arche", TDitherMethod::SteveArche},
    {"burkes", TDitherMethod::Burkes},
}};

constexpr TNames<std::uint8_t, 2> kCompressions = {{{"lzw", 0}, {"rle", 1}}};

template <class T, std::size_t N>
std::string NameList(const TNames<T, N>& names) {
  std::string list;
  for (const auto& [name, value] : names) {
    if (!list.empty()) list += '|';
    list += name;
  }
  return list;
}

template <class T, std::size_t N>
T Lookup(const TNames<T, N>& names, std::string_view option, const std::string& value) {
  for (const auto& [name, item] : names)
    if (name == value) return item;
  throw EUsageError(FormatMessage("%s takes one of %s, not \"%s\"", {option, NameList(names), value}));
}

int ParsePaletteBits(const std::string& value) {
  int bits = -1;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), bits);
  if (error != std::errc() || end != value.data() + value.size() || bits < 0 || bits > 8)
    throw EUsageError(FormatMessage("%s takes a whole number from %s to %s, not \"%s\"", {"--palette-bits", "0", "8", value}));
  return bits;
}

}  // namespace

TEncodeOptions ParseEncodeCommandLine(const std::vector<std::string>& args) {
  TEncodeOptions options;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {  // the end of the options, as for the other commands
      optionsEnded = true;
      continue;
    }
    if (i + 1 >= args.size()) throw EUsageError(FormatMessage("%s needs a value", {arg}));
    const std::string& value = args[++i];
    if (arg == "--reduction") {
      options.reduction = Lookup(kReductions, arg, value);
    } else if (arg == "--dither") {
      options.dither = Lookup(kDithers, arg, value);
    } else if (arg == "--palette-bits") {
      options.paletteBits = ParsePaletteBits(value);
    } else if (arg == "--compression") {
      options.compression = Lookup(kCompressions, arg, value);
    } else {
      throw EUsageError(FormatMessage("unknown option %s", {arg}));
    }
  }
  if (files.size() != 2) throw EUsageError("encode takes a picture file and an output GIF file");
  options.input = files[0];
  options.output = files[1];
  return options;
}

std::string EncodeUsageText() {
  return "  stronix-cli encode IMAGE OUT.gif [--reduction METHOD] [--dither METHOD]\n"
         "              [--palette-bits 0..8] [--compression " +
         NameList(kCompressions) + "]\n" + "      reduction: " + NameList(kReductions) + "\n" +
         "      dither:    " + NameList(kDithers) + "\n";
}

int RunEncode(const TEncodeOptions& options, std::ostream& out, std::ostream& err) {
  try {
    TBitmap picture = LoadPicture(options.input);
    if (picture.Empty()) throw EInvalidGraphic(FormatMessage("The picture in %s is empty", {options.input}));
    TGIFImage image;
    image.ReductionMethod = options.reduction;
    image.DitherMethod = options.dither;
    image.PaletteBits = options.paletteBits;
    image.CompressionMethod = options.compression;
    image.AssignFrom(&picture);
    image.WriteToFile(options.output);
    out << Translate("stronix-cli", "%1: %2 x %3, %n colours", nullptr, image.Images()[0].ColorMap().Count())
               .arg(QString::fromStdString(options.output))
               .arg(image.Width())
               .arg(image.Height())
               .toStdString()
        << '\n';
    return FinishOutput(out, err, kExitSuccess);
  } catch (const std::exception& e) {
    err << "stronix-cli: " << LocalizedError(e) << '\n';
    return kExitFailure;
  }
}
