// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/ditherer_factory.h"

#include "gif/colour/floyd_steinberg_ditherer.h"
#include "gif/colour/kernel_ditherers.h"

std::unique_ptr<TDitherEngine> CreateDitherer(TDitherMethod dither, int width, TColorLookup& lookup) {
  switch (dither) {
    case TDitherMethod::Nearest:
      return std::make_unique<TDitherEngine>(width, lookup);
    case TDitherMethod::FloydSteinberg:
      return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
    case TDitherMethod::Stucki:
      return std::make_unique<TStuckiDitherer>(width, lookup);
    case TDitherMethod::Sierra:
      return std::make_unique<TSierraDitherer>(width, lookup);
    case TDitherMethod::JaJuNi:
      return std::make_unique<TJaJuNiDitherer>(width, lookup);
    case TDitherMethod::SteveArche:
      return std::make_unique<TSteveArcheDitherer>(width, lookup);
    case TDitherMethod::Burkes:
      return std::make_unique<TBurkesDitherer>(width, lookup);
    default:
      return nullptr;
  }
}
