// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a picture file into a bitmap for the encode command.
#include <string>

#include "platform/bitmap.h"

// Reads a PNG, BMP or PPM file. A true-colour picture becomes a 24-bit bitmap, or a 32-bit
// one with a transparency mask when it has transparent pixels; an indexed picture becomes
// an indexed bitmap of its depth with its colour table. EFOpenError "Cannot open file %s"
// when the file cannot be read or is a folder, ENotRegularFile for a FIFO, device or socket
// (never waited on), EInvalidGraphic when it holds no picture we can read.
TBitmap LoadPicture(const std::string& path);
