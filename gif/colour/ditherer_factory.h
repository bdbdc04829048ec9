// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixel walker for a dither method.
#include <memory>

#include "gif/colour/dither_engine.h"
#include "gif/colour/reduction_method.h"

// The walker of `dither` for rows of `width` pixels over `lookup` (used, not owned):
// Nearest the plain walker, the others their error-diffusion ditherer; none for a value
// outside the enumeration.
std::unique_ptr<TDitherEngine> CreateDitherer(TDitherMethod dither, int width, TColorLookup& lookup);
