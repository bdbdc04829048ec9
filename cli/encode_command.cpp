// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encode_command.h"

#include "app/l10n/translation.h"
#include "cli/error_output.h"
#include "cli/exit_codes.h"
#include "cli/picture_file.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"

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
    PrintError(err, e);
    return kExitFailure;
  }
}
